#include "album/ShowOrder.h"

#include <random>
#include <utility>

namespace nook {

namespace {

// Uniform in [0, bound). The standard library's distributions and std::shuffle may
// differ between runtimes; this does not.
uint32_t DrawBelow(std::mt19937& random, uint32_t bound) {
    const uint64_t range = uint64_t(1) << 32;
    const uint64_t limit = range - range % bound;
    uint64_t value;
    do
        value = random();
    while (value >= limit);
    return uint32_t(value % bound);
}

} // namespace

void ShuffleAfterNewest(std::vector<AlbumPicture>& newestFirst, uint32_t seed) {
    if (newestFirst.size() <= kNewestShownFirst + 1) return;
    std::mt19937 random(seed);
    // Fisher-Yates over the tail.
    for (size_t i = newestFirst.size() - 1; i > kNewestShownFirst; --i) {
        const size_t j = kNewestShownFirst + DrawBelow(random, uint32_t(i - kNewestShownFirst + 1));
        std::swap(newestFirst[i], newestFirst[j]);
    }
}

} // namespace nook
