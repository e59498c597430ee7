#include "tests/support/TestPaths.h"
#include "platform/Files.h"
#include "tests/xml/XmlTestBuild.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace nook {
namespace {

using test::DataDir;
using test::ReadAll;
using test::ScratchDir;

const std::string kHelloAnsi = "\xC4\xE3\xBA\xC3"; // code page 936
const std::string kHelloUtf8 = "\xE4\xBD\xA0\xE5\xA5\xBD";

void WriteBytes(const std::string& path, const std::string& bytes) { ASSERT_TRUE(platform::WriteFileAtomically(path, bytes)); }

TEST(XML_SUITE(Files), AFileWithoutDeclarationRoundTrips) {
    const std::string original = ReadAll(DataDir() + "xml\\utf8-no-declaration.xml");
    CXmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(DataDir() + "xml\\utf8-no-declaration.xml"));
    EXPECT_EQ(doc.GetMessageText(), std::to_string(original.size()) + " bytes");
    ASSERT_TRUE(doc.FindElement("Config"));
    ASSERT_TRUE(doc.FindChildElement("LastUser"));
    // The full build keeps code page 936 in memory and UTF-8 on disk; the reduced
    // build keeps the bytes.
    EXPECT_EQ(doc.GetChildAttribute("Name"), kReducedBuild ? kHelloUtf8 : kHelloAnsi);

    const std::string saved = ScratchDir() + "config.xml";
    ASSERT_TRUE(doc.SaveFile(saved));
    EXPECT_EQ(doc.GetMessageText(), std::to_string(original.size()) + " bytes");
    EXPECT_EQ(ReadAll(saved), original);
}

TEST(XML_SUITE(Files), AnotherDeclaredEncodingIsKeptByteForByte) {
    const std::string path = DataDir() + "xml\\gbk-declared.xml";
    const std::string original = ReadAll(path);
    CXmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(path));
    EXPECT_EQ(doc.GetDocText(), original);
    ASSERT_TRUE(doc.FindElement("Blog"));
    EXPECT_EQ(doc.GetAttribute("title"), kHelloAnsi);
    const std::string saved = ScratchDir() + "gbk.xml";
    ASSERT_TRUE(doc.SaveFile(saved));
    EXPECT_EQ(ReadAll(saved), original);
}

TEST(XML_SUITE(Files), ADeclaredUtf8FileIsConvertedInTheFullBuild) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(DataDir() + "xml\\utf8-declared.xml"));
    ASSERT_TRUE(doc.FindElement("Blog"));
    EXPECT_EQ(doc.GetAttribute("title"), kReducedBuild ? "\xE4\xB8\xAD\xE6\x96\x87" : "\xD6\xD0\xCE\xC4");
}

TEST(XML_SUITE(Files), CharactersWithoutEquivalentAreReported) {
    const std::string path = DataDir() + "xml\\lost-chars.xml";
    const std::string size = std::to_string(ReadAll(path).size());
    CXmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(path));
    if (kReducedBuild) {
        EXPECT_EQ(doc.GetMessageText(), size + " bytes");
        EXPECT_EQ(doc.GetDocText(), ReadAll(path));
    } else {
        EXPECT_EQ(doc.GetMessageText(), size + " bytes (chars lost in conversion!)");
        ASSERT_TRUE(doc.FindElement("Blog"));
        EXPECT_EQ(doc.GetAttribute("title"), "?" + std::string("\xC4\xE3"));
    }
}

TEST(XML_SUITE(Files), TheFileMessageComesBeforeTheParseMessage) {
    const std::string path = ScratchDir() + "broken.xml";
    WriteBytes(path, "<a><b></a>");
    CXmlDocument doc;
    EXPECT_FALSE(doc.LoadFile(path));
    EXPECT_EQ(doc.GetMessageText(), "10 bytes, End tag 'a' at offset 7 does not match start tag 'b' at offset 3");
    WriteBytes(path, "");
    EXPECT_FALSE(doc.LoadFile(path));
    EXPECT_EQ(doc.GetMessageText(), "0 bytes, Empty document");
}

