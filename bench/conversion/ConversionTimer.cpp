// Times the conversions of the benchmarks' generated backup answer between UTF-8 and code
// page 936 through the platform layer: run under Wine, this measures the system's own
// conversion, which the Windows build keeps.
#include "bench/common/BackupAnswerGenerator.h"

#include "platform/CodePage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

template <typename Convert>
double BestMegabytesPerSecond(const std::string& input, Convert convert) {
    double best = 0;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const std::string output = convert(input);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (output.empty())
            return 0;
        best = std::max(best, static_cast<double>(input.size()) / 1e6 / took.count());
    }
    return best;
}

} // namespace

int main() {
    const std::string utf8 = nook::bench::GenerateBackupAnswer();
    const std::string ansi = platform::Utf8ToAnsi(utf8);
    std::printf("answer: %.1f MB UTF-8, %.1f MB code page 936\n", utf8.size() / 1e6, ansi.size() / 1e6);
    std::printf("Utf8ToAnsi: %.0f MB/s\n",
                BestMegabytesPerSecond(utf8, [](const std::string& text) { return platform::Utf8ToAnsi(text); }));
    std::printf("AnsiToUtf8: %.0f MB/s\n",
                BestMegabytesPerSecond(ansi, [](const std::string& text) { return platform::AnsiToUtf8(text); }));
    return 0;
}
