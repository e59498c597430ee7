// Neighbour links and year books as a user meets them: in Debian's chromium, headless, on
// a small archive that StoreBackup writes natively, its photos real JPEG and PNG files,
// copied to another folder before it is opened. Skipped without chromium, the book also
// without poppler-utils.
#include "tests/backup/ArchiveTestSupport.h"
#include "tests/support/HeadlessBrowser.h"
#include "tests/support/TestPaths.h"
#include "app/settings/SettingsStore.h"
#include "archive/Archive.h"
#include "platform/Files.h"
#include "util/DirectoryPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace nook {
namespace {

namespace fs = std::filesystem;

std::string NativePath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

CommentEntry Said(int32_t id, int32_t blogId, const std::string& content, const std::string& reply = {}) {
    CommentEntry comment;
    comment.id = id;
    comment.blogId = blogId;
    comment.guestName = "Grandma";
    comment.time = "2008-12-24 20:00:00";
    comment.content = content;
    comment.replyContent = reply;
    comment.replyTime = reply.empty() ? "" : "2008-12-25 09:00:00";
    return comment;
}

// The diaries in the order a reader goes through them: by date, the same time by id.
struct Expected {
    int32_t id;
    const char* page; // below the user folder
    const char* title;
};
const Expected kDiaries[] = {
    {3, "2007/12/3.html", "Winter walk"},  {10, "2008/3/10.html", "Spring picnic"},
    {12, "2008/3/12.html", "Kite day"},    {11, "2008/6/11.html", "Rainy June"},
    {14, "2008/12/14.html", "First snow"},
};

// A backup of a small family archive, written natively, its photos put in place, then
// the archive copied elsewhere; `user` is the moved user folder (native form).
struct MovedArchive {
    std::string user;

    MovedArchive() {
        const std::string scratch = test::ScratchDir();
        const std::string made = scratch + "made\\";
        fs::create_directories(NativePath(made));
        fs::copy(NativePath(test::DataDir() + test::kShippedTemplates), NativePath(made + "Templates"),
                 fs::copy_options::recursive);
        CSettingsStore settings(made);
        settings.User().userName = "mimi";
        CArchive archive(made, settings, nullptr);
        BlogListAnswer answer;
        answer.result = kBackupSuccess;
        // "冬日", "春游", "放风筝", "雨天", "初雪": Chinese titles print with the system's font.
        answer.blogs = {
            test::DiaryEntry(10, "Spring picnic \xb4\xba\xd3\xce", "2008-03-02 09:00:00",
                             "<p>SpringText on the grass.</p><img src=\"http://photos.example/garden.jpg\">"),
            test::DiaryEntry(11, "Rainy June \xd3\xea\xcc\xec", "2008-06-10 18:00:00",
                             "<p>RainText all day.</p>"),
            test::DiaryEntry(12, "Kite day \xb7\xc5\xb7\xe7\xf3\xdd", "2008-03-02 09:00:00",
                             "<p>KiteText up high.</p>"),
            test::DiaryEntry(14, "First snow \xb3\xf5\xd1\xa9", "2008-12-01 08:00:00",
                             "<p>SnowText everywhere.</p>"),
            test::DiaryEntry(3, "Winter walk \xb6\xac\xc8\xd5", "2007-12-30 10:00:00", "<p>WinterText.</p>"),
        };
        answer.comments = {
            Said(101, 10, "CommentAlpha, lovely"),
            Said(102, 11, "CommentBravo, so wet", "ReplyCharlie, it was"),
            Said(103, 12, "CommentDelta <img src=\"http://photos.example/kite.png\">"),
        };
        TwitterEntry march, june;
        march.id = 201;
        march.content = "PostEcho, sunny";
        march.createTime = "2008-03-05 08:00:00";
        june.id = 202;
        june.content = "PostFoxtrot, windy";
        june.createTime = "2008-06-20 08:00:00";
        answer.twitters = {march, june};
        EXPECT_EQ(archive.StoreBackup(std::move(answer)).result, kBackupSuccess);

        // What the photo pass would fetch.
        const std::map<std::string, std::string> photos = {
            {"http://photos.example/garden.jpg", "garden-40x30.jpg"},
            {"http://photos.example/kite.png", "kite-24x16.png"},
        };
        const std::vector<DownloadItem> pending = archive.PendingDownloads();
        EXPECT_EQ(pending.size(), 2u);
        for (const DownloadItem& item : pending) {
            EXPECT_TRUE(MakeFileDirectory(item.localPath));
            EXPECT_TRUE(platform::CopyFileTo(test::DataDir() + "backup\\photos\\" + photos.at(item.url),
                                             item.localPath, true))
                << item.url;
        }

        // Moving an archive is copying its folders: nothing in them may name where they were.
        const std::string moved = scratch + "elsewhere\\";
        fs::create_directories(NativePath(moved));
        for (const char* folder : {"Templates", "mimi"})
            fs::copy(NativePath(made + folder), NativePath(moved + folder), fs::copy_options::recursive);
        fs::remove_all(NativePath(made));
        user = NativePath(moved + "mimi/");
    }
};

// The address of the link of class `name` in `dom`; empty when there is none.
std::string LinkAddress(const std::string& dom, const std::string& name) {
    const std::string start = "class=\"" + name + "\" href=\"";
    const size_t at = dom.find(start);
    if (at == std::string::npos) return {};
    const size_t from = at + start.size();
    return dom.substr(from, dom.find('"', from) - from);
}

// The file a relative link of the page at `page` leads to.
fs::path Resolved(const fs::path& page, const std::string& address) {
    return (page.parent_path() / address).lexically_normal();
}

TEST(NeighbourLinksInBrowser, EveryPageLeadsToTheDiaryBeforeAndAfterItAndTheIndex) {
    if (!test::BrowserAvailable()) GTEST_SKIP() << "chromium is not installed";
    const MovedArchive archive;
    std::map<fs::path, std::string> titles; // page, the title chromium shows
    std::map<int32_t, std::string> doms;
    for (const Expected& diary : kDiaries) {
        const fs::path page = archive.user + diary.page;
        doms[diary.id] = test::DumpDom(test::FileUrl(page.string()));
        const size_t title = doms[diary.id].find("<title>");
        ASSERT_NE(title, std::string::npos) << diary.page;
        titles[page.lexically_normal()] =
            doms[diary.id].substr(title + 7, doms[diary.id].find("</title>") - title - 7);
    }
    const size_t count = std::size(kDiaries);
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(kDiaries[i].page);
        const fs::path page = archive.user + kDiaries[i].page;
        const std::string& dom = doms[kDiaries[i].id];
        const std::string previous = LinkAddress(dom, "nav-prev");
        const std::string next = LinkAddress(dom, "nav-next");
        // The first and the last have no dead link on the side where nothing is.
        EXPECT_EQ(previous.empty(), i == 0);
        EXPECT_EQ(next.empty(), i + 1 == count);
        if (i > 0) {
            EXPECT_EQ(titles[Resolved(page, previous)].rfind(kDiaries[i - 1].title, 0), 0u) << previous;
            EXPECT_NE(dom.find("\xe4\xb8\x8a\xe4\xb8\x80\xe7\xaf\x87"), std::string::npos); // 上一篇
        }
        if (i + 1 < count) {
            EXPECT_EQ(titles[Resolved(page, next)].rfind(kDiaries[i + 1].title, 0), 0u) << next;
            EXPECT_NE(dom.find("\xe4\xb8\x8b\xe4\xb8\x80\xe7\xaf\x87"), std::string::npos); // 下一篇
        }
        const fs::path index = Resolved(page, LinkAddress(dom, "nav-index"));
        EXPECT_EQ(index, fs::path(archive.user + "index.html").lexically_normal());
        EXPECT_TRUE(fs::exists(index));
    }

