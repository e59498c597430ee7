// Owns a C stream (fopen) and closes it when it goes.
#pragma once

#include "util/ScopedHandle.h"

#include <cstdio>

namespace nook {

struct FileTraits {
    using Handle = std::FILE*;
    static Handle None() { return nullptr; }
    static void Close(Handle file) { std::fclose(file); }
};
using CFileHandle = CScopedHandle<FileTraits>;

} // namespace nook
