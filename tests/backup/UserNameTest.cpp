#include "app/settings/UserName.h"

#include <gtest/gtest.h>

namespace {

TEST(UserName, OnlySingleValidFileNamesAreUsable) {
    struct Case {
        std::string name;
        bool usable;
    } cases[] = {
        {"mimi", true},
        {"tom jerry", true},
        {"a&b#c%d", true},
        {"\xb1\xa6\xb1\xa6", true}, // 宝宝
        {"\xd5\x5c", true},         // a character whose trail byte is "\"
        {"\x81\x7c", true},         // trail byte "|"
        {"console", true},
        {"com10", true},
        {"", false},
        {".", false},
        {"..", false},
        {"..\\..\\x", false},
        {"a\\b", false},
        {"a/b", false},
        {"C:\\x", false},
        {"C:x", false},
        {"a*b", false},
        {"a?b", false},
        {"a\"b", false},
        {"<a>", false},
        {"CON", false},
        {"con.txt", false},
        {"aux ", false},
        {"Nul", false},
        {"COM3", false},
        {"LPT1.log", false},
        {"name.", false},
        {"name ", false},
        {"a\nb", false},
        {std::string("a\0b", 3), false},
        {"\xb1", false},     // lead byte without its trail byte
        {"\xb1\x20", false}, // not a character of the code page
        {"\x80", false},
        {std::string(252, 'a'), false},
        {std::string(251, 'a'), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nook::IsUsableUserName(c.name), c.usable) << c.name;
}

} // namespace
