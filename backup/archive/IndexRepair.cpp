#include "archive/IndexRepair.h"

#include "archive/DiaryRecord.h"
#include "platform/FolderFiles.h"

#include <cstdint>
#include <vector>

namespace nook {

namespace {

// The diary id a record file is named by ("<id>.xml"), or 0.
int32_t RecordId(const std::string& name) {
    constexpr size_t kExtension = 4;
    if (name.size() <= kExtension || name.compare(name.size() - kExtension, kExtension, ".xml") != 0 ||
        name.size() - kExtension > 10)
        return 0;
    int64_t id = 0;
    for (size_t i = 0; i + kExtension < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        id = id * 10 + (name[i] - '0');
    }
    return id > 0 && id <= INT32_MAX ? static_cast<int32_t>(id) : 0;
}

} // namespace

size_t AddDiariesOnlyRecordsHold(const CArchivePaths& paths, BlogIndex& blogs) {
    std::vector<platform::FolderFile> files;
    if (!platform::ListFolderFiles(paths.RecordsFolder(), files)) return 0;
    size_t added = 0;
    for (const platform::FolderFile& file : files) {
        const int32_t id = RecordId(file.name);
        if (id == 0 || blogs.count(id)) continue;
        DiaryRecord record;
        // A record of comments alone waits for its diary, as the index does.
        if (!LoadDiaryRecord(paths.DiaryRecordPath(id), record) || !record.hasBlog || record.blog.id != id) continue;
        blogs[id] = IndexEntryOf(record.blog);
        ++added;
    }
    return added;
}

BackupMarks MarksTheIndexesHold(const BackupMarks& marks, const BlogIndex& blogs, const TwitterIndex& posts) {
    BackupMarks held = marks;
    // Comments are kept in the diaries' records: those went with the diary.
    if (held.lastBlogId != 0 && !blogs.count(held.lastBlogId)) held.lastBlogId = held.lastCommentId = 0;
    if (held.lastTwitterId != 0 && !posts.count(held.lastTwitterId)) held.lastTwitterId = 0;
    return held;
}

} // namespace nook
