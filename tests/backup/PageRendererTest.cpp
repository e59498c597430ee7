#include "archive/PageRenderer.h"

#include "tests/backup/ArchiveTestSupport.h"
#include "tests/support/TestPaths.h"
#include "archive/ImageLocaliser.h"
#include "platform/Files.h"
#include "util/DirectoryPath.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using nook::BlogEntry;
using nook::CommentEntry;
using nook::test::ReadAll;

// Renders through the plain test templates into a fresh program folder for user "mimi".
struct RendererSetup {
    std::string dir = nook::test::ProgramFolderWithTemplates();
    nook::CArchivePaths paths{dir, "mimi"};
    nook::CPhotoList photos;
    nook::CImageLocaliser localiser{photos};
    nook::test::RecordingLog log;
    nook::CPageRenderer renderer{paths, localiser, &log};

    std::string Render(const BlogEntry& blog, const std::vector<const CommentEntry*>& comments = {}) {
        EXPECT_TRUE(renderer.RenderBlogPage(blog, comments));
        return ReadAll(dir + "mimi\\2008\\5\\" + std::to_string(blog.id) + ".html");
    }
};

BlogEntry SampleBlog() {
    BlogEntry blog;
    blog.id = 7;
    blog.blogClass = 2;
    blog.character = 2;
    blog.mood = 3;
    blog.weather = 1;
    blog.title = "First steps";
    blog.content = "<p>She walked!</p>";
    blog.createTime = "2008-05-03 09:07:02";
    blog.updateTime = "2008-05-04 10:00:00";
    blog.commentCount = 2;
    blog.readCount = 15;
    blog.isMemory = true;
    return blog;
}

TEST(RenderBlogPage, FillsEveryPlaceholderInTextMode) {
    RendererSetup setup;
    EXPECT_EQ(setup.Render(SampleBlog()),
              "class=\xd3\xb0\xd2\xf4\xbf\xe1|ci=2|cn=\xc2\xe8\xc2\xe8|mi=3|mn=\xd0\xcb\xb7\xdc|wi=1|wn="
              "\xc7\xe7\xc0\xca\r\n"
              "title=First steps|again=First steps\r\n"
              "content=<p>She walked!</p>\r\n"
              "time=2008-05-03 09:07:02|upd=2008-05-04 10:00:00|cc=2|rc=15|mem=1\r\n"
              "ec=\r\n"
              "comments=\r\n");
    EXPECT_TRUE(setup.log.lines.empty());
}

TEST(RenderBlogPage, CodesOutsideTheTablesFallBack) {
    struct Case {
        const char* what;
        int16_t blogClass, character, mood, weather;
        const char* expected;
    } cases[] = {
        {"mood 7", 1, 1, 7, 1, "mi=7|mn=\xcd\xb4\xbf\xde"}, // 痛哭
        {"mood 0", 1, 1, 0, 1, "mi=1|mn=\xbf\xaa\xd0\xc4"}, // 开心
        {"mood 8", 1, 1, 8, 1, "mi=1|mn=\xbf\xaa\xd0\xc4"},
        {"class 12", 12, 1, 1, 1,
         "class=\xd7\xd4\xb6\xa8\xd2\xe5\xc8\xd5\xbc\xc7\xc0\xe0\xd0\xcd|"}, // 自定义日记类型
        {"class -1", -1, 1, 1, 1, "class=\xd7\xd4\xb6\xa8\xd2\xe5\xc8\xd5\xbc\xc7\xc0\xe0\xd0\xcd|"},
        {"class 8", 8, 1, 1, 1, "class=\xb2\xca\xd0\xc5\xd4\xd3\xd6\xbe|"}, // 彩信杂志
        {"character 3", 1, 3, 1, 1, "ci=3|cn=\xb1\xa6\xb1\xa6|"},           // 宝宝
        {"character 4", 1, 4, 1, 1, "ci=1|cn=\xb0\xd6\xb0\xd6|"},           // 爸爸
        {"character -2", 1, -2, 1, 1, "ci=1|cn=\xb0\xd6\xb0\xd6|"},
        {"weather 6", 1, 1, 1, 6, "wi=6|wn=\xb4\xf3\xb7\xe7"}, // 大风
        {"weather 7", 1, 1, 1, 7, "wi=1|wn=\xc7\xe7\xc0\xca"}, // 晴朗
    };
    for (const Case& c : cases) {
        RendererSetup setup;
        BlogEntry blog = SampleBlog();
        blog.blogClass = c.blogClass;
        blog.character = c.character;
        blog.mood = c.mood;
        blog.weather = c.weather;
        std::string page = setup.Render(blog);
        EXPECT_NE(page.find(c.expected), std::string::npos) << c.what << "\n" << page;
    }
}

