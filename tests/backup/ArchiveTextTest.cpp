#include "archive/HtmlEscape.h"
#include "archive/ParseDate.h"
#include "archive/TextReplace.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseDate, ReadsTheDateBeforeTheFirstBlank) {
    struct Case {
        const char* text;
        bool ok;
        int year, month, day;
    } cases[] = {
        {"2008-05-03 09:07:02", true, 2008, 5, 3}, {"2008-5-3 x", true, 2008, 5, 3},
        {" 2008-05-03", false, -1, -1, -1}, // the date before the blank is empty
        {"+2008-05-03 a b", true, 2008, 5, 3},     {"2008-xx-03 t", true, 2008, 0, 3},
        {"2008-05-03-07 t", true, 2008, 5, 3},     {"2008-05-03", false, -1, -1, -1},
        {"2008-05 09:00", false, -1, -1, -1},      {"", false, -1, -1, -1},
    };
    for (const Case& c : cases) {
        int year = -1, month = -1, day = -1;
        EXPECT_EQ(nook::ParseDate(c.text, year, month, day), c.ok) << c.text;
        EXPECT_EQ(year, c.year) << c.text;
        EXPECT_EQ(month, c.month) << c.text;
        EXPECT_EQ(day, c.day) << c.text;
    }
}

TEST(ReplaceAll, EveryOccurrenceOnCharacterBoundariesOnly) {
    struct Case {
        const char* text;
        const char* needle;
        const char* value;
        const char* result;
    } cases[] = {
        {"{A}-{A}-{B}", "{A}", "x", "x-x-{B}"},
        {"{A}", "{A}", "{A}{A}", "{A}{A}"},     // the inserted text is not searched again
        {"\x81{A}{A}", "{A}", "x", "\x81{A}x"}, // "\x81{" is one character
        {"\xb1\xa6{A}", "{A}", "x", "\xb1\xa6x"},
        {"none", "{A}", "x", "none"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        nook::ReplaceAll(text, c.needle, c.value);
        EXPECT_EQ(text, c.result) << c.text;
    }
}

TEST(EscapeHtml, MarkupCharactersBecomeReferences) {
    EXPECT_EQ(nook::EscapeHtml("a<b>&\"c'\xb1\xa6"), "a&lt;b&gt;&amp;&quot;c&#39;\xb1\xa6");
    EXPECT_EQ(nook::EscapeHtml(""), "");
}

// The answer keeps characters code page 936 lacks as references; a title shows them.
TEST(EscapeHtml, ReferencesToCharactersTheCodePageLacksStand) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"\xb1\xa6&#128512;!", "\xb1\xa6&#128512;!"},
        {"&#x1F600;&#54620;", "&#x1F600;&#54620;"},
        {"&#65;&#23453;", "&amp;#65;&amp;#23453;"}, // A and 宝 are the code page's own
        {"&#128512", "&amp;#128512"},
        {"&#0;&#1114112;&lt;", "&amp;#0;&amp;#1114112;&amp;lt;"},
        {"&", "&amp;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nook::EscapeHtml(c.text), c.escaped) << c.text;
}

} // namespace
