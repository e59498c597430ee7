// A deterministic stand-in for the service's answer to the backup-list request, as
// the service sends it (UTF-8, CR LF lines, every value an attribute), for benchmarks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nook::bench {

struct BackupAnswerShape {
    int blogs = 5000;     // 13 attributes each, 2-8 KB of escaped HTML content
    int comments = 20000; // 9 attributes each
    int twitters = 10000; // 4 attributes each
};

// The same shape and seed always give the same bytes (about 30 MB by default).
std::string GenerateBackupAnswer(const BackupAnswerShape& shape = {}, uint64_t seed = 20080305);

// What a later backup of that archive receives, all of it at kFollowUpTime, in the last
// month the earlier answer has posts in: new diaries, diaries of the earlier answer sent
// again with new text (and their creation time), comments on other diaries of it, posts.
struct FollowUpShape {
    int newBlogs = 3;
    int updatedBlogs = 3;
    int comments = 3;
    int twitters = 3;
};
inline constexpr char kFollowUpTime[] = "2009-12-30 20:00:00.000";
// `earlier` is the answer of GenerateBackupAnswer(`shape`).
std::string GenerateFollowUpAnswer(std::string_view earlier, const BackupAnswerShape& shape = {},
                                   const FollowUpShape& followUp = {}, uint64_t seed = 20091230);

} // namespace nook::bench