// Characters code page 936 lacks reach the page as the references the answer kept.
TEST(RenderBlogPage, CharactersTheCodePageLacksShowFromTheirReferences) {
    RendererSetup setup;
    BlogEntry blog = SampleBlog();
    blog.title = "\xb1\xa6&#128512;";
    blog.content = "<p>&#54620;&#x1F600;</p>";
    CommentEntry comment;
    comment.guestName = "&#128512;";
    comment.content = "&#128512;";
    const std::string page = setup.Render(blog, {&comment});
    EXPECT_NE(page.find("title=\xb1\xa6&#128512;|again=\xb1\xa6&#128512;\r\n"), std::string::npos) << page;
    EXPECT_NE(page.find("content=<p>&#54620;&#x1F600;</p>\r\n"), std::string::npos) << page;
    EXPECT_NE(page.find("[&#128512;/"), std::string::npos) << page;
    EXPECT_NE(page.find("/&#128512;/"), std::string::npos) << page;
}

TEST(RenderBlogPage, EditorsChoiceShowsTheRibbonSnippet) {
    EXPECT_EQ(std::string(nook::kEditorChoiceSnippet).size(), 119u);
    RendererSetup setup;
    BlogEntry blog = SampleBlog();
    blog.isEditorChoice = true;
    EXPECT_NE(setup.Render(blog).find(std::string("ec=") + nook::kEditorChoiceSnippet + "\r\n"),
              std::string::npos);
}

TEST(RenderBlogPage, CommentsInOrderWithTheOwnersReply) {
    RendererSetup setup;
    CommentEntry first;
    first.guestName = "Grandma";
    first.time = "2008-05-03 10:00:00";
    first.content = "<b>Wonderful</b>";
    first.replyContent = "Thank you";
    first.replyTime = "2008-05-03 11:00:00";
    CommentEntry second;
    second.guestName = "Uncle";
    second.time = "2008-05-04 12:00:00";
    second.content = "Cute";
    std::string page = setup.Render(SampleBlog(), {&first, &second});
    EXPECT_NE(page.find("comments=[Grandma/2008-05-03 10:00:00/<b>Wonderful</b>/"
                        "<div class=\"said "
                        "mine\"><h4>\xd0\xa1\xbc\xd2\xd6\xf7\xc8\xcb\xb5\xc4\xbb\xd8\xb8\xb4&nbsp;&nbsp;"
                        "<span class=\"time\">2008-05-03 11:00:00</span></h4>\r\n"
                        "<p>Thank you</p></div>][Uncle/2008-05-04 12:00:00/Cute/ ]\r\n"),
              std::string::npos)
        << page;
}

// Plain-text fields arrive escaped, so a guest's name cannot run script in a page that
// the embedded browser opens from the disk; the service's HTML stays HTML, sanitised.
TEST(RenderBlogPage, PlainTextIsEscapedAndHtmlFieldsAreSanitised) {
    RendererSetup setup;
    BlogEntry blog = SampleBlog();
    blog.title = "Tom & \"Jerry\" <i>";
    blog.updateTime = "<script>x</script>";
    CommentEntry hostile;
    hostile.guestName = "<script>alert('x')</script>";
    hostile.time = "<b>";
    hostile.content = "<img src=x onerror=1>";
    hostile.replyTime = "<t>";
    hostile.replyContent = "<u>ok</u>";
    std::string page = setup.Render(blog, {&hostile});
    EXPECT_NE(page.find("title=Tom &amp; &quot;Jerry&quot; &lt;i&gt;|"), std::string::npos) << page;
    EXPECT_NE(page.find("upd=&lt;script&gt;x&lt;/script&gt;|"), std::string::npos) << page;
    EXPECT_NE(page.find("[&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;/&lt;b&gt;//"), std::string::npos) << page;
    EXPECT_EQ(page.find("onerror"), std::string::npos) << page;
    EXPECT_NE(page.find("<span class=\"time\">&lt;t&gt;</span>"), std::string::npos) << page;
    EXPECT_NE(page.find("<p><u>ok</u></p>"), std::string::npos) << page;
    EXPECT_EQ(page.find("<script>"), std::string::npos) << page;
}

