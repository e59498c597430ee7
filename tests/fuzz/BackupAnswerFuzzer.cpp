// libFuzzer target for the service's two answers: every input is parsed both as a
// summary answer and as a list answer (UTF-8, converted to code page 936 first). Beyond
// the sanitizers, an answer that is not a success must carry no records.
#include "service/BackupAnswer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "answer fuzz check failed: %s\n", what);
    std::abort();
}

bool IsZero(const nook::BackupSummary& summary) {
    return summary.newBlogCount == 0 && summary.updatedBlogCount == 0 && summary.newCommentCount == 0 &&
           summary.newTwitterCount == 0;
}

bool IsKnownResult(int result) {
    return result == nook::kBackupSuccess || result == nook::kBackupFailed || result == nook::kBackupRefused;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const nook::BlogSummaryAnswer summary = nook::ParseBlogSummaryAnswer(text);
    if (!IsKnownResult(summary.result)) Fail("summary answer: unknown result");
    if (summary.result != nook::kBackupSuccess && !IsZero(summary.summary)) Fail("summary answer: counts without success");

    const nook::BlogListAnswer list = nook::ParseBlogListAnswer(text);
    if (!IsKnownResult(list.result)) Fail("list answer: unknown result");
    if (list.result != nook::kBackupSuccess &&
        (!IsZero(list.summary) || !list.blogs.empty() || !list.comments.empty() || !list.twitters.empty()))
        Fail("list answer: records without success");
    return 0;
}