TEST(XML_SUITE(Files), AMissingFileLeavesTheDocumentAlone) {
    CXmlDocument doc("<a/>");
    EXPECT_FALSE(doc.LoadFile(ScratchDir() + "missing.xml"));
    EXPECT_EQ(doc.GetMessageText(), std::strerror(ENOENT));
    EXPECT_EQ(doc.GetDocText(), "<a/>");
    EXPECT_TRUE(doc.FindElement("a"));
}

TEST(XML_SUITE(Files), AnEmptyDocumentSavesAnEmptyFile) {
    const std::string path = ScratchDir() + "empty.xml";
    WriteBytes(path, "old");
    CXmlDocument doc;
    ASSERT_TRUE(doc.SaveFile(path));
    EXPECT_EQ(doc.GetMessageText(), "0 bytes");
    EXPECT_EQ(ReadAll(path), "");
}

// A save that cannot be written leaves the old file as it was: the bytes go to a
// temporary file first, and here a folder stands where that file would be.
TEST(XML_SUITE(Files), AFailedSaveKeepsTheOldFile) {
    const std::string dir = ScratchDir();
    const std::string path = dir + "settings.xml";
    WriteBytes(path, "<old/>");
    ASSERT_NE(platform::MakeDirectory(path + ".tmp~"), platform::MakeDirResult::Failed);
    CXmlDocument doc("<new/>");
    EXPECT_FALSE(doc.SaveFile(path));
    EXPECT_NE(doc.GetMessageText(), "");
    EXPECT_EQ(doc.GetMessageText().find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(ReadAll(path), "<old/>");
    EXPECT_EQ(doc.GetDocText(), "<new/>");

    EXPECT_FALSE(doc.SaveFile(dir + "no such folder\\settings.xml"));
    EXPECT_EQ(doc.GetMessageText(), std::strerror(ENOENT));
}

TEST(XML_SUITE(Files), TheWholeFileRoutinesKeepTheBytes) {
    const std::string path = ScratchDir() + "data.xml";
    const std::string bytes = "<a t=\"" + kHelloUtf8 + "\"/>";
    std::string message;
    ASSERT_TRUE(CXmlDocument::WriteFileText(path, bytes, &message));
    EXPECT_EQ(message, std::to_string(bytes.size()) + " bytes");
    std::string read;
    ASSERT_TRUE(CXmlDocument::ReadFileText(path, read, &message));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(CXmlDocument::ReadFileText(path + ".missing", read, &message));
    EXPECT_EQ(message, std::strerror(ENOENT));
    EXPECT_EQ(read, bytes);
}

struct ConversionCase {
    std::string utf8;
    std::string ansi;
    bool lost;
};

std::ostream& operator<<(std::ostream& out, const ConversionCase& c) { return out << testing::PrintToString(c.utf8); }

class XML_SUITE(Utf8ToAnsi) : public testing::TestWithParam<ConversionCase> {};

TEST_P(XML_SUITE(Utf8ToAnsi), ConvertsToCodePage936) {
    bool lost = !GetParam().lost;
    EXPECT_EQ(CXmlDocument::Utf8ToAnsi(GetParam().utf8, &lost), GetParam().ansi);
    EXPECT_EQ(lost, GetParam().lost);
    if (!GetParam().lost) {
        EXPECT_EQ(CXmlDocument::AnsiToUtf8(GetParam().ansi), GetParam().utf8);
    }
}

XML_INSTANTIATE(Texts, XML_SUITE(Utf8ToAnsi),
                         testing::Values(ConversionCase{"", "", false}, ConversionCase{"a<b>", "a<b>", false},
                                         ConversionCase{kHelloUtf8, kHelloAnsi, false},
                                         ConversionCase{"\xE0\xB8\x81" + kHelloUtf8, "?" + kHelloAnsi, true}));

} // namespace
} // namespace nook
