#include "tests/xml/XmlTestBuild.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace nook {
namespace {

struct NameCase {
    std::string element;
    std::string asked;
    bool found;
};

std::ostream& operator<<(std::ostream& out, const NameCase& c) { return out << c.element << " / " << c.asked; }

class XML_SUITE(ElementName) : public testing::TestWithParam<NameCase> {};

TEST_P(XML_SUITE(ElementName), MatchesTheAskedName) {
    CXmlDocument doc("<" + GetParam().element + "/>");
    EXPECT_EQ(doc.FindElement(GetParam().asked), GetParam().found);
}

XML_INSTANTIATE(Names, XML_SUITE(ElementName),
                         testing::Values(NameCase{"Blog", "Blog", true}, NameCase{"Blog", "", true},
                                         NameCase{"Blog", "blog", false}, NameCase{"Blog", "Blo", false},
                                         NameCase{"Blog", "BlogList", false}, NameCase{"Blog", "Blog x", true},
                                         NameCase{"Blog", "Blog[1]", true}, NameCase{"Blog", "Blog/x", true},
                                         NameCase{"Blog", "Blog.x", false}, NameCase{"\xC4\xE3", "\xC4\xE3", true},
                                         NameCase{"a=b", "a", true}));

TEST(XML_SUITE(Navigation), AFailedFindLeavesThePositionAlone) {
    CXmlDocument doc("<r><a/><b/><c/></r>");
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.IntoElement());
    EXPECT_TRUE(doc.FindElement("a"));
    EXPECT_FALSE(doc.FindElement("x"));
    EXPECT_TRUE(doc.FindElement("b"));
    EXPECT_FALSE(doc.FindElement("a")); // only siblings after b
    EXPECT_TRUE(doc.FindElement("c"));
    EXPECT_EQ(doc.GetTagName(doc.GetPosition().main), "c");
}

TEST(XML_SUITE(Navigation), ChildrenAreFoundInOrderAndEntered) {
    CXmlDocument doc("<List><Blog id='1'/><Other/><Blog id='2'><Image src='p'/></Blog></List>");
    EXPECT_TRUE(doc.FindChildElement("Blog")); // moves main to the root first
    EXPECT_EQ(doc.GetTagName(doc.GetPosition().main), "List");
    EXPECT_EQ(doc.GetChildAttribute("id"), "1");
    EXPECT_TRUE(doc.FindChildElement("Blog"));
    EXPECT_EQ(doc.GetChildAttribute("id"), "2");
    EXPECT_FALSE(doc.FindChildElement("Blog"));
    EXPECT_EQ(doc.GetChildAttribute("id"), "2");
    ASSERT_TRUE(doc.IntoElement());
    EXPECT_EQ(doc.GetAttribute("id"), "2");
    EXPECT_TRUE(doc.FindChildElement("Image"));
    EXPECT_EQ(doc.GetChildAttribute("src"), "p");
}

TEST(XML_SUITE(Navigation), IntoAnElementWithoutChildSearchesItsChildrenFromTheFirst) {
    CXmlDocument doc("<r><a/><b/></r>");
    EXPECT_FALSE(doc.IntoElement()); // no main yet
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.IntoElement());
    EXPECT_EQ(doc.GetPosition().main, 0u);
    EXPECT_EQ(doc.GetAttribute("x"), "");
    EXPECT_TRUE(doc.FindElement("b"));
    doc.ResetPos();
    EXPECT_TRUE(doc.FindElement("r"));
}

TEST(XML_SUITE(Navigation), FindNodeVisitsTheNodesOfOneLevel) {
    const std::string text = "<r><a/>t<!--c--><?p x='1'?><![CDATA[d]]></x><b><i/></b></r>";
    CXmlDocument doc(text);
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.IntoElement());
    EXPECT_EQ(doc.FindNode(kNodeComment), kNodeComment);
    EXPECT_EQ(text.substr(static_cast<size_t>(doc.GetPosition().nodeOffset), static_cast<size_t>(doc.GetPosition().nodeLength)),
              "<!--c-->");
    EXPECT_EQ(doc.GetTagName(doc.GetPosition().main), "a"); // the last element passed
    EXPECT_EQ(doc.FindNode(kNodeProcessingInstruction), kNodeProcessingInstruction);
    EXPECT_EQ(doc.GetAttribute("x"), "1");
    EXPECT_EQ(doc.FindNode(), kNodeCData);
    EXPECT_EQ(doc.FindNode(), kNodeStrayEndTag);
    EXPECT_EQ(doc.FindNode(kNodeText), 0); // nothing more before r's end tag
    EXPECT_EQ(doc.GetPosition().nodeKind, kNodeStrayEndTag);
    EXPECT_EQ(doc.FindNode(kNodeElement), kNodeElement);
    EXPECT_EQ(doc.GetTagName(doc.GetPosition().main), "b");
    EXPECT_EQ(doc.FindNode(), 0);
}

TEST(XML_SUITE(Navigation), FindNodeSkipsWholeElementsAndReportsErrors) {
    CXmlDocument doc("<r><a><!--in--></a><1><!--out--></r>");
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.IntoElement());
    EXPECT_EQ(doc.FindNode(kNodeComment | kNodeError), kNodeError);
    EXPECT_EQ(doc.FindNode(kNodeComment), kNodeComment);
    EXPECT_EQ(doc.GetPosition().nodeOffset, 22);
}

struct EncodingCase {
    std::string text;
    std::string encoding;
};

std::ostream& operator<<(std::ostream& out, const EncodingCase& c) { return out << testing::PrintToString(c.text); }

class XML_SUITE(DeclaredEncoding) : public testing::TestWithParam<EncodingCase> {};

TEST_P(XML_SUITE(DeclaredEncoding), IsReadFromTheDeclaration) {
    EXPECT_EQ(CXmlDocument::GetDeclaredEncoding(GetParam().text), GetParam().encoding);
}

XML_INSTANTIATE(Declarations, XML_SUITE(DeclaredEncoding),
                         testing::Values(EncodingCase{"<?xml version=\"1.0\" encoding=\"GBK\"?><a/>", "GBK"},
                                         EncodingCase{"\r\n<?xml encoding='utf-8' ?>", "utf-8"},
                                         EncodingCase{"<?xml version=\"1.0\"?><a/>", ""}, EncodingCase{"<a/>", ""},
                                         EncodingCase{"<?xml encoding=\"GBK\"", ""}, EncodingCase{"", ""},
                                         EncodingCase{"<a/><?xml encoding=\"GBK\"?>", ""}));

} // namespace
} // namespace nook