TEST(RenderBlogPage, ContentPhotosPointAtLocalFilesRelatively) {
    RendererSetup setup;
    BlogEntry blog = SampleBlog();
    blog.content = "<img src=\"http://photos.example/a.jpg\">";
    std::string page = setup.Render(blog);
    ASSERT_EQ(setup.photos.Entries().size(), 1u);
    const std::string file = setup.photos.Entries()[0].file;
    EXPECT_NE(page.find("content=<img src=\"../../Images/" + file.substr(7) + "\">"), std::string::npos) << page;
    EXPECT_EQ(file.rfind("Images\\", 0), 0u);
}

// The one full backup of an archive whose pages named photos by absolute paths: the
// n-th photo of the old page is kept for the n-th address, when its file is there.
TEST(RenderBlogPage, EarlierPhotosAreReusedOnlyWhenAskedAndPresent) {
    for (bool reuse : {false, true}) {
        RendererSetup setup;
        // Written on another computer: only the file names still mean anything.
        const std::string oldImages = "D:\\Nook\\mimi\\Images\\";
        ASSERT_TRUE(nook::MakeDirectoryPath(setup.dir + "mimi\\Images"));
        ASSERT_TRUE(platform::WriteFileAtomically(setup.dir + "mimi\\Images\\old-a.jpg", "\xFF\xD8photo"));
        ASSERT_TRUE(nook::MakeDirectoryPath(setup.dir + "mimi\\2008\\5"));
        ASSERT_TRUE(platform::WriteFileAtomically(
            setup.dir + "mimi\\2008\\5\\7.html",
            "<img src=\"" + oldImages + "old-a.jpg\"><img src=\"" + oldImages + "old-b.jpg\">"));
        BlogEntry blog = SampleBlog();
        blog.content = "<img src=\"http://p/a.jpg\"><img src=\"http://p/b.jpg\">";
        setup.renderer.KeepEarlierPages(reuse);
        setup.Render(blog);
        ASSERT_EQ(setup.photos.Entries().size(), 2u);
        EXPECT_EQ(setup.photos.Entries()[0].file == "Images\\old-a.jpg", reuse);
        EXPECT_EQ(setup.photos.Entries()[0].state == nook::PhotoState::Stored, reuse);
        EXPECT_EQ(setup.photos.Entries()[1].state, nook::PhotoState::Pending); // its file is gone
        EXPECT_NE(setup.photos.Entries()[1].file, "Images\\old-b.jpg");
        // The old page stays beside the new one, portable too: it may show more.
        EXPECT_EQ(ReadAll(setup.dir + "mimi\\2008\\5\\7.earlier.html"),
                  reuse ? "<img src=\"../../Images/old-a.jpg\"><img src=\"../../Images/old-b.jpg\">" : "");
    }
}

