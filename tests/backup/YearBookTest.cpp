#include "archive/YearBook.h"

#include "tests/backup/ArchiveTestSupport.h"
#include "tests/support/TestPaths.h"
#include "archive/BookPhotos.h"
#include "archive/BookSections.h"
#include "archive/BookSpool.h"
#include "archive/DiaryRecord.h"
#include "archive/ImageLocaliser.h"
#include "archive/PageNeighbours.h"
#include "archive/PageRenderer.h"
#include "archive/TemplateFill.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace {

using nook::test::DiaryEntry;
using nook::test::ReadAll;

nook::CommentEntry Said(int32_t id, int32_t blogId, const std::string& guest, const std::string& content) {
    nook::CommentEntry comment;
    comment.id = id;
    comment.blogId = blogId;
    comment.guestName = guest;
    comment.time = "2008-06-01 10:00:00";
    comment.content = content;
    return comment;
}

// The diaries' records on the disk, their index and posts; books of user "mimi" written
// through the plain test templates.
struct BookSetup {
    std::string dir = nook::test::ProgramFolderWithTemplates();
    nook::CArchivePaths paths{dir, "mimi"};
    nook::CPhotoList photos;
    nook::CImageLocaliser localiser{photos};
    nook::BlogIndex blogs;
    nook::TwitterIndex posts;

    void Keep(const nook::BlogEntry& blog, const std::vector<nook::CommentEntry>& comments = {}) {
        nook::DiaryRecord record;
        record.hasBlog = true;
        record.blog = blog;
        record.comments = comments;
        ASSERT_TRUE(nook::SaveDiaryRecord(paths.DiaryRecordPath(blog.id), record));
        blogs[blog.id] = {blog.id, blog.title, blog.createTime, false};
    }
    // Writes the book of `year` with a fresh renderer, as a backup that rendered no page.
    std::string Write(int year, bool reuse) {
        nook::CPageRenderer renderer(paths, localiser, nullptr);
        nook::CBookSpool spool(paths.UserFolder() + "BookSections.tmp");
        nook::CYearBookWriter writer(paths, renderer, spool);
        nook::YearPosts yearPosts;
        for (const auto& [id, post] : posts) {
            const nook::ArchiveMonth month = nook::ArchiveMonthOf(post.time);
            if (month.year == year) yearPosts[month.month].push_back(&post);
        }
        EXPECT_TRUE(writer.Write(year, nook::CDiaryOrder(blogs), yearPosts, reuse));
        return ReadAll(paths.YearBookPath(year));
    }
    std::string PhotoFile(size_t n) const { return photos.Entries().at(n).file.substr(7); }
};

TEST(YearBook, DiariesByDateInMonthChaptersThenPostsByMonth) {
    BookSetup setup;
    setup.Keep(DiaryEntry(12, "june", "2008-06-10 18:00:00", "<p>rain</p>"),
               {Said(101, 12, "grandma", "wet"), Said(102, 12, "uncle", "<b>dry</b>")});
    setup.Keep(DiaryEntry(30, "may, later", "2008-05-20 10:00:00", "<img src=\"http://p/a.jpg\">"));
    setup.Keep(DiaryEntry(11, "may", "2008-05-03 09:07:02", "first"));
    setup.Keep(DiaryEntry(40, "another year", "2009-01-01 08:00:00", "no"));
    setup.posts[7] = {7, "june post", "2008-06-02 08:00:00"};
    setup.posts[5] = {5, "<img src=\"http://p/b.png\">", "2008-05-21 08:00:00"};
    setup.posts[9] = {9, "next year", "2009-02-02 08:00:00"};

    const std::string book = setup.Write(2008, false);
    ASSERT_EQ(setup.photos.Entries().size(), 2u);
    EXPECT_EQ(book,
              "book 2008: 3 diaries, 2 comments, 2 posts, 2 photos\n"
              "== 5\n"
              "<!--nook:diary 11 0 0-->\n# may (2008-05-03 09:07:02) 0\nfirst\n\n<!--nook:end-->\n"
              "<!--nook:diary 30 0 1-->\n# may, later (2008-05-20 10:00:00) 0\n<img src=\"../Images/" +
                  setup.PhotoFile(0) +
                  "\">\n\n<!--nook:end-->\n"
                  "== 6\n"
                  "<!--nook:diary 12 2 0-->\n# june (2008-06-10 18:00:00) 2\n<p>rain</p>\n"
                  "[grandma/2008-06-01 10:00:00/wet/ ][uncle/2008-06-01 10:00:00/<b>dry</b>/ ]\n"
                  "<!--nook:end-->\n"
                  "-- posts 5\n<!--nook:posts 5 1 1-->\n<2008-05-21 08:00:00:<img src=\"../Images/" +
                  setup.PhotoFile(1) +
                  "\">>\n<!--nook:end-->\n"
                  "-- posts 6\n<!--nook:posts 6 1 0-->\n<2008-06-02 08:00:00:june post>\n<!--nook:end-->\n");
}

