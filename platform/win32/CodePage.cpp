#include "platform/CodePage.h"

#include <windows.h>

namespace platform {

namespace {

std::u16string ToUtf16(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string out(static_cast<size_t>(n), u'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}

std::string FromUtf16(UINT codePage, std::u16string_view text, bool* lost) {
    if (lost) *lost = false;
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    int len = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
    int n = WideCharToMultiByte(codePage, 0, wide, len, nullptr, 0, nullptr, usedDefaultOut);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, wide, len, out.data(), n, nullptr, usedDefaultOut);
    if (lost) *lost = usedDefault != FALSE;
    return out;
}

} // namespace

std::u16string AnsiToUtf16(std::string_view text) { return ToUtf16(kTextCodePage, text); }
std::u16string Utf8ToUtf16(std::string_view text) { return ToUtf16(CP_UTF8, text); }
std::string Utf16ToAnsi(std::u16string_view text, bool* lost) { return FromUtf16(kTextCodePage, text, lost); }
std::string Utf16ToUtf8(std::u16string_view text) { return FromUtf16(CP_UTF8, text, nullptr); }

std::string Utf8ToAnsi(std::string_view text, bool* lost) { return Utf16ToAnsi(Utf8ToUtf16(text), lost); }
std::string AnsiToUtf8(std::string_view text) { return Utf16ToUtf8(AnsiToUtf16(text)); }

} // namespace platform
