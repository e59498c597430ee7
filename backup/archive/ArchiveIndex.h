// The in-memory indexes of a user's archive: every diary and mini-diary post backed up
// so far, by id, ascending.
#pragma once

#include "service/BackupRecords.h"

#include <cstdint>
#include <map>
#include <string>

namespace nook {

struct BlogIndexEntry {
    int32_t id = 0;
    std::string title;
    std::string time; // creation time as received
    bool editorChoice = false;
};

struct TwitterIndexEntry {
    int32_t id = 0;
    std::string content;
    std::string time; // creation time as received
};

// What the index keeps of a diary received.
inline BlogIndexEntry IndexEntryOf(const BlogEntry& blog) {
    return {blog.id, blog.title, blog.createTime, blog.isEditorChoice};
}

using BlogIndex = std::map<int32_t, BlogIndexEntry>;
using TwitterIndex = std::map<int32_t, TwitterIndexEntry>;

} // namespace nook
