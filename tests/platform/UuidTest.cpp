#include "platform/Uuid.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

TEST(Uuid, TextHas36CharactersWithDashesAndDiffersEachTime) {
    std::string a = platform::NewUuidText();
    ASSERT_EQ(a.size(), 36u);
    for (size_t i = 0; i < a.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23)
            EXPECT_EQ(a[i], '-');
        else
            EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(a[i]))) << a;
    }
    EXPECT_NE(a, platform::NewUuidText());
}

} // namespace
