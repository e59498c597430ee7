// The index page of a user folder and the shipped files it is made from and runs.
#include "archive/IndexPage.h"

#include "tests/backup/ArchiveTestSupport.h"
#include "tests/backup_app/support/TestText.h"
#include "tests/support/TestPaths.h"
#include "platform/CodePage.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace nook {
namespace {

using test::DataDir;
using test::Gbk;
using test::ReadAll;

BlogIndex SampleDiaries() {
    BlogIndex blogs;
    blogs[7] = {7, "Tom & <Jerry>", "2008-05-03 09:07:02", true};
    blogs[9] = {9, "", "2008-05-20 10:00:00", false};
    blogs[10] = {10, "later", "2008-05-20 10:00:00", false};
    blogs[8] = {8, Gbk(u8"雨天"), "2007-12-31 23:59:59", false};
    blogs[60] = {60, "{Years}", "", false};
    return blogs;
}

TwitterIndex SamplePosts() {
    TwitterIndex posts;
    posts[30] = {30, "a", "2008-05-02 09:00:00"};
    posts[31] = {31, "b", "2008-06-01 08:00:00"};
    posts[32] = {32, "c", "2008-06-02 08:00:00"};
    return posts;
}

TEST(IndexPage, ListsTheDiaryByYearAndMonthNewestFirstWithItsCounts) {
    const std::string pageTemplate = ReadAll(DataDir() + test::kPlainTemplates + "Index.html");
    ASSERT_FALSE(pageTemplate.empty());
    const CommentCounts comments = {{7, 2}, {8, 1}, {500, 9}}; // 500: a diary not in the index
    EXPECT_EQ(RenderIndexPage(pageTemplate, SampleDiaries(), SamplePosts(), comments, 4),
              Gbk(u8"counts=本地共有5篇日记、3条留言、3条迷你日记、4张照片|years=2008 2007 0\n"
                  "links=<a href=\"#y2008\">2008年</a>\n<a href=\"#y2007\">2007年</a>\n<a href=\"#y0\">日期不明</a>\n\n"
                  "<div class=\"year\" id=\"y2008\">\n<h2>2008年<span class=\"count\">3</span><a class=\"book\" href=\"2008/book.html\">打印成书</a></h2>\n"
                  "<div class=\"month\">\n<h3>6月</h3>\n"
                  "<a class=\"month-posts\" href=\"2008/6/TwitterList.html\">迷你日记 2条</a>\n</div>\n"
                  "<div class=\"month\">\n<h3>5月</h3>\n"
                  "<a class=\"month-posts\" href=\"2008/5/TwitterList.html\">迷你日记 1条</a>\n"
                  "<ul class=\"diary-list\">\n"
                  "<li><a href=\"2008/5/10.html\">later</a><span class=\"day\">2008-05-20</span>"
                  "<span class=\"said-count none\">0条留言</span></li>\n"
                  "<li><a href=\"2008/5/9.html\">无标题</a><span class=\"day\">2008-05-20</span>"
                  "<span class=\"said-count none\">0条留言</span></li>\n"
                  "<li><a href=\"2008/5/7.html\">Tom &amp; &lt;Jerry&gt;</a><span class=\"pick\">精华</span>"
                  "<span class=\"day\">2008-05-03</span><span class=\"said-count\">2条留言</span></li>\n"
                  "</ul>\n</div>\n</div>\n"
                  "<div class=\"year\" id=\"y2007\">\n<h2>2007年<span class=\"count\">1</span><a class=\"book\" href=\"2007/book.html\">打印成书</a></h2>\n"
                  "<div class=\"month\">\n<h3>12月</h3>\n<ul class=\"diary-list\">\n"
                  "<li><a href=\"2007/12/8.html\">雨天</a><span class=\"day\">2007-12-31</span>"
                  "<span class=\"said-count\">1条留言</span></li>\n</ul>\n</div>\n</div>\n"
                  "<div class=\"year\" id=\"y0\">\n<h2>日期不明<span class=\"count\">1</span><a class=\"book\" href=\"0/book.html\">打印成书</a></h2>\n"
                  "<div class=\"month\">\n<ul class=\"diary-list\">\n"
                  "<li><a href=\"0/0/60.html\">{Years}</a><span class=\"day\"></span>"
                  "<span class=\"said-count none\">0条留言</span></li>\n</ul>\n</div>\n</div>\n"));
}

TEST(IndexPage, AnEmptyArchiveSaysSo) {
    EXPECT_EQ(RenderIndexPage("{Counts}|{SearchYears}|{YearLinks}|{Years}", {}, {}, {}, 0),
              Gbk(u8"本地共有0篇日记、0条留言、0条迷你日记、0张照片|||"));
}

// Other people's titles are text on the page, whatever markup they hold.
TEST(IndexPage, HostileTitlesAreTextOnTheShippedPage) {
    const std::string pageTemplate = ReadAll(DataDir() + test::kShippedTemplates + "Index.html");
    const std::string titles[] = {
        "<script>alert(1)</script>", "\"><img src=x onerror=alert(1)>", "'><a href='javascript:x'>", "</a><iframe>",
        "{Counts}{SearchYears}",
    };
    BlogIndex blogs;
    int32_t id = 0;
    for (const std::string& title : titles) {
        ++id;
        blogs[id] = {id, title, "2009-03-01 10:00:00", false};
    }
    const std::string page = RenderIndexPage(pageTemplate, blogs, {}, {}, 0);
    EXPECT_EQ(page.find("<script"), page.rfind("<script")) << "only the page's own script";
    for (const char* markup : {"<img", "<iframe", "<a href='", "onerror=alert(1)>"})
        EXPECT_EQ(page.find(markup), std::string::npos) << markup;
    EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    EXPECT_NE(page.find("&quot;&gt;&lt;img src=x onerror=alert(1)&gt;"), std::string::npos);
    EXPECT_NE(page.find(">{Counts}{SearchYears}</a>"), std::string::npos) << "a title is not a placeholder";
}

TEST(ShippedIndexPage, CarriesTheMarkOfTheWebAndItsPlaceholdersInCodePage936) {
    const std::string text = ReadAll(DataDir() + test::kShippedTemplates + "Index.html");
    const std::string markOfTheWeb = "<!-- saved from url=(0014)about:internet -->";
    EXPECT_EQ(text.find(markOfTheWeb), 0u);
    EXPECT_EQ(text.find(markOfTheWeb, 1), std::string::npos);
    for (const char* placeholder : {"{Counts}", "{SearchYears}", "{YearLinks}", "{Years}"})
        EXPECT_NE(text.find(placeholder), std::string::npos) << placeholder;
    // The elements the search script looks for.
    for (const char* id : {"id=\"search\"", "id=\"q\"", "id=\"results\" data-years=\"{SearchYears}\""})
        EXPECT_NE(text.find(id), std::string::npos) << id;
    EXPECT_EQ(platform::Utf16ToAnsi(platform::AnsiToUtf16(text)), text);
}

// The page lies in the user folder, the templates beside it.
TEST(ShippedIndexPage, EveryFileItNamesIsShipped) {
    const std::string text = ReadAll(DataDir() + test::kShippedTemplates + "Index.html");
    const std::regex address("(href|src)=\"([^\"#]+)\"");
    int named = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), address), end; it != end; ++it, ++named) {
        const std::string address = (*it)[2];
        ASSERT_EQ(address.rfind("../Templates/", 0), 0u) << address;
        std::string file = address.substr(13);
        std::replace(file.begin(), file.end(), '/', '\\');
        EXPECT_TRUE(platform::FileExists(DataDir() + test::kShippedTemplates + file)) << address;
    }
    EXPECT_EQ(named, 2); // the style sheet and the search script
}

