#include "common/translator/MovieDataPath.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct PathCase {
    const char* name;
    const char* library;
    const char* dataFile;
};

// Test names and failure messages show the case, not its bytes.
void PrintTo(const PathCase& c, std::ostream* out) {
    *out << c.name;
}

const PathCase kCases[] = {
    {"LibraryInTheCache", "C:\\NookSS\\Cache\\SS_Lullaby.dll", "C:\\NookSS\\Cache\\SS_Lullaby.SDAT"},
    {"NoDotAtAll", "C:\\NookSS\\Cache\\SS_Lullaby", "C:\\NookSS\\Cache\\SS_Lullaby.SDAT"},
    // The last "." of the whole path, even in a folder name: one level up.
    {"DotOnlyInAFolderName", "C:\\v1.5\\SS_Lullaby", "C:\\v1.SDAT"},
    {"DotsInFolderAndFileName", "C:\\a.b\\SS.Glass.dll", "C:\\a.b\\SS.Glass.SDAT"},
    {"ChineseFolderName", "C:\\\xB5\xE3\xB5\xC6\\SS_Torch", "C:\\\xB5\xE3\xB5\xC6\\SS_Torch.SDAT"},
};

class MovieDataPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(MovieDataPath, CutAtTheLastDotOfThePath) {
    EXPECT_EQ(nook::MovieDataPath(GetParam().library), GetParam().dataFile);
}

INSTANTIATE_TEST_SUITE_P(Libraries, MovieDataPath, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
