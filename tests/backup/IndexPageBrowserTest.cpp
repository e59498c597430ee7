// The index page and its search as a user meets them: in Debian's chromium, headless, on
// the archives two backups of the stand-in service's demo family and one of its hostile
// family make, copied to another folder before they are opened. The answers come from
// the service's own answer writer (standin_answers.py) and go through the answer parser
// and StoreBackup as the program's do; no Wine, no server. Skipped without chromium.
#include "tests/backup/ArchiveTestSupport.h"
#include "tests/support/HeadlessBrowser.h"
#include "tests/support/TestPaths.h"
#include "app/settings/SettingsStore.h"
#include "archive/Archive.h"
#include "archive/ArchivePaths.h"
#include "archive/DiaryRecord.h"
#include "archive/IndexFiles.h"
#include "archive/PageLinks.h"
#include "archive/PlainText.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace nook {
namespace {

namespace fs = std::filesystem;
using test::NativePath;

// What the search script compares: Latin capitals as small letters.
std::u16string Folded(std::u16string text) {
    for (char16_t& c : text)
        if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 32;
    return text;
}

struct Searchable {
    std::string link; // relative to the user folder
    std::u16string title, text, comments;
    std::u16string Folded() const { return nook::Folded(title + u'\n' + text + u'\n' + comments); }
};

// One user's archive as the search sees it, read back from the moved folder.
struct MovedArchive {
    std::string userFolder; // the programs' form, trailing backslash
    std::vector<Searchable> items;
    BlogIndex blogs;
    TwitterIndex posts;

    std::string IndexUrl(const std::string& fragment = std::string()) const {
        return test::FileUrl(NativePath(userFolder) + "index.html") + fragment;
    }
    // The links of the items holding every word, sorted.
    std::vector<std::string> Holding(const std::vector<std::u16string>& words) const {
        std::vector<std::string> links;
        for (const Searchable& item : items) {
            const std::u16string text = item.Folded();
            if (std::all_of(words.begin(), words.end(), [&](const std::u16string& word) {
                    return text.find(nook::Folded(word)) != std::u16string::npos;
                }))
                links.push_back(item.link);
        }
        std::sort(links.begin(), links.end());
        return links;
    }
};

MovedArchive ReadMoved(const std::string& programDir, const std::string& user) {
    MovedArchive archive;
    const CArchivePaths paths(programDir, user);
    archive.userFolder = paths.UserFolder();
    LoadBlogIndex(paths.BlogListPath(), archive.blogs);
    LoadTwitterIndex(paths.TwitterListPath(), archive.posts);
    for (const auto& [id, entry] : archive.blogs) {
        DiaryRecord record;
        EXPECT_TRUE(LoadDiaryRecord(paths.DiaryRecordPath(id), record)) << id;
        Searchable diary{BlogPageLink(ArchiveMonthOf(entry.time), id), PlainTextOf(record.blog.title),
                         PlainTextOfHtml(record.blog.content), u""};
        for (const CommentEntry& comment : record.comments)
            diary.comments += PlainTextOfHtml(comment.content) + u'\n' + PlainTextOfHtml(comment.replyContent) + u'\n';
        archive.items.push_back(std::move(diary));
    }
    for (const auto& [id, post] : archive.posts)
        archive.items.push_back({MonthPageLink(ArchiveMonthOf(post.time)), u"", PlainTextOfHtml(post.content), u""});
    return archive;
}

// Both archives, stored once for the whole suite and moved away from where they were made.
struct BrowsedArchives {
    MovedArchive family;
    MovedArchive hostile;
    bool made = false;
};

BrowsedArchives* g_archives = nullptr;

bool Store(CArchive& archive, CSettingsStore& settings, const std::string& user, const std::string& answerFile) {
    settings.User().userName = user;
    const std::string answer = test::ReadAll(answerFile);
    return !answer.empty() && archive.StoreBackup(ParseBlogListAnswer(answer)).result == kBackupSuccess;
}

void MakeArchives(BrowsedArchives& archives) {
    const std::string scratch = test::ScratchDir();
    const std::string answers = scratch + "answers\\";
    const std::string command = "/usr/bin/python3 '" NOOK_STANDIN_ANSWERS "' '" + NativePath(answers) + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::string made = scratch + "made\\";
    fs::create_directories(NativePath(made));
    fs::copy(NativePath(test::DataDir() + test::kShippedTemplates), NativePath(made + "Templates"),
             fs::copy_options::recursive);
    {
        CSettingsStore settings(made);
        CArchive archive(made, settings, nullptr);
        ASSERT_TRUE(Store(archive, settings, "xiaoyu", answers + "xiaoyu-1.xml"));
        ASSERT_TRUE(Store(archive, settings, "xiaoyu", answers + "xiaoyu-2.xml"));
        ASSERT_TRUE(Store(archive, settings, "hostile", answers + "hostile.xml"));
    }
    // Moving an archive is copying its folders: nothing in them may name where they were.
    const std::string moved = scratch + "elsewhere\\moved here\\";
    fs::create_directories(NativePath(moved));
    for (const char* folder : {"Templates", "xiaoyu", "hostile"})
        fs::copy(NativePath(made + folder), NativePath(moved + folder), fs::copy_options::recursive);
    fs::remove_all(NativePath(made));

    archives.family = ReadMoved(moved, "xiaoyu");
    archives.hostile = ReadMoved(moved, "hostile");
    archives.made = archives.family.blogs.size() > 150 && archives.hostile.blogs.size() == 5;
}

class IndexPageInBrowser : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!test::BrowserAvailable()) return;
        g_archives = new BrowsedArchives;
        MakeArchives(*g_archives);
    }
    static void TearDownTestSuite() {
        delete g_archives;
        g_archives = nullptr;
    }
    void SetUp() override {
        if (!test::BrowserAvailable()) GTEST_SKIP() << "chromium is not installed";
        ASSERT_TRUE(g_archives && g_archives->made);
    }
};