// A relative's photo in a comment, a picture in the owner's reply or in a post stays
// in the archive too, instead of reaching out to the web whenever the page opens.
TEST(RenderPages, PicturesInCommentsRepliesAndPostsAreKeptLocally) {
    RendererSetup setup;
    CommentEntry comment;
    comment.blogId = 7;
    comment.guestName = "Grandma";
    comment.content = "<img src=\"http://p/from-grandma.jpg\">";
    comment.replyContent = "<img src=\"http://p/smile.gif\">";
    comment.replyTime = "2008-05-03 11:00:00";
    const std::string page = setup.Render(SampleBlog(), {&comment});
    nook::TwitterIndex posts;
    posts[40] = {40, "<p>look <img src=\"http://p/post.png\"></p>", "2008-05-20 10:00:00"};
    ASSERT_TRUE(setup.renderer.RenderMonthPages(posts));
    const std::string month = ReadAll(setup.dir + "mimi\\2008\\5\\TwitterList.html");

    ASSERT_EQ(setup.photos.Entries().size(), 3u);
    const char* urls[] = {"http://p/from-grandma.jpg", "http://p/smile.gif", "http://p/post.png"};
    const std::string* texts[] = {&page, &page, &month};
    for (size_t i = 0; i < 3; ++i) {
        const nook::PhotoEntry* entry = setup.photos.Find(urls[i]);
        ASSERT_NE(entry, nullptr) << urls[i];
        EXPECT_EQ(entry->state, nook::PhotoState::Pending);
        EXPECT_EQ(entry->blogs, i < 2 ? std::vector<int32_t>{7} : std::vector<int32_t>{}) << urls[i];
        EXPECT_NE(texts[i]->find("src=\"../../Images/" + entry->file.substr(7) + "\""), std::string::npos)
            << *texts[i];
    }
    EXPECT_EQ(page.find("http://p/"), std::string::npos) << page;
    EXPECT_EQ(month.find("http://p/"), std::string::npos) << month;
}

