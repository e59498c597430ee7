// The dated log file: its name, its lines, and that level 0 writes nothing.
#include "tests/support/TestPaths.h"
#include "archive/LogFile.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>

namespace nook {
namespace {

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

TEST(LogFileName, IsThePrefixAsWrittenThenTheLocalTime) {
    const std::time_t when = LocalTime(2008, 3, 5, 9, 7, 2);
    EXPECT_EQ(LogFileName("C:\\logs\\", when), "C:\\logs\\Archivist_2008_03_05_09_07_02.log");
    EXPECT_EQ(LogFileName("C:\\logs", when), "C:\\logsArchivist_2008_03_05_09_07_02.log");
    EXPECT_EQ(LogFileName("", when), "Archivist_2008_03_05_09_07_02.log");
}

TEST(LogFile, LevelZeroOpensNoFileAndWritesNothing) {
    const std::string folder = test::ScratchDir();
    CLogFile log;
    log.OpenLogFile(0, folder);
    log.WriteLog("nothing");
    EXPECT_FALSE(log.IsOpen());
    EXPECT_FALSE(platform::FileExists(LogFileName(folder, std::time(nullptr))));
}

TEST(LogFile, WritesOneStampedLinePerMessageAndAppendsToAnExistingFile) {
    const std::string folder = test::ScratchDir();
    // The file is named after the second it is opened in: prepare both candidates.
    const std::time_t now = std::time(nullptr);
    for (std::time_t when : {now, now + 1})
        ASSERT_TRUE(platform::WriteFileAtomically(LogFileName(folder, when), "earlier\n"));

    CLogFile log;
    log.OpenLogFile(1, folder);
    ASSERT_TRUE(log.IsOpen());
    log.WriteLog("OnNookBackupResponse: Get success response of GetBlogSummary request.");
    log.WriteLog("second");
    log.Close();

    std::string text;
    for (std::time_t when : {now, now + 1}) {
        std::string candidate = test::ReadAll(LogFileName(folder, when));
        if (candidate != "earlier\n") text = candidate;
    }
    // Text mode: CR LF on Windows.
    const std::regex expected("earlier\n"
                              "\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} "
                              "OnNookBackupResponse: Get success response of GetBlogSummary request\\.\r?\n"
                              "\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} second\r?\n");
    EXPECT_TRUE(std::regex_match(text, expected)) << text;
}

TEST(LogFile, FolderThatCannotBeOpenedLeavesLoggingOff) {
    CLogFile log;
    log.OpenLogFile(1, test::ScratchDir() + "missing\\folder\\");
    EXPECT_FALSE(log.IsOpen());
    log.WriteLog("dropped");
}

} // namespace
} // namespace nook
