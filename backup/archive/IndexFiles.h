// BlogList.xml and TwitterList.xml: the archive's two index files, read through the XML
// document class and written straight as it would write them (UTF-8 on disk, no
// declaration, one element a line). Each save replaces its file atomically and puts it
// on the disk at once.
#pragma once

#include "archive/ArchiveIndex.h"

#include <string>

namespace nook {

// Replace `index` with the entries of the file; a missing or unreadable file gives an
// empty index, an ill-formed one the entries that can still be found. A later element
// with an id already read replaces the earlier entry.
void LoadBlogIndex(const std::string& path, BlogIndex& index);
void LoadTwitterIndex(const std::string& path, TwitterIndex& index);

// Write the whole index, ascending by id, replacing the file whole. "Count" of the
// mini-diary file is the number of posts of the backup that caused the write.
bool SaveBlogIndex(const std::string& path, const BlogIndex& index);
bool SaveTwitterIndex(const std::string& path, const TwitterIndex& index, int count);

} // namespace nook
