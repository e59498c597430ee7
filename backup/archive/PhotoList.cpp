#include "archive/PhotoList.h"

#include "app/settings/DecimalText.h"
#include "archive/FlatXmlWriter.h"
#include "util/FileHandle.h"
#include "util/PathForm.h"
#include "xml/XmlDocument.h"

#include <algorithm>
#include <cstdio>

namespace nook {

namespace {

const char* StateName(PhotoState state) {
    switch (state) {
    case PhotoState::Stored: return "stored";
    case PhotoState::Gone: return "gone";
    case PhotoState::Pending: break;
    }
    return "pending";
}

PhotoState StateOf(const std::string& name) {
    if (name == "stored") return PhotoState::Stored;
    if (name == "gone") return PhotoState::Gone;
    return PhotoState::Pending;
}

std::string BlogsText(const std::vector<int32_t>& blogs) {
    std::string text;
    for (int32_t id : blogs) {
        if (!text.empty()) text += ' ';
        text += std::to_string(id);
    }
    return text;
}

std::vector<int32_t> BlogsOf(const std::string& text) {
    std::vector<int32_t> blogs;
    size_t from = 0;
    while (from < text.size()) {
        size_t blank = text.find(' ', from);
        if (blank == std::string::npos) blank = text.size();
        if (blank > from) blogs.push_back(DecimalValue(std::string_view(text).substr(from, blank - from)));
        from = blank + 1;
    }
    return blogs;
}

} // namespace

bool IsPhotoFileInPlace(const std::string& path) {
    const CFileHandle file(platform::OpenFile(path, "rb"));
    return file && std::fgetc(file.Get()) != EOF;
}

void CPhotoList::Clear() {
    entries_.clear();
    byUrl_.clear();
}

void CPhotoList::Load(const std::string& path) {
    Clear();
    CXmlDocument doc;
    if (!doc.LoadFile(path) || !doc.FindElement("PhotoList")) return;
    while (doc.FindChildElement("Photo")) {
        const std::string url = doc.GetChildAttribute("url");
        const std::string file = doc.GetChildAttribute("file");
        // A file outside the user folder (a list edited by hand, or made to harm) would
        // have a pass write, or the repair remove, a file anywhere; the photo is fetched
        // anew instead, into a file of its own.
        if (url.empty() || !StaysInsideFolder(file) || byUrl_.count(url)) continue;
        PhotoEntry& entry = Add(url, file, StateOf(doc.GetChildAttribute("state")));
        entry.blogs = BlogsOf(doc.GetChildAttribute("blogs"));
        entry.failedRuns = DecimalValue(doc.GetChildAttribute("failedruns"));
        entry.lastError = doc.GetChildAttribute("error");
        entry.missingDays = DecimalValue(doc.GetChildAttribute("missingdays"));
        entry.lastMissingDay = doc.GetChildAttribute("missingday");
    }
}

bool CPhotoList::Save(const std::string& path, platform::Durability durability) const {
    CFlatXmlWriter writer("PhotoList");
    for (const PhotoEntry& entry : entries_) {
        writer.Child("Photo");
        writer.Attribute("url", entry.url);
        writer.Attribute("file", entry.file);
        writer.Attribute("blogs", BlogsText(entry.blogs));
        writer.Attribute("state", StateName(entry.state));
        writer.Attribute("failedruns", entry.failedRuns);
        writer.Attribute("error", entry.lastError);
        writer.Attribute("missingdays", entry.missingDays);
        writer.Attribute("missingday", entry.lastMissingDay);
    }
    return SaveFlatXml(path, writer.Finish(), durability);
}

const PhotoEntry* CPhotoList::Find(const std::string& url) const {
    auto found = byUrl_.find(url);
    return found == byUrl_.end() ? nullptr : &entries_[found->second];
}

PhotoEntry* CPhotoList::Find(const std::string& url) {
    auto found = byUrl_.find(url);
    return found == byUrl_.end() ? nullptr : &entries_[found->second];
}

PhotoEntry& CPhotoList::Add(const std::string& url, const std::string& file, PhotoState state) {
    auto [slot, added] = byUrl_.emplace(url, entries_.size());
    if (!added) return entries_[slot->second];
    PhotoEntry entry;
    entry.url = url;
    entry.file = file;
    entry.state = state;
    entries_.push_back(std::move(entry));
    return entries_.back();
}

void CPhotoList::AddDiary(PhotoEntry& entry, int32_t blogId) {
    if (std::find(entry.blogs.begin(), entry.blogs.end(), blogId) == entry.blogs.end())
        entry.blogs.push_back(blogId);
}

bool CPhotoList::Repair(const std::string& userFolder) {
    bool changed = false;
    for (PhotoEntry& entry : entries_) {
        if (entry.state == PhotoState::Gone) continue;
        // A pass ended in the middle of a photo leaves its temporary file behind.
        if (entry.state == PhotoState::Pending) platform::RemoveFile(userFolder + entry.file + ".Tmp");
        const bool inPlace = IsPhotoFileInPlace(userFolder + entry.file);
        const PhotoState state = inPlace ? PhotoState::Stored : PhotoState::Pending;
        if (state != entry.state) {
            entry.state = state;
            changed = true;
        }
    }
    return changed;
}

void CPhotoList::RecordOutcome(const std::string& url, const PhotoOutcome& outcome, const std::string& today) {
    auto found = byUrl_.find(url);
    if (found == byUrl_.end()) return;
    PhotoEntry& entry = entries_[found->second];
    if (outcome.result == PhotoResult::Stored) {
        entry.state = PhotoState::Stored;
        entry.failedRuns = 0;
        entry.lastError.clear();
        return;
    }
    entry.state = PhotoState::Pending;
    ++entry.failedRuns;
    entry.lastError = outcome.error;
    if (outcome.result == PhotoResult::Missing && entry.lastMissingDay != today) {
        ++entry.missingDays;
        entry.lastMissingDay = today;
    }
    if (entry.missingDays >= kMissingDaysUntilGone || entry.failedRuns >= kFailedRunsUntilGone)
        entry.state = PhotoState::Gone;
}

std::vector<DownloadItem> CPhotoList::PendingDownloads(const std::string& userFolder) const {
    std::vector<DownloadItem> items;
    for (const PhotoEntry& entry : entries_) {
        if (entry.state != PhotoState::Pending) continue;
        DownloadItem item;
        item.sequence = static_cast<int32_t>(items.size());
        item.url = entry.url;
        item.localPath = userFolder + entry.file;
        items.push_back(std::move(item));
    }
    return items;
}

size_t CPhotoList::Count(PhotoState state) const {
    return static_cast<size_t>(
        std::count_if(entries_.begin(), entries_.end(), [&](const PhotoEntry& e) { return e.state == state; }));
}

} // namespace nook
