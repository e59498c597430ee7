#include "tests/xml/XmlTestBuild.h"
#include "xml/XmlDocument.h"

#ifndef NOOK_XML_REDUCED
#include "xml/EntityTable.h"
#endif

#include <gtest/gtest.h>

#include <string>

namespace nook {
namespace {

struct EncodeCase {
    std::string text;
    std::string attribute;
    std::string content;
};

std::ostream& operator<<(std::ostream& out, const EncodeCase& c) { return out << testing::PrintToString(c.text); }

class XML_SUITE(EncodeEntities) : public testing::TestWithParam<EncodeCase> {};

TEST_P(XML_SUITE(EncodeEntities), WritesReferencesForMarkupCharacters) {
    EXPECT_EQ(CXmlDocument::EncodeEntities(GetParam().text, true), GetParam().attribute);
    EXPECT_EQ(CXmlDocument::EncodeEntities(GetParam().text, false), GetParam().content);
}

XML_INSTANTIATE(Texts, XML_SUITE(EncodeEntities),
                         testing::Values(EncodeCase{"a<b&c>d", "a&lt;b&amp;c&gt;d", "a&lt;b&amp;c&gt;d"},
                                         EncodeCase{"'\"", "&apos;&quot;", "'\""}, EncodeCase{"", "", ""},
                                         // two-byte characters whole, whatever their trail byte
                                         EncodeCase{"\xC4\xE3\x81<\x81\"", "\xC4\xE3\x81<\x81\"", "\xC4\xE3\x81<\x81\""},
                                         // a lead byte cut off at the end would swallow the closing quote
                                         EncodeCase{"x\xC4", "x", "x"}));

TEST(XML_SUITE(EncodeCData), ClosesAndReopensAroundTheEndMarker) {
    EXPECT_EQ(CXmlDocument::EncodeCData("a]]>b"), "<![CDATA[a]]]]><![CDATA[>b]]>");
    EXPECT_EQ(CXmlDocument::EncodeCData("x"), "<![CDATA[x]]>");
    EXPECT_EQ(CXmlDocument::EncodeCData("\x81]]>"), "<![CDATA[\x81]]>]]>"); // "\x81]" is one character
}

struct DecodeCase {
    std::string text;
    std::string full;
    std::string reduced;
};

std::ostream& operator<<(std::ostream& out, const DecodeCase& c) { return out << testing::PrintToString(c.text); }

class XML_SUITE(DecodeEntities) : public testing::TestWithParam<DecodeCase> {};

TEST_P(XML_SUITE(DecodeEntities), ReplacesKnownReferences) {
    EXPECT_EQ(CXmlDocument::DecodeEntities(GetParam().text), kReducedBuild ? GetParam().reduced : GetParam().full);
}

const std::string kCapitalAlpha = "\xA6\xA1"; // U+0391 in code page 936

XML_INSTANTIATE(
    References, XML_SUITE(DecodeEntities),
    testing::Values(DecodeCase{"&lt;&amp;&gt;&apos;&quot;", "<&>'\"", "<&>'\""},
                    DecodeCase{"a&amp;amp;b", "a&amp;b", "a&amp;b"},
                    DecodeCase{"&#65;&#x42;", "AB", "AB"}, DecodeCase{"&#X42;", "B", "&#X42;"},
                    DecodeCase{"&#x4E2D;&#20013;", "\xD6\xD0\xD6\xD0", "\xD6\xD0\xD6\xD0"},
                    DecodeCase{"&Alpha;", kCapitalAlpha, "&Alpha;"},
                    DecodeCase{"&alpha;", kCapitalAlpha, "&alpha;"}, // the capital form is found first
                    DecodeCase{"&mdash;", "\xA1\xAA", "&mdash;"}, DecodeCase{"&LT;", "<", "&LT;"},
                    DecodeCase{"&#0;", "&#0;", "&#0;"}, DecodeCase{"&nosuch;", "&nosuch;", "&nosuch;"},
                    DecodeCase{"&amp", "&amp", "&amp"}, DecodeCase{"&#65", "&#65", "&#65"},
                    DecodeCase{"&;", "&;", "&;"}, DecodeCase{"&thetasym", "&thetasym", "&thetasym"},
                    DecodeCase{"&#123456789;", "&#123456789;", "&#123456789;"},
                    // beyond 16 bits: never the character its low bits name (U+4E00)
                    DecodeCase{"&#x24E00;&#151040;&#128512;", "&#x24E00;&#151040;&#128512;",
                               "&#x24E00;&#151040;&#128512;"},
                    DecodeCase{"&#0065;", "A", "A"}, DecodeCase{"&#x;", "&#x;", "&#x;"},
                    DecodeCase{"&\xC4\xE3;", "&\xC4\xE3;", "&\xC4\xE3;"},
                    DecodeCase{"\x81&lt;", "\x81&lt;", "\x81&lt;"}, // "&" as a trail byte
                    DecodeCase{"\xC4\xE3&gt;", "\xC4\xE3>", "\xC4\xE3>"}));

#ifndef NOOK_XML_REDUCED
TEST(XML_SUITE(EntityTable), HoldsTheHtmlNamesIn130Buckets) {
    int entries = 0, empty = 0;
    ASSERT_EQ(xml::EntityBucketCount(), 130);
    for (int b = 0; b < xml::EntityBucketCount(); ++b) {
        entries += xml::EntityCount(b);
        empty += xml::EntityCount(b) == 0;
    }
    EXPECT_EQ(entries, 253);
    EXPECT_EQ(empty, 37);
    EXPECT_EQ(xml::LookUpEntity("apos"), 39);
    EXPECT_EQ(xml::LookUpEntity("dagger"), 8225); // Dagger, not dagger (8224)
    EXPECT_EQ(xml::LookUpEntity("prime"), 8243);  // Prime, not prime (8242)
    EXPECT_EQ(xml::LookUpEntity("darr"), 8659);   // dArr, not darr (8595)
    EXPECT_EQ(xml::LookUpEntity("thetasym"), 977);
    EXPECT_EQ(xml::LookUpEntity("nbsp"), 160);
    EXPECT_EQ(xml::LookUpEntity("nosuch"), 0);
}
#endif

} // namespace
} // namespace nook
