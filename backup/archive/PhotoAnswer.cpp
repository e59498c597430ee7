#include "archive/PhotoAnswer.h"

#include "util/MbcsText.h"

#include <string>
#include <utility>

namespace nook {

namespace {

// The media type alone: "Text/HTML; charset=gb2312" is HTML.
bool IsHtmlType(std::string_view contentType) {
    return AsciiLower(Trim(contentType.substr(0, contentType.find(';')))) == "text/html";
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
