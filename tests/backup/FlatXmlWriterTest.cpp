#include "archive/FlatXmlWriter.h"

#include "tests/backup/IndexFilesByDocument.h"
#include "tests/backup/PhotoListByDocument.h"
#include "tests/support/TestPaths.h"
#include "archive/IndexFiles.h"
#include "archive/PhotoList.h"
#include "xml/ElementIndex.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace {

using nook::test::ReadAll;
using nook::test::ReferenceElement;

struct TrickyValue {
    const char* what;
    std::string value;
    bool text = true; // false: bytes that are no code page 936 text do not survive the file's UTF-8
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
    {"markup as trail bytes", "\x81\"\x81<\x81&\x81'\x81>x", false},
    {"bytes that are no code page 936", "\x80 \xff \x81\x7f \xa1\x20", false},
    {"lead byte at the end", "title\x81", false},
    {"lead byte before NUL", std::string("a\x81\0b", 4), false},
    {"control characters", "\x01\x02\x1f\x7f"},
};

// Both ways into files of their own; the bytes on the disk must be the same.
template <typename SaveDirect, typename SaveReference>
void ExpectSameFile(const std::string& what, SaveDirect saveDirect, SaveReference saveReference,
                    const std::string& directFile = "direct.xml") {
    const std::string dir = nook::test::ScratchDir();
    ASSERT_TRUE(saveDirect(dir + directFile)) << what;
    ASSERT_TRUE(saveReference(dir + "reference.xml")) << what;
    const std::string direct = ReadAll(dir + directFile);
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

// A start tag longer than the element index's field for it (a diary's text can run to
// megabytes) is kept beside the records: values around and over that length are written
// alike.
TEST(IndexFiles, ValuesAroundTheLongestRecordedTagAreWrittenAlike) {
    const size_t longest = nook::kLongStartTag;
    const struct {
        const char* what;
        std::string value;
    } cases[] = {
        {"fits with room", std::string(longest - 40, 'a')},
        {"at the field's end or nearly", std::string(longest - 23, 'a')},
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

using nook::CPhotoList;
using nook::PhotoEntry;
using nook::PhotoState;

// The photo list is saved at once after a repair and, at the end of a backup, deferred
// like the records, which makes its folder when there is none.
void ExpectPhotoListAsDocument(const std::string& what, const CPhotoList& list) {
    const struct {
        const char* what;
        platform::Durability durability;
        const char* file;
    } saves[] = {
        {" (at once)", platform::Durability::Immediate, "PhotoList.xml"},
        {" (deferred)", platform::Durability::Deferred, "Later\\PhotoList.xml"},
    };
    for (const auto& save : saves)
        ExpectSameFile(
            what + save.what, [&](const std::string& path) { return list.Save(path, save.durability); },
            [&](const std::string& path) { return nook::test::SavePhotoListByDocument(path, list); },
            save.file);
}

auto Fields(const PhotoEntry& entry) {
    return std::tie(entry.url, entry.file, entry.blogs, entry.state, entry.failedRuns, entry.lastError,
                    entry.missingDays, entry.lastMissingDay);
}

// What the list's file gives to a later run.
std::vector<PhotoEntry> ReadBack(const CPhotoList& list) {
    const std::string path = nook::test::ScratchDir() + "PhotoList.xml";
    EXPECT_TRUE(list.Save(path, platform::Durability::Deferred));
    CPhotoList loaded;
    loaded.Load(path);
    return loaded.Entries();
}

void ExpectReadBackAsSaved(const std::string& what, const CPhotoList& list) {
    const std::vector<PhotoEntry> loaded = ReadBack(list);
    ASSERT_EQ(loaded.size(), list.Entries().size()) << what;
    for (size_t i = 0; i < loaded.size(); ++i)
        EXPECT_EQ(Fields(loaded[i]), Fields(list.Entries()[i])) << what << ", photo " << i;
}

// A photo in each state: stored, pending after failed runs, gone; shown by several
// diaries or none.
CPhotoList EveryState(const std::string& value) {
    CPhotoList list;
    PhotoEntry& stored = list.Add("http://p/" + value + "?a=1&b=2", "Images\\{0A1B}.jpg", PhotoState::Stored);
    CPhotoList::AddDiary(stored, 3);
    PhotoEntry& pending =
        list.Add("http://p/pending/" + value, "Images\\" + value + ".png", PhotoState::Pending);
    for (int32_t id : {9, 7, 11})
        CPhotoList::AddDiary(pending, id);
    pending.failedRuns = 4;
    pending.lastError = "HTTP 404 " + value;
    pending.missingDays = 2;
    pending.lastMissingDay = value;
    PhotoEntry& gone = list.Add(value + "gone", "Images\\{2C3D}", PhotoState::Gone);
    gone.failedRuns = nook::kFailedRunsUntilGone;
    gone.lastError = value;
    return list;
}

TEST(PhotoListFile, WrittenDirectlyAsTheDocumentClassWroteItWhateverTheValues) {
    for (const TrickyValue& tricky : kTrickyValues) {
        const CPhotoList list = EveryState(tricky.value);
        ExpectPhotoListAsDocument(tricky.what, list);
        if (tricky.text) ExpectReadBackAsSaved(tricky.what, list);
    }
}

TEST(PhotoListFile, WrittenDirectlyAsTheDocumentClassWroteItWhateverTheNumbers) {
    const struct {
        const char* what;
        size_t photos;
        std::vector<int32_t> diaries;
        int32_t runs;
    } cases[] = {
        {"an empty list", 0, {}, 0},
        {"one photo of no diary", 1, {}, 0},
        {"negative and zero ids", 2, {-7, -1, 0}, -3},
        {"the extremes", 3, {INT32_MIN, INT32_MAX}, INT32_MAX},
        {"the lowest count", 1, {1, 2, 3, 4, 5, 6, 7, 8}, INT32_MIN},
    };
    for (const auto& c : cases) {
        CPhotoList list;
        for (size_t i = 0; i < c.photos; ++i) {
            PhotoEntry& entry = list.Add("http://p/" + std::to_string(i), "Images\\" + std::to_string(i),
                                         PhotoState::Pending);
            for (int32_t id : c.diaries)
                CPhotoList::AddDiary(entry, id);
            entry.failedRuns = c.runs;
            entry.missingDays = c.runs;
        }
        ExpectPhotoListAsDocument(c.what, list);
        ExpectReadBackAsSaved(c.what, list);
    }
}

// Errors of any length are kept, and read back as written.
TEST(PhotoListFile, LongErrorsAreKeptAlike) {
    const size_t longest = nook::kLongStartTag;
    const struct {
        const char* what;
        std::string error;
    } cases[] = {
        {"a long error", std::string(64 * 1024, 'e')},
        {"markup, over the longest recorded tag once encoded", std::string(longest - 200, '<')},
        {"an error near the longest recorded tag", std::string(longest - 150, 'e')},
        {"an error over by far", std::string(longest + 10, 'e')},
        {"two-byte characters", std::string(longest - 151, '\xb1')},
    };
    for (const auto& c : cases) {
        CPhotoList list = EveryState("x");
        PhotoEntry& entry = *list.Find("http://p/pending/x");
        entry.lastError = c.error;
        ExpectPhotoListAsDocument(c.what, list);
        const std::vector<PhotoEntry> loaded = ReadBack(list);
        ASSERT_EQ(loaded.size(), 3u) << c.what;
        // Not EXPECT_EQ: it would print megabytes.
        EXPECT_TRUE(loaded[1].lastError == c.error) << c.what;
        EXPECT_EQ(loaded[1].lastMissingDay, "x") << c.what;
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
