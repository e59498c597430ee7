#include "tests/xml/XmlTestBuild.h"
#include "xml/XmlDocument.h"
#include "xml/XmlTokenizer.h"

#include <gtest/gtest.h>

#include <string>

namespace nook {
namespace {

struct TokenCase {
    std::string text;
    int kind;
    size_t length;
    bool empty = false;
    std::string nameOrMessage = "";
};

std::ostream& operator<<(std::ostream& out, const TokenCase& c) { return out << testing::PrintToString(c.text); }

class XML_SUITE(ReadToken) : public testing::TestWithParam<TokenCase> {};

TEST_P(XML_SUITE(ReadToken), ReadsOneNode) {
    const TokenCase& c = GetParam();
    xml::XmlScanner scanner(c.text);
    xml::XmlToken token;
    EXPECT_EQ(xml::ReadToken(scanner, token), c.kind);
    EXPECT_EQ(token.length, c.length);
    EXPECT_EQ(scanner.Next(), c.length);
    EXPECT_EQ(token.emptyElement, c.empty);
    if (c.kind == kNodeBadToken) {
        EXPECT_EQ(token.message, c.nameOrMessage);
    } else if (c.kind == kNodeEndTag) {
        EXPECT_EQ(scanner.EndTagName(), c.nameOrMessage);
    } else {
        EXPECT_EQ(token.name, c.nameOrMessage);
    }
}

XML_INSTANTIATE(
    Markup, XML_SUITE(ReadToken),
    testing::Values(
        TokenCase{"<a>", kNodeElement, 3, false, "a"}, TokenCase{"<a/>x", kNodeElement, 4, true, "a"},
        TokenCase{"<a />", kNodeElement, 5, true, "a"}, TokenCase{"<a x='1'/>", kNodeElement, 10, true, "a"},
        TokenCase{"<a x=\"1\"/>", kNodeElement, 10, true, "a"},
        // "/" right after an unquoted value belongs to the value
        TokenCase{"<a x=1/>", kNodeElement, 8, false, "a"}, TokenCase{"<a b/>", kNodeElement, 6, false, "a"},
        TokenCase{"<a x='>'>", kNodeElement, 9, false, "a"}, TokenCase{"<a x= \">\">", kNodeElement, 10, false, "a"},
        // a quote opens a value only after "="
        TokenCase{"<a 'x>'>", kNodeElement, 6, false, "a"}, TokenCase{"<a:b_c>", kNodeElement, 7, false, "a:b_c"},
        TokenCase{"</a >", kNodeEndTag, 5, false, "a"}, TokenCase{"</>", kNodeEndTag, 3, false, ""},
        TokenCase{"<?xml version=\"1.0\"?>", kNodeProcessingInstruction, 21, false, "xml"},
        TokenCase{"<?>", kNodeProcessingInstruction, 3}, TokenCase{"<!-- c -->", kNodeComment, 10},
        TokenCase{"<!-->", kNodeComment, 5}, TokenCase{"<!-- a > b -->x", kNodeComment, 14},
        TokenCase{"<![CDATA[x]]>", kNodeCData, 13}, TokenCase{"<![CDATA[a]]b>]]>", kNodeCData, 17},
        TokenCase{"<!DOCTYPE r [<!ELEMENT r ANY><!-- > --><?p ?>]>x", kNodeDocType, 47, false, "p"},
        TokenCase{"<!ENTITY x \"a>b\">", kNodeDocType, 17}, TokenCase{"<!ATTLIST r a CDATA 'x>'>", kNodeDocType, 25},
        TokenCase{"abc>def", kNodeText, 4}, TokenCase{"abc<", kNodeText, 3}, TokenCase{"abc", kNodeText, 3},
        TokenCase{" \r\n\t<", kNodeWhitespace, 4}, TokenCase{"  x <", kNodeText, 4}, TokenCase{" ", kNodeWhitespace, 1},
        // a trail byte that equals markup is part of its two-byte character
        TokenCase{"<a \x81>x>", kNodeElement, 7, false, "a"}, TokenCase{"<a x=\"\x81\"\">", kNodeElement, 10, false, "a"},
        TokenCase{"<a\x81/>", kNodeElement, 5, false, "a\x81/"}, TokenCase{"<![CDATA[\x81]]>]]>", kNodeCData, 16},
        TokenCase{"x\x81<y<", kNodeText, 4}, TokenCase{"x\x81", kNodeText, 2},
        TokenCase{"<1>", kNodeBadToken, 3, false, "Incorrect tag name character at offset 0"},
        TokenCase{"<1<a>", kNodeBadToken, 2, false, "Incorrect tag name character at offset 0"},
        TokenCase{"<!x>", kNodeBadToken, 4, false, "Incorrect ! tag at offset 0"},
        TokenCase{"<!-x>", kNodeBadToken, 5, false, "Incorrect comment tag at offset 0"},
        TokenCase{"<![x>", kNodeBadToken, 5, false, "Incorrect tag at offset 0"},
        // inside a document type the error shows only when a "<" ends the token
        TokenCase{"<!DOCTYPE r [<!DOCTYPE>]>", kNodeDocType, 25},
        TokenCase{"<!DOCTYPE r [<!x <a>]>", kNodeBadToken, 17, false, "Incorrect ! tag at offset 0"},
        TokenCase{"<a", kNodeBadToken, 2, false, "Element tag at offset 0 unterminated"},
        TokenCase{"<a x='>", kNodeBadToken, 7, false, "Element tag at offset 0 unterminated"},
        TokenCase{"</a", kNodeBadToken, 3, false, "Element end tag at offset 0 unterminated"},
        TokenCase{"<!-- x -", kNodeBadToken, 8, false, "Comment at offset 0 unterminated"},
        TokenCase{"<![CDATA[ x", kNodeBadToken, 11, false, "CDATA Section at offset 0 unterminated"},
        TokenCase{"<?pi", kNodeBadToken, 4, false, "Processing instruction at offset 0 unterminated"},
        TokenCase{"<!DOCTYPE x [", kNodeBadToken, 13, false, "Doctype at offset 0 unterminated"},
        TokenCase{"<!ENTITY x", kNodeBadToken, 10, false, "Doctype at offset 0 unterminated"},
        TokenCase{"<", kNodeBadToken, 1, false, "tag at offset 0 unterminated"},
        TokenCase{"<1", kNodeBadToken, 2, false, "tag at offset 0 unterminated"},
        TokenCase{"<a\x81", kNodeBadToken, 3, false, "Element tag at offset 0 unterminated"}));

TEST(XML_SUITE(ReadToken), WalksTheNodesOfADocument) {
    const std::string text = "<a x=\"1\">t<!--c--></a >";
    xml::XmlScanner scanner(text);
    xml::XmlToken token;
    EXPECT_EQ(xml::ReadToken(scanner, token), kNodeElement);
    EXPECT_EQ(xml::ReadToken(scanner, token), kNodeText);
    EXPECT_EQ(xml::ReadToken(scanner, token), kNodeComment);
    EXPECT_EQ(xml::ReadToken(scanner, token), kNodeEndTag);
    EXPECT_EQ(token.start, 18u);
    EXPECT_EQ(scanner.EndTagName(), "a");
    EXPECT_EQ(xml::ReadToken(scanner, token), kNodeEndOfText);
    EXPECT_EQ(token.length, 0u);
}

TEST(XML_SUITE(ReadToken), MessagesGiveTheOffsetOfTheToken) {
    const std::string text = "<a/><1>";
    xml::XmlScanner scanner(text, 4);
    xml::XmlToken token;
    EXPECT_EQ(xml::ReadToken(scanner, token), kNodeBadToken);
    EXPECT_EQ(token.message, "Incorrect tag name character at offset 4");
}

} // namespace
} // namespace nook
