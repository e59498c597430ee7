// The order the family's photos are shown in: the newest first, so that what was
// backed up last is seen at once, then all the others in an order that differs from one
// start to the next, so that old photos come up again.
#pragma once

#include "album/AlbumContent.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace nook {

inline constexpr size_t kNewestShownFirst = 50;

// `newestFirst` keeps its first kNewestShownFirst pictures in place and has the rest
// shuffled, the same way for the same `seed` on every system.
void ShuffleAfterNewest(std::vector<AlbumPicture>& newestFirst, uint32_t seed);

} // namespace nook