    // Month pages: the neighbouring months that have posts.
    const fs::path march = archive.user + "2008/3/TwitterList.html";
    const fs::path june = archive.user + "2008/6/TwitterList.html";
    const std::string marchDom = test::DumpDom(test::FileUrl(march.string()));
    const std::string juneDom = test::DumpDom(test::FileUrl(june.string()));
    EXPECT_NE(marchDom.find("PostEcho"), std::string::npos);
    EXPECT_EQ(LinkAddress(marchDom, "nav-prev"), "");
    EXPECT_EQ(Resolved(march, LinkAddress(marchDom, "nav-next")), june.lexically_normal());
    EXPECT_EQ(Resolved(june, LinkAddress(juneDom, "nav-prev")), march.lexically_normal());
    EXPECT_EQ(LinkAddress(juneDom, "nav-next"), "");
    EXPECT_NE(juneDom.find("PostFoxtrot"), std::string::npos);
}

TEST(YearBookInBrowser, PrintsToAPdfOfTheYearInDateOrderWithItsPhotos) {
    if (!test::BrowserAvailable() || !test::PdfToolsAvailable())
        GTEST_SKIP() << "chromium or poppler-utils is not installed";
    const MovedArchive archive;
    const std::string pdf = archive.user + "book-2008.pdf";
    ASSERT_TRUE(test::PrintToPdf(test::FileUrl(archive.user + "2008/book.html"), pdf));

    const std::string text = test::PdfText(pdf);
    ASSERT_FALSE(text.empty());
    // Each diary with its comments and replies, by date; then the posts by month.
    size_t at = 0;
    for (const char* expected : {"2008", "Spring picnic", "SpringText", "CommentAlpha", "Kite day",
                                 "KiteText", "CommentDelta", "Rainy June", "RainText", "CommentBravo",
                                 "ReplyCharlie", "First snow", "SnowText", "PostEcho", "PostFoxtrot"}) {
        const size_t found = text.find(expected, at);
        EXPECT_NE(found, std::string::npos) << expected << " after " << at << " in\n" << text;
        if (found != std::string::npos) at = found;
    }
    EXPECT_EQ(text.find("Winter walk"), std::string::npos);                      // the book of 2007
    EXPECT_NE(text.find("\xe6\x98\xa5\xe6\xb8\xb8"), std::string::npos) << text; // 春游, as printed
    // No navigation on paper.
    EXPECT_EQ(text.find("\xe7\x9b\xae\xe5\xbd\x95"), std::string::npos) << text; // 目录

    // The photos of the diary and of the comment, and no other picture.
    const std::string images = test::PdfImageList(pdf);
    std::vector<std::string> sizes;
    const std::string lines = images.substr(std::min(images.size(), images.find("\n--") + 1));
    for (size_t line = lines.find('\n'); line != std::string::npos && line + 1 < lines.size();
         line = lines.find('\n', line + 1)) {
        char type[16] = {};
        int page = 0, number = 0, width = 0, height = 0;
        if (std::sscanf(lines.c_str() + line + 1, "%d %d %15s %d %d", &page, &number, type, &width,
                        &height) == 5 &&
            std::string(type) == "image")
            sizes.push_back(std::to_string(width) + "x" + std::to_string(height));
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::string>{"24x16", "40x30"})) << images;
}

} // namespace
} // namespace nook
