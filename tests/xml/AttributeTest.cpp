#include "tests/xml/XmlIndexCheck.h"
#include "tests/xml/XmlTestBuild.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace nook {
namespace {

struct GetCase {
    std::string tag;
    std::string name;
    std::string value;
};

std::ostream& operator<<(std::ostream& out, const GetCase& c) { return out << c.tag << " " << c.name; }

class XML_SUITE(GetAttribute) : public testing::TestWithParam<GetCase> {};

TEST_P(XML_SUITE(GetAttribute), ReadsTheDecodedValue) {
    CXmlDocument doc("<r>" + GetParam().tag + "</r>");
    ASSERT_TRUE(doc.FindChildElement());
    EXPECT_EQ(doc.GetChildAttribute(GetParam().name), GetParam().value);
    ASSERT_TRUE(doc.IntoElement());
    EXPECT_EQ(doc.GetAttribute(GetParam().name), GetParam().value);
}

XML_INSTANTIATE(
    Tags, XML_SUITE(GetAttribute),
    testing::Values(GetCase{"<a x=\"1\" y='2' z=3 w/>", "x", "1"}, GetCase{"<a x=\"1\" y='2' z=3 w/>", "y", "2"},
                    GetCase{"<a x=\"1\" y='2' z=3 w/>", "z", "3"}, GetCase{"<a x=\"1\" y='2' z=3 w/>", "w", "w"},
                    GetCase{"<a x=\"1\" y='2' z=3 w/>", "q", ""}, GetCase{"<a x=\"1\"/>", "x y", "1"},
                    GetCase{"<a xy=\"1\"/>", "x", ""}, GetCase{"<a x = \"1\" />", "x", "1"},
                    GetCase{"<a x=\"1>2\"/>", "x", "1>2"}, GetCase{"<a x=\"\"/>", "x", ""},
                    GetCase{"<a x=\"&lt;&amp;&quot;&apos;&gt;\"/>", "x", "<&\"'>"},
                    GetCase{"<a x=\"\xC4\xE3\x81\"\"/>", "x", "\xC4\xE3\x81\""},
                    GetCase{"<a \xC4\xE3=\"1\"/>", "\xC4\xE3", "1"}, GetCase{"<a x=1/ y=2></a>", "x", "1/"},
                    GetCase{"<a x=1/ y=2></a>", "y", "2"}));

TEST(XML_SUITE(GetAttribute), NeedsAnElementOrAProcessingInstruction) {
    CXmlDocument doc("<?xml version=\"1.0\"?><!--c--><a x='1'/>");
    EXPECT_EQ(doc.GetAttribute("x"), "");
    EXPECT_EQ(doc.FindNode(kNodeProcessingInstruction), kNodeProcessingInstruction);
    EXPECT_EQ(doc.GetAttribute("version"), "1.0");
    EXPECT_EQ(doc.GetChildAttribute("version"), "");
    EXPECT_EQ(doc.FindNode(kNodeComment), kNodeComment);
    EXPECT_EQ(doc.GetAttribute("version"), "");
}

struct SetCase {
    std::string text;
    std::string name;
    std::string value;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const SetCase& c) { return out << c.text << " " << c.name; }

class XML_SUITE(SetAttribute) : public testing::TestWithParam<SetCase> {};

TEST_P(XML_SUITE(SetAttribute), WritesAQuotedEncodedValue) {
    CXmlDocument doc(GetParam().text);
    ASSERT_TRUE(doc.FindElement());
    ASSERT_TRUE(doc.SetAttribute(GetParam().name, GetParam().value));
    EXPECT_EQ(doc.GetDocText(), GetParam().expected);
    EXPECT_EQ(doc.GetAttribute(GetParam().name), GetParam().value);
    EXPECT_EQ(test::CompareWithFreshParse(doc, true), "");
}

XML_INSTANTIATE(
    Tags, XML_SUITE(SetAttribute),
    testing::Values(SetCase{"<a/>", "x", "1", "<a x=\"1\"/>"}, SetCase{"<a />", "x", "1", "<a x=\"1\" />"},
                    SetCase{"<a y='2'/>", "x", "1", "<a y='2' x=\"1\"/>"},
                    SetCase{"<a y=2 />", "x", "1", "<a y=2 x=\"1\" />"},
                    SetCase{"<a x=3></a>", "x", "1", "<a x=\"1\"></a>"},
                    SetCase{"<a x='3' y=\"4\"></a>", "x", "12", "<a x=\"12\" y=\"4\"></a>"},
                    SetCase{"<a w></a>", "w", "1", "<a w=\"1\"></a>"},
                    SetCase{"<a x=\"1\"/>", "x", "a&b<c\"d'e>", "<a x=\"a&amp;b&lt;c&quot;d&apos;e&gt;\"/>"},
                    SetCase{"<a>\r\n<b/>\r\n</a>", "x", "\xC4\xE3", "<a x=\"\xC4\xE3\">\r\n<b/>\r\n</a>"},
                    SetCase{"<a x=\"1\"/>", "x", "", "<a x=\"\"/>"}));

TEST(XML_SUITE(SetAttribute), ShiftsEverythingAfterTheTag) {
    CXmlDocument doc("<r>\r\n<a/>\r\n<b x='1'><c/></b>\r\n</r>\r\n");
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.SetAttribute("Count", 2));
    ASSERT_TRUE(doc.FindChildElement("a"));
    ASSERT_TRUE(doc.SetChildAttribute("Name", "\xC4\xE3\xBA\xC3"));
    ASSERT_TRUE(doc.FindChildElement("b"));
    ASSERT_TRUE(doc.SetChildAttribute("x", -5));
    EXPECT_EQ(doc.GetDocText(),
              "<r Count=\"2\">\r\n<a Name=\"\xC4\xE3\xBA\xC3\"/>\r\n<b x=\"-5\"><c/></b>\r\n</r>\r\n");
    EXPECT_EQ(test::CompareWithFreshParse(doc, true), "");
}

