// Movie addresses: the view parameter, and the movie's file name as the stand-in stage
// shows it.
#include "core/MovieAddress.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

TEST(MovieAddress, ViewFollowsTheParent) {
    nook::MovieSettings settings{1, "D", "&M=V"};
    EXPECT_EQ(nook::ConfiguredMovieAddress("C:\\S\\Cache\\SS_Glass.SDAT", settings, {false, "C:\\S\\"}),
              "C:\\S\\Cache\\SS_Glass.SDAT?param=D&view=window&adv=C:\\S\\SSData.dat&M=V");
}

struct ReadCase {
    const char* name;
    const char* address;
    const char* fileName;
};

// Test names and failure messages show the case, not its bytes.
void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

const ReadCase kReadCases[] = {
    {"PluginMovie", "C:\\S\\Cache\\SS_Glass.SDAT?param=D&view=window&adv=C:\\S\\SSData.dat", "SS_Glass.SDAT"},
    {"PlaceholderWithoutParameters", "C:\\S\\empty.swf", "empty.swf"},
    // A folder name with a trail byte equal to "\" stays whole.
    {"TrailByteIsNoBackslash", "C:\\\xD5\x5C\\SS.SDAT?view=", "SS.SDAT"},
    {"NoMovieFile", "?param=x", ""},
};

class MovieAddressRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(MovieAddressRead, FileNameOfTheMovie) {
    EXPECT_EQ(nook::MovieFileName(GetParam().address), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(Addresses, MovieAddressRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
