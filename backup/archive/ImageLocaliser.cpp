#include "archive/ImageLocaliser.h"

#include "archive/TextReplace.h"
#include "platform/Uuid.h"
#include "util/MbcsText.h"

namespace nook {

namespace {

bool IsWebAddress(const std::string& url) {
    std::string lower = AsciiLower(url.substr(0, 8));
    return lower.compare(0, 7, "http://") == 0 || lower.compare(0, 8, "https://") == 0;
}

bool IsPlainExtension(const std::string& extension) {
    if (extension.size() < 2) return false;
    for (size_t i = 1; i < extension.size(); ++i) {
        char c = extension[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

} // namespace

std::string PhotoExtension(const std::string& url) {
    size_t dot = ReverseFindChar(url, '.');
    if (dot == std::string::npos || dot == 0) return {};
    std::string extension = url.substr(dot);
    size_t query = FindChar(extension, '?');
    if (query != std::string::npos) extension.resize(query);
    return IsPlainExtension(extension) ? extension : std::string();
}

void CImageLocaliser::LocaliseImages(std::string& text, const std::string& imagesFolder) {
    // Scan an unchanged copy (and its lower-case twin, same positions) while the text
    // itself is rewritten.
    const std::string original = text;
    const std::string lower = AsciiLower(original);
    int32_t found = 0;
    size_t from = 0;
    for (;;) {
        size_t match = FindText(lower, "src=", from);
        if (match == std::string::npos) return;
        // The character after "src=" is taken as the opening quote, whatever it is.
        size_t start = match + 5;
        size_t quote = start < original.size() ? FindChar(original, '"', start) : std::string::npos;
        if (quote == std::string::npos) {
            from = match + 1;
            continue;
        }
        from = quote + 1;
        std::string url = original.substr(start, quote - start);
        if (url.empty() || !IsWebAddress(url)) continue;
        DownloadItem item;
        item.sequence = found++;
        item.localPath = imagesFolder + platform::NewUuidText() + PhotoExtension(url);
        item.url = std::move(url);
        ReplaceAll(text, item.url, item.localPath);
        downloads_.push_back(std::move(item));
    }
}

} // namespace nook
