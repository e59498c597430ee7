#include "tests/xml/XmlIndexCheck.h"
#include "tests/xml/XmlTestBuild.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace nook {
namespace {

TEST(XML_SUITE(AddElement), BuildsOneElementPerLine) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.AddElement("Config"));
    ASSERT_TRUE(doc.IntoElement());
    ASSERT_TRUE(doc.AddElement("LastUser"));
    ASSERT_TRUE(doc.SetAttribute("Name", "\xC4\xE3\xBA\xC3"));
    ASSERT_TRUE(doc.AddElement("Domain"));
    ASSERT_TRUE(doc.SetAttribute("Url", "example.invalid"));
    ASSERT_TRUE(doc.AddElement("Debug"));
    ASSERT_TRUE(doc.SetAttribute("Level", 2));
    EXPECT_EQ(doc.GetDocText(), "<Config>\r\n"
                                "<LastUser Name=\"\xC4\xE3\xBA\xC3\"/>\r\n"
                                "<Domain Url=\"example.invalid\"/>\r\n"
                                "<Debug Level=\"2\"/>\r\n"
                                "</Config>\r\n");
    EXPECT_EQ(test::CompareWithFreshParse(doc, true), "");
    CXmlDocument reread(doc.GetDocText());
    ASSERT_TRUE(reread.FindElement("Config"));
    ASSERT_TRUE(reread.IntoElement());
    ASSERT_TRUE(reread.FindElement("Domain"));
    EXPECT_EQ(reread.GetAttribute("Url"), "example.invalid");
}

TEST(XML_SUITE(AddElement), ChildrenGoAfterTheCurrentChild) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.AddElement("BlogList"));
    ASSERT_TRUE(doc.SetAttribute("Count", 2));
    for (int id : {7, 9}) {
        ASSERT_TRUE(doc.AddChildElement("Blog"));
        ASSERT_TRUE(doc.SetChildAttribute("id", id));
        ASSERT_TRUE(doc.SetChildAttribute("title", "a<b"));
    }
    EXPECT_EQ(doc.GetDocText(), "<BlogList Count=\"2\">\r\n"
                                "<Blog id=\"7\" title=\"a&lt;b\"/>\r\n"
                                "<Blog id=\"9\" title=\"a&lt;b\"/>\r\n"
                                "</BlogList>\r\n");
    EXPECT_EQ(test::CompareWithFreshParse(doc, true), "");
}

struct OpenUpCase {
    std::string text;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const OpenUpCase& c) { return out << c.text; }

class XML_SUITE(AddChildElement) : public testing::TestWithParam<OpenUpCase> {};

// An element without content is opened up around its first child, on lines of their own.
TEST_P(XML_SUITE(AddChildElement), OpensUpAnElementWithoutContent) {
    CXmlDocument doc(GetParam().text);
    const bool wellFormed = !(doc.GetIndex()[0].LevelAndFlags & kIllFormed);
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.IntoElement());
    ASSERT_TRUE(doc.FindElement("p"));
    ASSERT_TRUE(doc.AddChildElement("c"));
    EXPECT_EQ(doc.GetDocText(), GetParam().expected);
    EXPECT_EQ(doc.GetTagName(doc.GetPosition().child), "c");
    EXPECT_EQ(test::CompareWithFreshParse(doc, wellFormed), "");
    EXPECT_FALSE(doc.GetIndex()[doc.GetPosition().main].LevelAndFlags & kUnended);
}

XML_INSTANTIATE(
    Containers, XML_SUITE(AddChildElement),
    testing::Values(OpenUpCase{"<r><p/></r>", "<r><p>\r\n<c/>\r\n</p></r>"},
                    OpenUpCase{"<r><p x='1' /></r>", "<r><p x='1' >\r\n<c/>\r\n</p></r>"},
                    OpenUpCase{"<r><p></p></r>", "<r><p>\r\n<c/>\r\n</p></r>"},
                    OpenUpCase{"<r><p x=1/></r>", "<r><p x=1/>\r\n<c/>\r\n</p></r>"}, // was unended
                    OpenUpCase{"<r><p><q/></r>", "<r><p>\r\n<c/>\r\n</p><q/></r>"}));

TEST(XML_SUITE(AddChildElement), NeedsAMainElement) {
    CXmlDocument doc("<r/>");
    EXPECT_FALSE(doc.AddChildElement("c"));
    EXPECT_EQ(doc.GetDocText(), "<r/>");
}

TEST(XML_SUITE(AddElement), LandsAfterTheLineBreakOfTheElementBefore) {
    CXmlDocument doc("<r>\r\n  <a/>\r\n  <b/>\r\n</r>\r\n");
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.IntoElement());
    ASSERT_TRUE(doc.FindElement("a"));
    ASSERT_TRUE(doc.AddElement("n"));
    EXPECT_EQ(doc.GetDocText(), "<r>\r\n  <a/>\r\n  <n/>\r\n<b/>\r\n</r>\r\n");
    EXPECT_TRUE(doc.FindElement("b"));
    EXPECT_EQ(test::CompareWithFreshParse(doc, true), "");
}

TEST(XML_SUITE(AddElement), AfterTheCurrentNode) {
    CXmlDocument doc("<r><!--first--><a/></r>");
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.IntoElement());
    ASSERT_EQ(doc.FindNode(kNodeComment), kNodeComment);
    ASSERT_TRUE(doc.AddElement("n"));
    EXPECT_EQ(doc.GetDocText(), "<r><!--first--><n/>\r\n<a/></r>");
    EXPECT_EQ(test::CompareWithFreshParse(doc, true), "");
    doc.ResetPos();
    ASSERT_TRUE(doc.FindChildElement());
    EXPECT_EQ(doc.GetTagName(doc.GetPosition().child), "n");
}

struct RefusedCase {
    std::string text;
    std::string name;
};

std::ostream& operator<<(std::ostream& out, const RefusedCase& c) { return out << testing::PrintToString(c.text) << " " << c.name; }

class XML_SUITE(AddElementRefused) : public testing::TestWithParam<RefusedCase> {};

// A name that would not read as one empty element, or markup left open at the end of
// the text that would swallow it: nothing is written.
TEST_P(XML_SUITE(AddElementRefused), LeavesTheTextAlone) {
    CXmlDocument doc(GetParam().text);
    EXPECT_FALSE(doc.AddElement(GetParam().name));
    EXPECT_EQ(doc.GetDocText(), GetParam().text);
}

XML_INSTANTIATE(Texts, XML_SUITE(AddElementRefused),
                         testing::Values(RefusedCase{"", ""}, RefusedCase{"", "a b"}, RefusedCase{"", "1a"},
                                         RefusedCase{"", "a>"}, RefusedCase{"<a/><!-- open", "b"},
                                         RefusedCase{"<a/>\xC4", "b"}));

TEST(XML_SUITE(AddElement), ManyChildrenAcrossIndexBlocks) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.AddElement("List"));
    for (int i = 0; i < 70000; ++i) ASSERT_TRUE(doc.AddChildElement("i"));
    EXPECT_GT(doc.GetIndex().Capacity(), ElementIndex::kBlockSize);
    EXPECT_EQ(test::CompareWithFreshParse(doc, true), "");
}

} // namespace
} // namespace nook