TEST(XML_SUITE(SetAttribute), OfTheDeclarationWhenItIsTheCurrentNode) {
    CXmlDocument doc("<?xml version=\"1.0\"?>\r\n<a/>");
    ASSERT_EQ(doc.FindNode(kNodeProcessingInstruction), kNodeProcessingInstruction);
    ASSERT_TRUE(doc.SetAttribute("encoding", "GBK"));
    EXPECT_EQ(doc.GetDocText(), "<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n<a/>");
    EXPECT_EQ(doc.GetPosition().nodeLength, 36);
    EXPECT_EQ(test::CompareWithFreshParse(doc, true), "");
}

struct RefusedCase {
    std::string text;
    std::string name;
};

std::ostream& operator<<(std::ostream& out, const RefusedCase& c) { return out << c.text << " " << c.name; }

class XML_SUITE(SetAttributeRefused) : public testing::TestWithParam<RefusedCase> {};

// An edit that would change how the tag reads, or a name that would not read back, is
// refused and changes nothing.
TEST_P(XML_SUITE(SetAttributeRefused), LeavesTheTextAlone) {
    CXmlDocument doc(GetParam().text);
    doc.FindElement();
    EXPECT_FALSE(doc.SetAttribute(GetParam().name, "v"));
    EXPECT_EQ(doc.GetDocText(), GetParam().text);
}

XML_INSTANTIATE(Tags, XML_SUITE(SetAttributeRefused),
                         testing::Values(RefusedCase{"<a b/></a>", "c"}, // would turn into an empty-element tag
                                         RefusedCase{"<a/>", ""}, RefusedCase{"<a/>", "x y"},
                                         RefusedCase{"<a/>", "x=y"}, RefusedCase{"<a/>", "x\""},
                                         RefusedCase{"<!-- only a comment -->", "x"},
                                         RefusedCase{"<a b=>", "x"}, // would become b's value
                                         // "=b=\"c" is one value, so the last quote stays open and
                                         // would take the new attribute in
                                         RefusedCase{"<a =b=\"c d=\">", "x"}));

#ifdef NOOK_XML_REDUCED
TEST(XML_SUITE(GetAttributeName), ListsTheAttributesInOrder) {
    CXmlDocument doc("<nookscreensaver><config data=\"1\" type='2' flag /></nookscreensaver>");
    ASSERT_TRUE(doc.FindElement("nookscreensaver"));
    ASSERT_TRUE(doc.IntoElement());
    ASSERT_TRUE(doc.FindElement("config"));
    EXPECT_EQ(doc.GetAttributeName(0), "data");
    EXPECT_EQ(doc.GetAttributeName(1), "type");
    EXPECT_EQ(doc.GetAttributeName(2), "flag");
    EXPECT_EQ(doc.GetAttributeName(3), "");
    EXPECT_EQ(doc.GetAttributeName(-1), "");
}
#endif

} // namespace
} // namespace nook
