// Everything the archive has received for one diary: its record and every comment ever
// received for it. The service sends a diary again when it is updated, and a comment
// only once, often without its diary; the page is rendered from this record, so nothing
// an earlier answer brought is lost. A record may hold comments before its diary arrives.
//
// One small XML file per diary in the user folder's "Records", named by the diary id,
// written straight from the record in the bytes the document class would save (UTF-8 on
// disk) as a deferred atomic replace: it reaches the disk with the pages, before the
// marks advance.
#pragma once

#include "service/BackupRecords.h"

#include <string>
#include <vector>

namespace nook {

struct DiaryRecord {
    bool hasBlog = false; // false while only comments have arrived
    BlogEntry blog;
    std::vector<CommentEntry> comments; // in the order first received
};

// A later copy of a comment (same id) replaces the earlier one where it stands; a new
// one goes at the end.
void MergeComment(DiaryRecord& record, const CommentEntry& comment);

// False, with `record` emptied, when the file is missing or holds no record.
bool LoadDiaryRecord(const std::string& path, DiaryRecord& record);
// Creates the folder when needed.
bool SaveDiaryRecord(const std::string& path, const DiaryRecord& record);

} // namespace nook
