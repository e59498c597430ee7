#include "tests/backup/ArchiveTestSupport.h"

#include "app/settings/SettingsStore.h"
#include "platform/Files.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

namespace nook::test {

const char kPlainTemplates[] = "backup\\templates\\";
const char kShippedTemplates[] = "..\\..\\backup\\Templates\\";

std::string ProgramFolderWithTemplates(const std::string& templatesFolder) {
    std::string dir = ScratchDir();
    EXPECT_NE(platform::MakeDirectory(dir + "Templates"), platform::MakeDirResult::Failed);
    for (const char* name :
         {"BlogView.html", "Comment.html", "Twitter.html", "TwitterList.html", "Index.html",
          "Navigation.html", "YearBook.html", "BookMonth.html", "BookDiary.html", "BookPosts.html"})
        EXPECT_TRUE(
            platform::CopyFileTo(DataDir() + templatesFolder + name, dir + "Templates\\" + name, true))
            << name;
    return dir;
}

void LinkPlainPages(const std::string& programDir) {
    for (const char* name : {"BlogView.html", "TwitterList.html"}) {
        const std::string path = programDir + "Templates\\" + name;
        EXPECT_TRUE(platform::WriteFileAtomically(path, ReadAll(path) + "nav={Navigation}\n")) << name;
    }
}

BlogEntry DiaryEntry(int32_t id, const std::string& title, const std::string& created,
                     const std::string& content) {
    BlogEntry blog;
    blog.id = id;
    blog.title = title;
    blog.createTime = created;
    blog.content = content;
    return blog;
}

void SaveEarlierMarks(CSettingsStore& settings, const std::string& userName) {
    UserSettings& user = settings.User();
    user.userName = userName;
    user.marks.lastBlogId = 6;
    user.marks.lastCommentId = 100;
    user.marks.lastTwitterId = 29;
    user.marks.lastBackupTime = "2008-01-01 00:00:00";
    EXPECT_TRUE(settings.SaveSettings());
}

std::string BackupFixture(const char* name) {
    return ReadAll(DataDir() + "backup\\" + name);
}

} // namespace nook::test
