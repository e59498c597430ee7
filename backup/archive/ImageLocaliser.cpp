#include "archive/ImageLocaliser.h"

#include "archive/TextReplace.h"
#include "platform/Uuid.h"
#include "util/MbcsText.h"
#include "xml/XmlDocument.h"

namespace nook {

namespace {

bool IsWebAddress(const std::string& url) {
    std::string lower = AsciiLower(url.substr(0, 8));
    return lower.compare(0, 7, "http://") == 0 || lower.compare(0, 8, "https://") == 0;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsPlainExtension(const std::string& extension) {
    if (extension.size() < 2) return false;
    for (size_t i = 1; i < extension.size(); ++i) {
        char c = extension[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// The name part of "Images\<name>".
std::string FileName(const std::string& file) {
    const size_t slash = file.find_last_of("\\/");
    return slash == std::string::npos ? file : file.substr(slash + 1);
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

void CImageLocaliser::LocaliseImages(std::string& text, int32_t blogId, const std::vector<std::string>& earlierFiles) {
    // Scan an unchanged copy (and its lower-case twin, same positions) while the text
    // itself is rewritten.
    const std::string original = text;
    const std::string lower = AsciiLower(original);
    size_t found = 0;
    size_t from = 0;
    for (;;) {
        size_t match = FindText(lower, "src=\"", from);
        if (match == std::string::npos) return;
        // Only an attribute: "src=" in text or inside another value (alt="src=") is no
        // address, and taking its quote would hide the real address after it.
        if (match == 0 || !IsBlank(original[match - 1])) {
            from = match + 1;
            continue;
        }
        size_t start = match + 5;
        size_t quote = FindChar(original, '"', start);
        if (quote == std::string::npos) {
            from = match + 1;
            continue;
        }
        from = quote + 1;
        const std::string written = original.substr(start, quote - start);
        // What a browser would fetch: "&amp;" in the page's source is "&" on the wire.
        const std::string url = CXmlDocument::DecodeEntities(written);
        if (url.empty() || !IsWebAddress(url)) continue;
        const size_t position = found++;
        PhotoEntry* entry = photos_.Find(url);
        if (!entry) {
            const bool reuse = position < earlierFiles.size() && !earlierFiles[position].empty();
            const std::string name = reuse ? earlierFiles[position] : platform::NewUuidText() + PhotoExtension(url);
            entry = &photos_.Add(url, "Images\\" + name, reuse ? PhotoState::Stored : PhotoState::Pending);
        }
        if (blogId != kShownByPost) CPhotoList::AddDiary(*entry, blogId);
        ReplaceAll(text, written, kPagePhotoFolder + FileName(entry->file));
    }
}

} // namespace nook
