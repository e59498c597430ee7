#include "framework/CommandLineInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Call {
    std::string text;
    bool isSwitch;
    bool isLast;
    bool operator==(const Call& o) const {
        return text == o.text && isSwitch == o.isSwitch && isLast == o.isLast;
    }
};

std::ostream& operator<<(std::ostream& os, const Call& c) {
    return os << "{\"" << c.text << "\", " << c.isSwitch << ", " << c.isLast << "}";
}

class RecordingInfo : public nook::CCommandLineInfo {
  public:
    void ParseParam(const std::string& text, bool isSwitch, bool isLast) override {
        calls.push_back({text, isSwitch, isLast});
        CCommandLineInfo::ParseParam(text, isSwitch, isLast);
    }
    std::vector<Call> calls;
};

struct Case {
    const char* name;
    const wchar_t* commandLine;
    std::vector<Call> expected;
};

const Case kCases[] = {
    {"ProgramOnly", L"NookBackup.exe", {}},
    {"UserAndPass",
     L"NookBackup.exe /user alice -pass 0cc175b9c0f1b6a831c399e269772661",
     {{"user", true, false},
      {"alice", false, false},
      {"pass", true, false},
      {"0cc175b9c0f1b6a831c399e269772661", false, true}}},
    {"QuotedProgramAndPreviewHandle",
     L"\"C:\\Program Files\\Nook\\NookSS.scr\" /p 1234",
     {{"p", true, false}, {"1234", false, true}}},
    {"SwitchWithColonStaysOneWord", L"NookSS.scr /c:1234", {{"c:1234", true, true}}},
    {"QuotedPathWithBlanks",
     L"NookSS.scr /s /f \"C:\\my files\\SSConfig.XML\"",
     {{"s", true, false}, {"f", true, false}, {"C:\\my files\\SSConfig.XML", false, true}}},
    // "张三" arrives as code page 936 bytes.
    {"ChineseWordInCodePage936",
     L"NookBackup.exe /user \u5f20\u4e09",
     {{"user", true, false}, {"\xd5\xc5\xc8\xfd", false, true}}},
    {"LoneSlashIsSwitchWithEmptyName", L"NookBackup.exe /", {{"", true, true}}},
    {"EmptyQuotedWordIsPlain", L"NookBackup.exe \"\" /x", {{"", false, false}, {"x", true, true}}},
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ParseCommandLineTest : public testing::TestWithParam<Case> {};

TEST_P(ParseCommandLineTest, CallsParseParamOncePerWordInOrder) {
    RecordingInfo info;
    nook::ParseCommandLine(GetParam().commandLine, info);
    EXPECT_EQ(info.calls, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ParseCommandLineTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
