// Files and encodings. The full build keeps UTF-8 on disk for documents without a
// declaration (or declared UTF-8) and code page 936 in memory; the reduced build reads
// and writes bytes unchanged. Saving always replaces the file atomically, so a failed
// save never destroys the old file.
#include "xml/XmlDocument.h"
#include "xml/XmlText.h"

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "util/FileHandle.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace nook {
inline namespace NOOK_XML_BUILD {

namespace {

std::string ByteCount(size_t bytes) { return std::to_string(bytes) + " bytes"; }

// The full build shows the runtime's error text up to its first line break.
std::string ErrorText(std::string text) {
#ifndef NOOK_XML_REDUCED
    const size_t lineBreak = text.find_first_of("\r\n");
    if (lineBreak != std::string::npos) text.erase(lineBreak);
#endif
    return text;
}

#ifndef NOOK_XML_REDUCED
bool IsUtf8Declared(std::string_view encoding) {
    return encoding.empty() || (encoding.size() >= 5 && xml::CompareNoCase(encoding.data(), "UTF-8", 5) == 0);
}
#endif

} // namespace

bool CXmlDocument::ReadFileText(const std::string& path, std::string& text, std::string* message) {
    const CFileHandle file(platform::OpenFile(path, "rb"));
    if (!file) {
        if (message) *message = std::strerror(errno);
        return false;
    }
    std::string bytes;
    bool ok = std::fseek(file.Get(), 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(file.Get()) : -1;
    ok = size >= 0 && std::fseek(file.Get(), 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(static_cast<size_t>(size));
        ok = std::fread(bytes.data(), 1, bytes.size(), file.Get()) == bytes.size();
    }
    const int error = errno;
    if (!ok) {
        if (message) *message = std::strerror(error ? error : EIO);
        return false;
    }
    text.swap(bytes);
    if (message) *message = ByteCount(text.size());
    return true;
}

bool CXmlDocument::WriteFileText(const std::string& path, std::string_view text, std::string* message) {
    std::string error;
    if (!platform::WriteFileAtomically(path, text, &error)) {
        if (message) *message = error;
        return false;
    }
    if (message) *message = ByteCount(text.size());
    return true;
}

bool CXmlDocument::LoadFile(const std::string& path) {
    std::string bytes, message;
    if (!ReadFileText(path, bytes, &message)) {
        message_ = ErrorText(message);
        return false;
    }
#ifndef NOOK_XML_REDUCED
    bool lost = false;
    if (IsUtf8Declared(GetDeclaredEncoding(bytes))) bytes = Utf8ToAnsi(bytes, &lost);
    if (lost) message += " (chars lost in conversion!)";
#endif
    text_.swap(bytes);
    message_ = message;
    return ParseDocument();
}

bool CXmlDocument::SaveFile(const std::string& path) {
    std::string message;
    bool ok;
#ifndef NOOK_XML_REDUCED
    if (!text_.empty() && IsUtf8Declared(GetDeclaredEncoding(text_)))
        ok = WriteFileText(path, AnsiToUtf8(text_), &message);
    else
#endif
        ok = WriteFileText(path, text_, &message);
    message_ = ok ? message : ErrorText(message);
    return ok;
}

std::string CXmlDocument::GetDeclaredEncoding(std::string_view text) {
    const size_t open = xml::FindMarkup(text, '<', 0);
    if (open + 1 >= text.size() || text[open + 1] != '?') return {};
    const size_t close = text.find("?>", open + 2);
    if (close == std::string_view::npos) return {};
    CXmlDocument declaration(text.substr(open, close + 2 - open));
    if (declaration.FindNode() == 0) return {};
    return declaration.GetAttribute("encoding");
}

std::string CXmlDocument::Utf8ToAnsi(std::string_view text, bool* lost) {
    if (lost) *lost = false;
    if (text.empty()) return {};
    return platform::Utf8ToAnsi(text, lost);
}

std::string CXmlDocument::AnsiToUtf8(std::string_view text) {
    if (text.empty()) return {};
    return platform::AnsiToUtf8(text);
}

} // namespace NOOK_XML_BUILD
} // namespace nook
