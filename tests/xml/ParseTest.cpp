#include "tests/xml/XmlIndexCheck.h"
#include "tests/xml/XmlTestBuild.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace nook {
namespace {

struct ParseCase {
    std::string text;
    bool wellFormed;
    std::string message;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) { return out << testing::PrintToString(c.text); }

class XML_SUITE(Parse) : public testing::TestWithParam<ParseCase> {};

TEST_P(XML_SUITE(Parse), ReportsWellFormednessAndTheFirstError) {
    CXmlDocument doc;
    EXPECT_EQ(doc.SetDocText(GetParam().text), GetParam().wellFormed);
    EXPECT_EQ(doc.GetMessageText(), GetParam().message);
    EXPECT_EQ(test::CheckLinks(doc), "");
}

const std::string kLongName(60, 'n');

XML_INSTANTIATE(
    Documents, XML_SUITE(Parse),
    testing::Values(
        ParseCase{"<a><b x='1'/><c></c></a>", true, ""},
        ParseCase{"<?xml version=\"1.0\"?>\r\n<!-- c -->\r\n<a/>\r\n", true, ""},
        ParseCase{"", false, "Empty document"}, ParseCase{"<!-- c -->", false, "No root element"},
        ParseCase{" \r\n", false, "No root element"}, ParseCase{"<1>", false, "No root element"},
        ParseCase{"<a/><b/>", false, "Root element has sibling"},
        ParseCase{"<1><a/><b/>", false, "Root element has sibling"},
        ParseCase{"<a><1></a>", false, "Incorrect tag name character at offset 3"},
        ParseCase{"<a><!-- x --><!x></a>", false, "Incorrect ! tag at offset 13"},
        ParseCase{"</x><a/>", false, "No start tag for end tag 'x' at offset 0"},
        ParseCase{"<a></a></a>", false, "No start tag for end tag 'a' at offset 7"},
        ParseCase{"<a><b></a>", false, "End tag 'a' at offset 7 does not match start tag 'b' at offset 3"},
        ParseCase{"<a>", false, "Element 'a' at offset 0 not ended"},
        ParseCase{"<a x=1/>", false, "Element 'a' at offset 0 not ended"},
        // the lead byte takes the "<" of the end tag as its trail byte
        ParseCase{"<a>\x81</a>", false, "Element 'a' at offset 0 not ended"},
        ParseCase{"<a><b/><c>", false, "Root element has sibling"}, // a's children follow it
        ParseCase{"<a><b x='1'/><b></a>", false, "End tag 'a' at offset 17 does not match start tag 'b' at offset 13"},
        // the full build cuts names in messages at 50 bytes
        ParseCase{"<a></" + kLongName + "></a>", false,
                  "No start tag for end tag '" + (kReducedBuild ? kLongName : kLongName.substr(0, 50)) + "' at offset 3"}));

uint32_t Flags(const CXmlDocument& doc, uint32_t record) { return doc.GetIndex()[record].LevelAndFlags; }

TEST(XML_SUITE(Parse), ChildrenOfAnUnendedElementFollowItAsSiblings) {
    CXmlDocument doc("<a><b><c/><d/></a>");
    const ElementIndex& index = doc.GetIndex();
    ASSERT_EQ(index.Count(), 5u); // a b c d
    EXPECT_EQ(index[0].FirstChild, 1u);
    EXPECT_EQ(index[0].ElementLength, 18);
    EXPECT_TRUE(Flags(doc, 0) & kIllFormed);
    EXPECT_EQ(index[1].ElementLength, 18);
    EXPECT_EQ(index[1].EndTagLength(), 4u);
    EXPECT_EQ(index[1].FirstChild, 2u);
    EXPECT_EQ(index[2].ElementLength, 3);
    EXPECT_EQ(index[2].EndTagLength(), 0u);
    EXPECT_TRUE(Flags(doc, 2) & kUnended);
    EXPECT_EQ(index[2].FirstChild, 0u);
    EXPECT_EQ(index[2].NextSibling, 3u);
    EXPECT_EQ(index[2].PrevSibling, 4u); // the first child points at the last
    EXPECT_EQ(index[3].Parent, 1u);
    EXPECT_FALSE(Flags(doc, 3) & kFirstSibling);
    EXPECT_EQ(index[3].PrevSibling, 2u);
    EXPECT_EQ(index[4].Parent, 1u);
    EXPECT_EQ(index[4].NextSibling, 0u);
    EXPECT_EQ(doc.GetMessageText(), "End tag 'a' at offset 15 does not match start tag 'b' at offset 3");
    EXPECT_EQ(test::CheckLinks(doc), "");
}

TEST(XML_SUITE(Parse), EveryElementOpenAtTheEndIsUnended) {
    CXmlDocument doc("<a><b><c>");
    const ElementIndex& index = doc.GetIndex();
    ASSERT_EQ(index.Count(), 4u);
    for (uint32_t r = 1; r <= 3; ++r) {
        EXPECT_TRUE(Flags(doc, r) & kUnended) << r;
        EXPECT_EQ(index[r].Parent, 0u) << r;
        EXPECT_EQ(index[r].ElementLength, 3) << r;
    }
    EXPECT_EQ(index[1].NextSibling, 2u);
    EXPECT_EQ(index[2].NextSibling, 3u);
    EXPECT_EQ(index[1].PrevSibling, 3u);
    EXPECT_EQ(test::CheckLinks(doc), "");
}

TEST(XML_SUITE(Parse), AnErrorInsideAnUnendedElementIsChargedToItsParent) {
    CXmlDocument doc("<a><b><1></a>");
    EXPECT_TRUE(Flags(doc, 1) & kContainsError);
    EXPECT_FALSE(Flags(doc, 2) & kContainsError);
    EXPECT_TRUE(Flags(doc, 2) & kUnended);
    EXPECT_EQ(doc.GetMessageText(), "Incorrect tag name character at offset 6");
}

TEST(XML_SUITE(Parse), AnElementAfterAStrayEndTagIsStillTheRoot) {
    CXmlDocument doc;
    EXPECT_FALSE(doc.SetDocText("</x><a/>"));
    EXPECT_EQ(doc.GetIndex()[0].FirstChild, 1u);
    EXPECT_TRUE(doc.FindElement("a"));
}

TEST(XML_SUITE(Parse), DepthsAndFirstSiblingsFollowTheNesting) {
    CXmlDocument doc("<a><b><c/></b><d/></a>");
    EXPECT_EQ(Flags(doc, 1), kFirstSibling | 0u);
    EXPECT_EQ(Flags(doc, 2), kFirstSibling | 1u);
    EXPECT_EQ(Flags(doc, 3), kFirstSibling | 2u);
    EXPECT_EQ(Flags(doc, 4), 1u);
    EXPECT_EQ(doc.GetIndex()[2].TagLengths, 3u | 4u << 22);
}

} // namespace
} // namespace nook
