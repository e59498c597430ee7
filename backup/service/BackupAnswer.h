// The service's two answers, parsed into records and a result code. The protocol client
// calls these from its completion notification on the transfer thread; they touch no
// shared state. A default-constructed answer is what a failed transfer reports: result
// 1, an all-zero summary and empty lists.
#pragma once

#include "service/BackupCodes.h"
#include "service/BackupRecords.h"

#include <string_view>
#include <vector>

namespace nook {

struct BlogSummaryAnswer {
    int result = kBackupFailed;
    BackupSummary summary; // all zero unless result is 0
};

struct BlogListAnswer {
    int result = kBackupFailed;
    BackupSummary summary; // all zero and the lists empty unless result is 0
    std::vector<BlogEntry> blogs;
    std::vector<CommentEntry> comments;
    std::vector<TwitterEntry> twitters;
};

// The summary answer, parsed as received (no character set conversion).
BlogSummaryAnswer ParseBlogSummaryAnswer(std::string_view text);

// The list answer, UTF-8 as received; converted to code page 936 before parsing.
// The lists are looked for in the order BlogList, CommentList, TwitterList, each after
// the one found before it, so a list placed before an earlier one is not found.
BlogListAnswer ParseBlogListAnswer(std::string_view utf8Text);

// A service time without its fractional seconds: cut at the first "." unless the text
// starts with one.
std::string CutAtFirstDot(std::string_view time);

} // namespace nook