// A renderer lives for one backup: a missing template is logged once, not once a page,
// and from then on no page is written, so none is replaced by an empty or partial one.
TEST(RenderPages, MissingTemplateIsLoggedOnceAndLeavesLaterPagesAsTheyWere) {
    const struct {
        const char* name;
        bool diaryPagesWritten; // read before the month pages need theirs
    } cases[] = {
        {"Comment.html", false},
        {"BlogView.html", false},
        {"Twitter.html", true},
        {"TwitterList.html", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RendererSetup setup;
        const std::string month = setup.dir + "mimi\\2008\\5\\";
        ASSERT_TRUE(nook::MakeDirectoryPath(month));
        for (const char* page : {"7.html", "8.html", "TwitterList.html"})
            ASSERT_TRUE(platform::WriteFileAtomically(month + page, "earlier"));
        ASSERT_TRUE(platform::RemoveFile(setup.dir + "Templates\\" + c.name));
        CommentEntry comment;
        comment.guestName = "Grandma";
        for (int32_t id : {7, 8}) {
            BlogEntry blog = SampleBlog();
            blog.id = id;
            EXPECT_EQ(setup.renderer.RenderBlogPage(blog, {&comment}), c.diaryPagesWritten);
            const std::string page = ReadAll(month + std::to_string(id) + ".html");
            EXPECT_EQ(page == "earlier", !c.diaryPagesWritten) << page;
            EXPECT_FALSE(page.empty());
        }
        nook::TwitterIndex posts;
        posts[40] = {40, "a", "2008-05-20 10:00:00"};
        posts[41] = {41, "b", "2008-06-01 08:00:00"};
        EXPECT_FALSE(setup.renderer.RenderMonthPages(posts));
        EXPECT_EQ(ReadAll(month + "TwitterList.html"), "earlier");
        EXPECT_FALSE(platform::FileExists(setup.dir + "mimi\\2008\\6\\TwitterList.html"));
        EXPECT_TRUE(setup.renderer.MissedTemplate());
        EXPECT_EQ(setup.log.lines, std::vector<std::string>{"CArchivistDlg::ReadFile - Failed to open '" +
                                                            setup.dir + "Templates\\" + c.name + "'!"});
    }
}

// Templates are installed files no one edits during a backup: each is read once per
// renderer, and a renderer made later reads them again.
TEST(RenderPages, TemplatesAreReadOnceARenderer) {
    RendererSetup setup;
    CommentEntry comment;
    comment.guestName = "Grandma";
    nook::TwitterIndex posts;
    posts[40] = {40, "a", "2008-05-20 10:00:00"};
    auto renderAll = [&](nook::CPageRenderer& renderer) {
        EXPECT_TRUE(renderer.RenderBlogPage(SampleBlog(), {&comment}));
        EXPECT_TRUE(renderer.RenderMonthPages(posts));
        return ReadAll(setup.dir + "mimi\\2008\\5\\7.html") +
               ReadAll(setup.dir + "mimi\\2008\\5\\TwitterList.html");
    };
    const std::string first = renderAll(setup.renderer);
    for (const char* name : {"BlogView.html", "Comment.html", "Twitter.html", "TwitterList.html"})
        ASSERT_TRUE(
            platform::WriteFileAtomically(setup.dir + "Templates\\" + name, std::string("edited ") + name));
    EXPECT_EQ(renderAll(setup.renderer), first);

    nook::CPageRenderer later(setup.paths, setup.localiser, &setup.log);
    EXPECT_EQ(renderAll(later), "edited BlogView.htmledited TwitterList.html");
    EXPECT_TRUE(setup.log.lines.empty());
}

TEST(RenderBlogPage, FailedWriteLeavesTheOldPageWhole) {
    RendererSetup setup;
    const std::string before = setup.Render(SampleBlog());
    const std::string page = setup.dir + "mimi\\2008\\5\\7.html";
    ASSERT_EQ(platform::MakeDirectory(page + ".tmp~"), platform::MakeDirResult::Created);
    BlogEntry changed = SampleBlog();
    changed.title = "Changed";
    EXPECT_FALSE(setup.renderer.RenderBlogPage(changed, {}));
    EXPECT_EQ(ReadAll(page), before);
}

// Posts of May and June 2008, and two undated ones.
nook::TwitterIndex PostsOfSeveralMonths() {
    nook::TwitterIndex index;
    index[12] = {12, "<b>second</b>", "2008-05-20 10:00:00"};
    index[11] = {11, "first", "2008-05-02 09:00:00"};
    index[13] = {13, "june", "2008-06-01 08:00:00"};
    index[14] = {14, "lost", "no date"};
    index[15] = {15, "", "<2008>-1-1 x"};
    return index;
}

const char kMayPage[] = "month:<2008-05-02 09:00:00:first><2008-05-20 10:00:00:<b>second</b>>\r\n";

TEST(RenderMonthPages, EveryMonthFromTheWholeIndexOldestIdFirst) {
    RendererSetup setup;
    ASSERT_TRUE(setup.renderer.RenderMonthPages(PostsOfSeveralMonths()));
    EXPECT_EQ(ReadAll(setup.dir + "mimi\\2008\\5\\TwitterList.html"), kMayPage);
    EXPECT_EQ(ReadAll(setup.dir + "mimi\\2008\\6\\TwitterList.html"), "month:<2008-06-01 08:00:00:june>\r\n");
    EXPECT_EQ(ReadAll(setup.dir + "mimi\\0\\0\\TwitterList.html"), "month:<no date:lost>\r\n");
    EXPECT_EQ(ReadAll(setup.dir + "mimi\\0\\1\\TwitterList.html"), "month:<&lt;2008&gt;-1-1 x:>\r\n");
}

// A backup renders only the months its posts changed, each from all of its posts; a
// month left without posts keeps its page, as when every month is rendered.
TEST(RenderMonthPages, OnlyTheMonthsAskedForEachFromTheWholeIndex) {
    RendererSetup setup;
    ASSERT_TRUE(nook::MakeDirectoryPath(setup.dir + "mimi\\2008\\8"));
    ASSERT_TRUE(platform::WriteFileAtomically(setup.dir + "mimi\\2008\\8\\TwitterList.html", "emptied"));
    ASSERT_TRUE(setup.renderer.RenderMonthPages(PostsOfSeveralMonths(), {{2008, 5}, {2008, 8}}));
    EXPECT_EQ(ReadAll(setup.dir + "mimi\\2008\\5\\TwitterList.html"), kMayPage);
    for (const char* unasked : {"2008\\6", "0\\0", "0\\1"})
        EXPECT_FALSE(platform::FileExists(setup.dir + "mimi\\" + unasked + "\\TwitterList.html")) << unasked;
    EXPECT_EQ(ReadAll(setup.dir + "mimi\\2008\\8\\TwitterList.html"), "emptied");
}

} // namespace