std::string PercentEncoded(const std::string& utf8) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : utf8) {
        if (isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 15];
        }
    }
    return encoded;
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const size_t begin = text.find(from);
    if (begin == std::string::npos) return {};
    const size_t end = text.find(to, begin);
    return text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern, int group = 1) {
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        found.push_back((*it)[group]);
    return found;
}

std::string Utf8(const std::u16string& text) {
    return platform::Utf16ToUtf8(text);
}

struct SearchOutcome {
    std::vector<std::string> links; // sorted
    std::string results;            // the results element as the browser has it
};

SearchOutcome Search(const MovedArchive& archive, const std::vector<std::u16string>& words) {
    std::u16string query;
    for (const std::u16string& word : words)
        query += (query.empty() ? u"" : u" ") + word;
    const std::string dom = test::DumpDom(archive.IndexUrl("#q=" + PercentEncoded(Utf8(query))), 3000);
    SearchOutcome outcome;
    outcome.results = Between(dom, "<div id=\"results\"", "<div class=\"year-nav\">");
    outcome.links = Matches(outcome.results, std::regex("<a class=\"hit-link\" href=\"([^\"]*)\""));
    std::sort(outcome.links.begin(), outcome.links.end());
    return outcome;
}

// A word of `text` (4 characters from `at`) that `other` does not hold, or empty.
std::u16string WordNotIn(const std::u16string& text, const std::u16string& other) {
    for (size_t at = 0; at + 4 <= text.size(); ++at) {
        const std::u16string word = text.substr(at, 4);
        if (word.find(u' ') == std::u16string::npos && word.find(u'\n') == std::u16string::npos &&
            other.find(word) == std::u16string::npos)
            return word;
    }
    return {};
}

