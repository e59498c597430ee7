// The platform layer's owner of a C stream. The layer sits below shared/util, whose
// CFileHandle the rest of the programs use, so it keeps this one of its own.
#pragma once

#include <cstdio>
#include <memory>

namespace platform {

struct StreamCloser {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using OwnedStream = std::unique_ptr<std::FILE, StreamCloser>;

} // namespace platform
