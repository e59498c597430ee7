#include "archive/SafeAddress.h"

#include "archive/ImageLocaliser.h"
#include "archive/MarkupText.h"

#include <string>

namespace nook {

namespace {

bool IsBrowserBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

// The scheme part as a browser reads it: C0 controls and blanks trimmed, tabs and
// line breaks taken out wherever they are, in lower case. A character that is not ASCII
// stays one kNotAscii byte, so it can never complete a scheme.
std::string SchemeView(const std::string& view) {
    size_t begin = 0, end = view.size();
    while (begin < end && IsBrowserBlank(view[begin]))
        ++begin;
    while (end > begin && IsBrowserBlank(view[end - 1]))
        --end;
    std::string address;
    for (size_t i = begin; i < end && address.size() < 8; ++i) {
        const char c = view[i];
        if (c == '\t' || c == '\n' || c == '\r') continue;
        address += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return address;
}

bool IsWebAddress(std::string_view scheme) {
    return StartsWith(scheme, "http://") || StartsWith(scheme, "https://");
}

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// Exactly "../../Images/" and a plain file name with at most one "." before a
// non-empty extension, as the image localiser names photos (without an extension when
// the address had none).
bool IsArchivePhotoPath(std::string_view view) {
    if (!StartsWith(view, kPagePhotoFolder)) return false;
    const std::string_view name = view.substr(std::string_view(kPagePhotoFolder).size());
    const size_t dot = name.find('.');
    auto plain = [](std::string_view part) {
        for (char c : part)
            if (!IsNameCharacter(c)) return false;
        return !part.empty();
    };
    return plain(name.substr(0, dot)) && (dot == std::string_view::npos || plain(name.substr(dot + 1)));
}

} // namespace

bool IsSafeLinkAddress(std::string_view value) {
    const std::string view = AsciiView(value);
    const std::string scheme = SchemeView(view);
    return IsWebAddress(scheme) || StartsWith(scheme, "mailto:") || IsArchivePhotoPath(view);
}

bool IsSafeImageAddress(std::string_view value) {
    const std::string view = AsciiView(value);
    return IsWebAddress(SchemeView(view)) || IsArchivePhotoPath(view);
}

} // namespace nook
