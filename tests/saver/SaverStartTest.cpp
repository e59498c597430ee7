// The start mode from a command line, split into words as the framework does.
#include "app/SaverCommandLine.h"
#include "core/SaverStart.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using nook::SaverMode;

struct StartCase {
    const char* name;
    const wchar_t* commandLine;
    SaverMode mode;
    intptr_t parent;
    const char* configPath;
};

// Test names and failure messages show the case, not its bytes.
void PrintTo(const StartCase& c, std::ostream* out) {
    *out << c.name;
}

const StartCase kCases[] = {
    {"FullScreenWinsOverPreview", L"NookSS.scr /s /p 1234", SaverMode::FullScreen, 0, ""},
    {"PreviewWithItsParent", L"NookSS.scr /p 1234", SaverMode::Preview, 1234, ""},
    {"BarePreviewHasNoParent", L"NookSS.scr /p", SaverMode::Preview, 0, ""},
    {"KeysAreCaseSensitive", L"NookSS.scr /S", SaverMode::Configure, 0, ""},
    {"DashIsASwitchToo", L"NookSS.scr -s", SaverMode::FullScreen, 0, ""},
    {"ConfigureWithAHandleIsConfigure", L"NookSS.scr /c:1234", SaverMode::Configure, 0, ""},
    {"NoArgumentsConfigure", L"NookSS.scr", SaverMode::Configure, 0, ""},
    {"ConfigurationFile", L"NookSS.scr /s /f \"C:\\My Files\\\u5B9D.XML\"", SaverMode::FullScreen, 0,
     "C:\\My Files\\\xB1\xA6.XML"},
};

class SaverStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(SaverStart, ModeFromTheCommandLine) {
    nook::CSaverCommandLine commandLine;
    nook::ParseCommandLine(GetParam().commandLine, commandLine);
    nook::SaverStart start = nook::ChooseSaverStart(commandLine.Params());
    EXPECT_EQ(start.mode, GetParam().mode);
    EXPECT_EQ(start.parentHandle, GetParam().parent);
    EXPECT_EQ(start.configPath, GetParam().configPath);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, SaverStart, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