// Titles, names and times are text; diaries, comments and posts are sanitised HTML: none
// of them can run script, end a section of the book or fill one of its placeholders.
TEST(YearBook, HostileTextsAreEscapedAndCannotBreakTheSections) {
    BookSetup setup;
    const std::string hostile = "<script>alert(1)</script>{BookPosts}<!--nook:end-->";
    setup.Keep(
        DiaryEntry(1, hostile, "2008-05-03 09:07:02", hostile + "<img src=x onerror=alert(1)>"),
        {Said(101, 1, "\"><img src=x onerror=alert(1)>{PhotoCount}", "<!--nook:diary 2 0 0-->\n" + hostile)});
    setup.Keep(
        DiaryEntry(2, "{BookDiaries}", "2008-05-04 09:07:02", "<a href=\"javascript:alert(1)\">x</a>"));
    setup.posts[3] = {3, hostile, "2008-05-05 08:00:00"};

    const std::string book = setup.Write(2008, false);
    EXPECT_EQ(book.find("<script"), std::string::npos) << book;
    EXPECT_EQ(book.find("<img"), std::string::npos) << book;
    EXPECT_EQ(book.find("javascript:"), std::string::npos) << book;
    EXPECT_NE(book.find("# &lt;script&gt;alert(1)&lt;/script&gt;{BookPosts}&lt;!--nook:end--&gt; "),
              std::string::npos)
        << book;
    EXPECT_NE(book.find("[&quot;&gt;&lt;img src=x onerror=alert(1)&gt;{PhotoCount}/"), std::string::npos)
        << book;
    EXPECT_NE(book.find("# {BookDiaries} "), std::string::npos) << book;
    EXPECT_TRUE(book.rfind("book 2008: 2 diaries, 1 comments, 1 posts, 0 photos\n", 0) == 0) << book;

    const nook::BookSections sections = nook::ReadBookSections(book);
    ASSERT_EQ(sections.diaries.size(), 2u);
    ASSERT_EQ(sections.posts.size(), 1u);
    EXPECT_EQ(sections.diaries.at(1).items, 1);
    EXPECT_NE(sections.diaries.at(1).html.find("[&quot;&gt;&lt;img"), std::string::npos);
    EXPECT_NE(sections.diaries.at(2).html.find("{BookDiaries}"), std::string::npos);
}

// A backup reads only the records of what it rendered: every other section comes from
// the book on the disk, and the book is what writing it from the records gives.
TEST(YearBook, UnchangedSectionsComeFromTheBookOnTheDisk) {
    BookSetup setup;
    setup.Keep(DiaryEntry(1, "one", "2008-05-03 09:07:02", "<img src=\"http://p/1.jpg\">"),
               {Said(9, 1, "g", "hi")});
    setup.Keep(DiaryEntry(2, "two", "2008-06-03 09:07:02", "two"));
    setup.posts[3] = {3, "post", "2008-05-05 08:00:00"};
    const std::string full = setup.Write(2008, false);

    for (int32_t id : {1, 2})
        ASSERT_TRUE(platform::RemoveFile(setup.paths.DiaryRecordPath(id)));
    EXPECT_EQ(setup.Write(2008, true), full);
    // Without the book, and without the records, nothing is left to show.
    EXPECT_EQ(setup.Write(2008, false), "book 2008: 0 diaries, 0 comments, 1 posts, 0 photos\n"
                                        "-- posts 5\n<!--nook:posts 5 1 0-->\n<2008-05-05 08:00:00:post>\n"
                                        "<!--nook:end-->\n");
}

