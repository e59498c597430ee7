// NookBackup's command line: each switch with the plain argument after it.
#include "app/ArchivistCommandLineInfo.h"

#include <gtest/gtest.h>

namespace nook {
namespace {

CArchivistCommandLineInfo Parse(const wchar_t* commandLine) {
    CArchivistCommandLineInfo info;
    ParseCommandLine(commandLine, info);
    return info;
}

std::string Param(const CArchivistCommandLineInfo& info, const char* name) {
    std::string value = "<absent>";
    info.GetParam(name, value);
    return value;
}

TEST(ArchivistCommandLine, TakesUserAndDigestAndTheBackupSwitch) {
    auto info = Parse(L"NookBackup.exe /user alice -pass 0123456789abcdef0123456789abcdef /backup");
    EXPECT_EQ(Param(info, "user"), "alice");
    EXPECT_EQ(Param(info, "pass"), "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(Param(info, "backup"), "TRUE");
}

TEST(ArchivistCommandLine, SwitchWithoutValueIsTrueAndStrayWordsAreIgnored) {
    auto info = Parse(L"NookBackup.exe stray /user");
    EXPECT_EQ(Param(info, "user"), "TRUE");
    EXPECT_EQ(Param(info, "stray"), "<absent>");
}

TEST(ArchivistCommandLine, LaterRepetitionWinsAndNamesAreCaseSensitive) {
    auto info = Parse(L"NookBackup.exe /user alice /user bob /USER carol");
    EXPECT_EQ(Param(info, "user"), "bob");
    EXPECT_EQ(Param(info, "USER"), "carol");
}

TEST(ArchivistCommandLine, ChineseUserNameArrivesInCodePage936) {
    auto info = Parse(L"NookBackup.exe /user \u8c46\u8c46\u5988\u5988");
    EXPECT_EQ(Param(info, "user"), "\xb6\xb9\xb6\xb9\xc2\xe8\xc2\xe8");
}

} // namespace
} // namespace nook
