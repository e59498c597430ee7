#include "archive/Archive.h"

#include "tests/backup/ArchiveTestSupport.h"
#include "tests/support/TestPaths.h"
#include "app/settings/SettingsStore.h"
#include "platform/CodePage.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace {

using nook::test::DataDir;
using nook::test::kShippedTemplates;
using nook::test::ReadAll;

const std::string kMarkOfTheWeb = "<!-- saved from url=(0014)about:internet -->";

// Whole pages carry the mark of the web as their first line; the fragments that go
// inside them do not repeat it.
TEST(ShippedTemplates, PagesCarryTheMarkOfTheWebAndEveryTemplateItsPlaceholders) {
    struct Case {
        const char* name;
        std::vector<const char*> placeholders;
    } cases[] = {
        {"BlogView.html",
         {"{BlogClass}", "{CharacterIcon}", "{CharacterName}", "{MoodIcon}", "{MoodName}", "{WeatherIcon}",
          "{WeatherName}", "{BlogTitle}", "{BlogContent}", "{BlogTime}", "{LastUpdateTime}", "{CommentCount}",
          "{ReadCount}", "{IsMemory}", "{IsEditorChoice}", "{CommentList}", "{Navigation}"}},
        {"Comment.html", {"{GuestName}", "{CommentDateTime}", "{CommentContent}", "{ReplyContent}"}},
        {"Twitter.html", {"{TwitterTime}", "{TwitterContent}"}},
        {"TwitterList.html", {"{TwitterList}", "{Navigation}"}},
        {"Navigation.html", {"{PreviousLink}", "{NextLink}", "href=\"../../index.html\""}},
        {"YearBook.html",
         {"{BookYear}", "{DiaryCount}", "{CommentCount}", "{PostCount}", "{PhotoCount}", "{BookDiaries}",
          "{BookPosts}", "href=\"../../Templates/diary.css\"", "href=\"../index.html\""}},
        {"BookMonth.html", {"{BookMonth}", "{BookMonthContent}"}},
        {"BookPosts.html", {"{BookMonth}", "{BookMonthContent}"}},
        {"BookDiary.html",
         {"{BlogTitle}", "{BlogTime}", "{BlogClass}", "{CharacterName}", "{MoodName}", "{WeatherName}",
          "{BlogContent}", "{CommentCount}", "{CommentList}"}},
    };
    for (const Case& c : cases) {
        std::string text = ReadAll(DataDir() + kShippedTemplates + c.name);
        const bool wholePage = std::string(c.name) == "BlogView.html" ||
                               std::string(c.name) == "TwitterList.html" || std::string(c.name) == "YearBook.html";
        EXPECT_EQ(text.find(kMarkOfTheWeb), wholePage ? 0u : std::string::npos) << c.name;
        for (const char* placeholder : c.placeholders)
            EXPECT_NE(text.find(placeholder), std::string::npos) << c.name << " " << placeholder;
        // Code page 936 throughout: the text survives a round trip through UTF-16.
        EXPECT_EQ(platform::Utf16ToAnsi(platform::AnsiToUtf16(text)), text) << c.name;
    }
}

TEST(ShippedTemplates, EveryImageTheyNameIsInstalled) {
    const std::string dir = DataDir() + kShippedTemplates;
    EXPECT_TRUE(platform::FileExists(dir + "diary.css"));
    EXPECT_TRUE(platform::FileExists(dir + "images\\epush.gif"));
    struct Icons {
        const char* folder;
        int count;
    } icons[] = {{"character", 3}, {"mood", 7}, {"weather", 6}};
    for (const Icons& set : icons)
        for (int code = 1; code <= set.count; ++code)
            EXPECT_TRUE(
                platform::FileExists(dir + "images\\" + set.folder + "\\" + std::to_string(code) + ".png"))
                << set.folder << " " << code;
}

TEST(ShippedTemplates, RenderedPagesStartWithTheMarkOfTheWebAndCarryItOnce) {
    std::string dir = nook::test::ProgramFolderWithTemplates(kShippedTemplates);
    nook::CSettingsStore settings(dir);
    settings.User().userName = "mimi";
    nook::CArchive archive(dir, settings, nullptr);
    ASSERT_EQ(
        archive.StoreBackup(nook::ParseBlogListAnswer(nook::test::BackupFixture("list_answer.xml"))).result,
        0);
    for (const char* page : {"2008\\5\\7.html", "2008\\6\\9.html", "2008\\5\\TwitterList.html",
                             "2008\\book.html", "2007\\book.html"}) {
        std::string text = ReadAll(dir + "mimi\\" + page);
        EXPECT_EQ(text.rfind(kMarkOfTheWeb, 0), 0u) << page;
        EXPECT_EQ(text.find(kMarkOfTheWeb, 1), std::string::npos) << page;
        EXPECT_EQ(text.find("<script>"), std::string::npos) << page;
        EXPECT_EQ(text.find("{"), std::string::npos) << page; // every placeholder filled
    }
}

} // namespace