TEST_F(IndexPageInBrowser, EveryLinkOfTheIndexResolvesToAFileOfTheMovedArchive) {
    const MovedArchive& family = g_archives->family;
    const std::string dom = test::DumpDom(family.IndexUrl());
    ASSERT_NE(dom.find("class=\"archive-index\""), std::string::npos) << dom.substr(0, 2000);
    const std::vector<std::string> addresses = Matches(dom, std::regex("(href|src)=\"([^\"]*)\""), 2);
    size_t diaryLinks = 0;
    for (const std::string& address : addresses) {
        SCOPED_TRACE(address);
        if (address.rfind("#y", 0) == 0) {
            EXPECT_NE(dom.find("id=\"" + address.substr(1) + "\""), std::string::npos);
            continue;
        }
        EXPECT_TRUE(std::regex_match(address, std::regex("[-0-9A-Za-z_./]+"))) << "a plain relative address";
        EXPECT_TRUE(fs::is_regular_file(NativePath(family.userFolder) + address));
        diaryLinks += std::regex_match(address, std::regex("[0-9]+/[0-9]+/[0-9]+\\.html"));
    }
    EXPECT_EQ(diaryLinks, family.blogs.size());
    // The counts at the top, in the words of the archive's count text.
    const std::string counts = platform::AnsiToUtf8("\xb1\xbe\xb5\xd8\xb9\xb2\xd3\xd0") + // 本地共有
                               std::to_string(family.blogs.size());
    EXPECT_NE(dom.find(counts), std::string::npos);
}

TEST_F(IndexPageInBrowser, SearchesFindExactlyTheDiariesAndPostsHoldingEveryWord) {
    const MovedArchive& family = g_archives->family;
    // Words taken from the archive: the title of the newest diary, a piece of comment
    // that its own diary's title and text do not hold, a piece of the newest post.
    const std::u16string title = PlainTextOf(family.blogs.rbegin()->second.title);
    std::u16string commentWord, titleOfCommented;
    for (const Searchable& item : family.items) {
        commentWord = WordNotIn(item.comments, item.title + item.text);
        titleOfCommented = item.title.substr(0, 2);
        if (!commentWord.empty()) break;
    }
    ASSERT_FALSE(commentWord.empty());
    const std::u16string post = PlainTextOfHtml(family.posts.rbegin()->second.content);
    ASSERT_GE(post.size(), 6u);
    const std::u16string postWord = post.substr(2, 4);

    const struct {
        const char* what;
        std::vector<std::u16string> words;
        bool found;
    } cases[] = {
        {"a title", {title}, true},
        {"a word of a comment", {commentWord}, true},
        {"a word of a post", {postWord}, true},
        {"two words, both held", {commentWord, titleOfCommented}, true},
        {"a word nowhere", {u"\u6CA1\u6709\u8FD9\u4E2A\u8BCDzq"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::string> expected = family.Holding(c.words);
        ASSERT_EQ(expected.empty(), !c.found);
        const SearchOutcome found = Search(family, c.words);
        EXPECT_EQ(found.links, expected) << found.results.substr(0, 3000);
        EXPECT_EQ(found.results.find("<mark>") != std::string::npos, c.found) << "the words are marked";
    }
}

// Other people's markup in titles, texts and comments is text in the results, whatever it
// holds; Latin letters are found in either case.
TEST_F(IndexPageInBrowser, HostileMarkupIsFoundAsTextAndNothingOfItRuns) {
    const MovedArchive& hostile = g_archives->hostile;
    for (const std::u16string& word : {std::u16string(u"SCRIPT"), std::u16string(u"Evil.Example"),
                                       std::u16string(u"alert(1)")}) {
        SCOPED_TRACE(Utf8(word));
        const std::vector<std::string> expected = hostile.Holding({word});
        const SearchOutcome found = Search(hostile, {word});
        EXPECT_EQ(found.links, expected) << found.results;
        EXPECT_EQ(found.results.find("<script"), std::string::npos);
        EXPECT_EQ(found.results.find("<img"), std::string::npos);
        EXPECT_EQ(found.results.find("<iframe"), std::string::npos);
        EXPECT_FALSE(std::regex_search(found.results, std::regex("<[^>]*\\son[a-z]+\\s*="))) << "no handler";
    }
    // The title of diary 401, "去公园<script>x()</script>", shown as it is written.
    const SearchOutcome park = Search(hostile, {u"\u53BB\u516C\u56ED"});
    EXPECT_NE(park.results.find("</mark>&lt;script&gt;x()&lt;/script&gt;</span>"), std::string::npos) << park.results;
}

} // namespace
} // namespace nook