// What the system's browser control runs as well as a current browser: ES5 without the
// later syntax and APIs, ASCII only, so that the page's code page does not matter.
TEST(ShippedIndexPage, SearchScriptIsPlainAsciiEs5) {
    const std::string script = ReadAll(DataDir() + test::kShippedTemplates + "search.js");
    ASSERT_FALSE(script.empty());
    EXPECT_TRUE(std::all_of(script.begin(), script.end(), [](char c) {
        return (c >= 0x20 && c < 0x7F) || c == '\n' || c == '\r';
    }));
    std::string code; // without its comments
    for (size_t i = 0; i < script.size(); ++i) {
        if (script.compare(i, 2, "/*") == 0)
            i = script.find("*/", i) + 1;
        else if (script.compare(i, 2, "//") == 0 && (i == 0 || script[i - 1] != '\\'))
            i = script.find('\n', i) - 1;
        else
            code += script[i];
    }
    const std::regex later("\\blet\\b|\\bconst\\b|=>|`|\\bclass\\b|\\.\\.\\.|\\bfetch\\b|classList|"
                           "\\bPromise\\b|\\bMap\\b|\\bSet\\b|\\.forEach\\b|\\.includes\\(|addEventListener");
    std::smatch found;
    EXPECT_FALSE(std::regex_search(code, found, later)) << found.str();
    EXPECT_NE(code.find("window.NookSearchYear = function (year, list)"), std::string::npos);
    EXPECT_EQ(code.find("innerHTML"), std::string::npos) << "data go into the page as text";
}

} // namespace
} // namespace nook
