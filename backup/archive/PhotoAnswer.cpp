#include "archive/PhotoAnswer.h"

#include <string>
#include <utility>

namespace nook {

namespace {

std::string_view Trimmed(std::string_view text) {
    const char* blanks = " \t";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return std::string_view();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lower[i]) return false;
    }
    return true;
}

// The media type alone: "Text/HTML; charset=gb2312" is HTML.
bool IsHtmlType(std::string_view contentType) {
    return EqualsIgnoringCase(Trimmed(contentType.substr(0, contentType.find(';'))), "text/html");
}

PhotoOutcome Failed(std::string error) {
    return {PhotoResult::Failed, std::move(error)};
}

} // namespace

PhotoOutcome JudgePhotoAnswer(int status, std::string_view contentType, std::string_view firstBytes,
                              int64_t bodyBytes, int64_t contentLength) {
    if (status <= 0) return Failed("connection failed");
    if (status == 404 || status == 410) return {PhotoResult::Missing, "HTTP " + std::to_string(status)};
    if (status < 200 || status > 299) return Failed("HTTP " + std::to_string(status));
    // No photo format starts with "<"; pages served with a wrong type do.
    if (IsHtmlType(contentType) || (!firstBytes.empty() && firstBytes.front() == '<'))
        return Failed("HTML page");
    if (contentLength >= 0 && bodyBytes < contentLength) return Failed("cut short");
    if (bodyBytes <= 0) return Failed("empty");
    return {PhotoResult::Stored, std::string()};
}

} // namespace nook