// In a backup the renderer keeps each rendered page's section; the book takes those and
// never the book's older copy of them.
TEST(YearBook, SectionsOfRenderedPagesReplaceTheBooksOwn) {
    BookSetup setup;
    setup.Keep(DiaryEntry(1, "one", "2008-05-03 09:07:02", "one"));
    setup.Keep(DiaryEntry(2, "two", "2008-06-03 09:07:02", "two"));
    setup.Write(2008, false);

    const nook::BlogEntry edited = DiaryEntry(2, "two, edited", "2008-06-03 09:07:02", "<i>two</i>");
    setup.Keep(edited, {Said(5, 2, "g", "new")});
    nook::CPageRenderer renderer(setup.paths, setup.localiser, nullptr);
    nook::CBookSpool spool(setup.paths.UserFolder() + "BookSections.tmp");
    renderer.KeepBookSections(&spool);
    const nook::CommentEntry comment = Said(5, 2, "g", "new");
    ASSERT_TRUE(renderer.RenderBlogPage(edited, {&comment}));
    nook::CYearBookWriter writer(setup.paths, renderer, spool);
    ASSERT_TRUE(writer.Write(2008, nook::CDiaryOrder(setup.blogs), {}, true));
    const std::string book = ReadAll(setup.paths.YearBookPath(2008));
    EXPECT_EQ(book, setup.Write(2008, false));
    EXPECT_NE(book.find("# two, edited (2008-06-03 09:07:02) 1\n<i>two</i>\n[g/"), std::string::npos) << book;
    spool.Discard();
    EXPECT_FALSE(platform::FileExists(setup.paths.UserFolder() + "BookSections.tmp"));
}

TEST(BookPhotos, OnlyAddressesInTagsMoveUpOneFolder) {
    const struct {
        const char* html;
        const char* rebased;
        int photos;
    } cases[] = {
        {"<img src=\"../../Images/a.jpg\">", "<img src=\"../Images/a.jpg\">", 1},
        {"<a href=\"../../Images/a.jpg\" target=\"_blank\"><img src=\"../../Images/a.jpg\"></a><img "
         "src=\"../../Images/b.png\">",
         "<a href=\"../Images/a.jpg\" target=\"_blank\"><img src=\"../Images/a.jpg\"></a><img "
         "src=\"../Images/b.png\">",
         2},
        {"text=\"../../Images/a.jpg\" <b>x</b>", "text=\"../../Images/a.jpg\" <b>x</b>", 0},
        {"<img src=\"http://p/a.jpg\">", "<img src=\"http://p/a.jpg\">", 0},
        {"<img alt=\"../../Images/\" src=\"../../Images/c\">", "<img alt=\"../Images/\" src=\"../Images/c\">",
         1},
        {"<img src=\"../../Images/a.jpg\"", "<img src=\"../../Images/a.jpg\"", 0}, // no tag without its end
    };
    for (const auto& c : cases) {
        std::string html = c.html;
        nook::RebasePhotoAddresses(html);
        EXPECT_EQ(html, c.rebased) << c.html;
        EXPECT_EQ(nook::CountBookPhotos(html), c.photos) << c.html;
    }
}

TEST(BookSections, ReadBackAsWrittenAndBrokenMarkersPassedOver) {
    std::string book = "cover\n";
    nook::AppendDiarySection(book, 7, {"<p>seven</p>\n<!-- a comment -->", 3, 1});
    nook::AppendPostsSection(book, 12, {"", 0, 0});
    book += "<!--nook:diary 8 x 0-->\nbroken\n<!--nook:end-->\n<!--nook:diary 9 1 1-->\nno end";
    const nook::BookSections sections = nook::ReadBookSections(book);
    ASSERT_EQ(sections.diaries.size(), 1u);
    EXPECT_EQ(sections.diaries.at(7).html, "<p>seven</p>\n<!-- a comment -->");
    EXPECT_EQ(sections.diaries.at(7).items, 3);
    EXPECT_EQ(sections.diaries.at(7).photos, 1);
    ASSERT_EQ(sections.posts.size(), 1u);
    EXPECT_EQ(sections.posts.at(12).html, "");
}

TEST(TemplateFill, EachPlaceholderOnceAndValuesAreNeverReadAgain) {
    const struct {
        const char* pattern;
        const char* filled;
    } cases[] = {
        {"{A}-{B}-{A}", "a{B}-b-a{B}"},
        {"{C} {A", "{C} {A"},
        {"\x81{A}", "\x81{A}"}, // "{" is the second byte of a code page 936 character here
        {"{{A}}", "{a{B}}"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nook::FillTemplate(c.pattern, {{"{A}", "a{B}"}, {"{B}", "b"}}), c.filled) << c.pattern;
}

} // namespace
