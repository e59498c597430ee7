#include "core/SuiteProgram.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct SuiteCase {
    const char* name;
    const char* saver;
    const char* suite;
};

// Test names and failure messages show the case, not its bytes.
void PrintTo(const SuiteCase& c, std::ostream* out) {
    *out << c.name;
}

const SuiteCase kCases[] = {
    {"TwoFoldersUp", "C:\\A\\B\\saver.scr", "C:\\A\\Hearthtop.exe"},
    {"DriveRoot", "C:\\B\\saver.scr", "C:\\Hearthtop.exe"},
    {"NoParentFolder", "C:\\saver.scr", ""},
    {"NoFolder", "saver.scr", ""},
    // "\xD5\x5C" is one character whose second byte equals "\".
    {"TrailByteIsNoBackslash", "C:\\\xD5\x5C\\saver.scr", "C:\\Hearthtop.exe"},
};

class SuiteProgram : public ::testing::TestWithParam<SuiteCase> {};

TEST_P(SuiteProgram, OneFolderAboveTheSaver) {
    EXPECT_EQ(nook::SuiteProgramPath(GetParam().saver), GetParam().suite);
}

INSTANTIATE_TEST_SUITE_P(Paths, SuiteProgram, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
