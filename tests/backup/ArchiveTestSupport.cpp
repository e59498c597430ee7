#include "tests/backup/ArchiveTestSupport.h"

#include "tests/support/TestPaths.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace nook::test {

const char kPlainTemplates[] = "backup\\templates\\";
const char kShippedTemplates[] = "..\\..\\backup\\Templates\\";

std::string ProgramFolderWithTemplates(const std::string& templatesFolder) {
    std::string dir = ScratchDir();
    EXPECT_NE(platform::MakeDirectory(dir + "Templates"), platform::MakeDirResult::Failed);
    for (const char* name : {"BlogView.html", "Comment.html", "Twitter.html", "TwitterList.html"})
        EXPECT_TRUE(
            platform::CopyFileTo(DataDir() + templatesFolder + name, dir + "Templates\\" + name, true))
            << name;
    return dir;
}

std::string BackupFixture(const char* name) {
    return ReadAll(DataDir() + "backup\\" + name);
}

} // namespace nook::test
