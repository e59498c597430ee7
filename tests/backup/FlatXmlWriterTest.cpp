#include "archive/FlatXmlWriter.h"

#include "tests/backup/IndexFilesByDocument.h"
#include "tests/support/TestPaths.h"
#include "archive/IndexFiles.h"
#include "xml/ElementIndex.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using nook::test::ReadAll;
using nook::test::ReferenceElement;

struct TrickyValue {
    const char* what;
    std::string value;
};

const TrickyValue kTrickyValues[] = {
    {"empty", ""},
    {"quotes and apostrophes", "say \"hi\" and 'bye'"},
    {"markup characters", "a & b < c > d"},
    {"references written out", "&amp; &lt; &#13;&#10; &#x4e2d; &nbsp; &"},
    {"tab, CR and LF", "a\tb\rc\nd\r\ne"},
    {"code page 936 text",
     "\xb1\xa6\xb1\xa6\xb5\xda\xd2\xbb\xb4\xce\xbd\xd0\xc2\xe8\xc2\xe8"}, // 宝宝第一次叫妈妈
    {"trail bytes 0x5C and 0x7C", "\x81\x5c\x81\x7c\xd5\x5c|\\ \x95\x7c"},
    {"markup as trail bytes", "\x81\"\x81<\x81&\x81'\x81>x"},
    {"bytes that are no code page 936", "\x80 \xff \x81\x7f \xa1\x20"},
    {"lead byte at the end", "title\x81"},
    {"lead byte before NUL", std::string("a\x81\0b", 4)},
    {"control characters", "\x01\x02\x1f\x7f"},
};

// Both ways into files of their own; the bytes on the disk must be the same.
template <typename SaveDirect, typename SaveReference>
void ExpectSameFile(const std::string& what, SaveDirect saveDirect, SaveReference saveReference) {
    const std::string dir = nook::test::ScratchDir();
    ASSERT_TRUE(saveDirect(dir + "direct.xml")) << what;
    ASSERT_TRUE(saveReference(dir + "reference.xml")) << what;
    const std::string direct = ReadAll(dir + "direct.xml");
    EXPECT_FALSE(direct.empty()) << what;
    EXPECT_EQ(direct, ReadAll(dir + "reference.xml")) << what;
}

void ExpectSameIndexFiles(const std::string& what, const nook::BlogIndex& blogs,
                          const nook::TwitterIndex& posts, int count) {
    ExpectSameFile(
        what + " (BlogList)", [&](const std::string& path) { return nook::SaveBlogIndex(path, blogs); },
        [&](const std::string& path) { return nook::test::SaveBlogIndexByDocument(path, blogs); });
    ExpectSameFile(
        what + " (TwitterList)",
        [&](const std::string& path) { return nook::SaveTwitterIndex(path, posts, count); },
        [&](const std::string& path) { return nook::test::SaveTwitterIndexByDocument(path, posts, count); });
}

TEST(IndexFiles, WrittenDirectlyAsTheDocumentClassWritesThemWhateverTheValues) {
    for (const TrickyValue& tricky : kTrickyValues) {
        nook::BlogIndex blogs;
        blogs[3] = {3, "before", "2008-05-03 09:07:02", false};
        blogs[7] = {7, tricky.value, tricky.value, true};
        blogs[9] = {9, "after " + tricky.value, "2008-06-10 18:00:00", false};
        nook::TwitterIndex posts;
        posts[30] = {30, tricky.value, tricky.value};
        posts[31] = {31, "<p>" + tricky.value + "</p>", "2008-05-20 10:00:00"};
        ExpectSameIndexFiles(tricky.what, blogs, posts, 2);
    }
}

TEST(IndexFiles, WrittenDirectlyAsTheDocumentClassWritesThemWhateverTheNumbers) {
    const struct {
        const char* what;
        std::vector<int32_t> ids;
        int count;
    } cases[] = {
        {"no entries", {}, 0},
        {"one entry", {1}, 1},
        {"negative and zero ids", {-7, -1, 0}, 3},
        {"the extremes", {INT32_MIN, INT32_MAX}, INT_MAX},
        {"a count below zero", {5}, -5},
    };
    for (const auto& c : cases) {
        nook::BlogIndex blogs;
        nook::TwitterIndex posts;
        for (int32_t id : c.ids) {
            blogs[id] = {id, "t" + std::to_string(id), "2009-01-01 00:00:00", id % 2 != 0};
            posts[id] = {id, "c" + std::to_string(id), "2009-01-01 00:00:00"};
        }
        ExpectSameIndexFiles(c.what, blogs, posts, c.count);
    }
}

// The document refuses an attribute that would make its start tag longer than the
// element index records; the attribute is then missing, and so it is when written
// directly.
TEST(IndexFiles, ValuesAroundTheLongestTagAreLeftOutAlike) {
    const size_t longest = nook::kStartTagMask;
    const struct {
        const char* what;
        std::string value;
    } cases[] = {
        {"fits with room", std::string(longest - 40, 'a')},
        {"fits exactly or nearly", std::string(longest - 23, 'a')},
        {"one byte over or nearly", std::string(longest - 22, 'a')},
        {"over by far", std::string(longest + 10, 'a')},
        {"over once encoded", std::string(longest / 5 + 1, '&')},
        {"two-byte characters", std::string(longest - 24, '\xb1')},
    };
    for (const auto& c : cases) {
        nook::BlogIndex blogs;
        blogs[1] = {1, c.value, "2008-05-03 09:07:02", true};
        blogs[2] = {2, "short", c.value, false};
        nook::TwitterIndex posts;
        posts[1] = {1, c.value, "2008-05-03 09:07:02"};
        posts[2] = {2, "short", c.value};
        ExpectSameIndexFiles(c.what, blogs, posts, 2);
    }
}

// The writer on its own, for every shape of document it can make.
TEST(FlatXmlWriter, GivesTheDocumentClassTextForEveryShape) {
    const struct {
        const char* what;
        ReferenceElement root;
        std::vector<ReferenceElement> children;
    } cases[] = {
        {"a bare root", {"R", {}}, {}},
        {"a root with attributes", {"Root", {{"a", "1"}, {"b", "x\"y"}}}, {}},
        {"children without attributes", {"Root", {}}, {{"C", {}}, {"C", {}}}},
        {"children of other names", {"Root", {{"Count", "2"}}}, {{"A", {{"x", "1"}}}, {"B", {{"y", "&"}}}}},
        {"an empty value", {"Root", {{"v", ""}}}, {{"C", {{"v", ""}}}}},
    };
    for (const auto& c : cases) {
        nook::CFlatXmlWriter writer(c.root.name);
        for (const auto& [name, value] : c.root.attributes)
            writer.Attribute(name, value);
        for (const ReferenceElement& child : c.children) {
            writer.Child(child.name);
            for (const auto& [name, value] : child.attributes)
                writer.Attribute(name, value);
        }
        std::string expected;
        ASSERT_TRUE(
            nook::test::SaveByDocument(nook::test::ScratchDir() + "r.xml", c.root, c.children, &expected));
        EXPECT_EQ(writer.Finish(), expected) << c.what;
    }
}

} // namespace
