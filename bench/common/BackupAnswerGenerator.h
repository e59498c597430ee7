// A deterministic stand-in for the service's answer to the backup-list request, as
// the service sends it (UTF-8, CR LF lines, every value an attribute), for benchmarks.
#pragma once

#include <cstdint>
#include <string>

namespace nook::bench {

struct BackupAnswerShape {
    int blogs = 5000;     // 13 attributes each, 2-8 KB of escaped HTML content
    int comments = 20000; // 9 attributes each
    int twitters = 10000; // 4 attributes each
};

// The same shape and seed always give the same bytes (about 30 MB by default).
std::string GenerateBackupAnswer(const BackupAnswerShape& shape = {}, uint64_t seed = 20080305);

} // namespace nook::bench
