// How many comments the archive keeps for each diary, as the index page shows them:
// "CommentCounts.xml" in the user folder, so that a backup counts only the diaries it
// changed instead of reading every diary's record again. A missing or unreadable file is
// counted anew from the records.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace nook {

using CommentCounts = std::map<int32_t, int32_t>; // diary id, comments kept

// False, with `counts` emptied, when the file is missing or holds no counts.
bool LoadCommentCounts(const std::string& path, CommentCounts& counts);
// Written deferred, with the pages.
bool SaveCommentCounts(const std::string& path, const CommentCounts& counts);

} // namespace nook
