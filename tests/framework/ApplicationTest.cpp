#include "tests/framework/TestDialogs.h"
#include "framework/Application.h"
#include "framework/Dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A modeless dialog as main window that closes itself once the loop runs.
class SelfClosingApp : public nook::CApplication {
  public:
    bool initResult = true;
    std::vector<std::string> log;
    nook::CDialog dialog{IDD_EXCHANGE};

  protected:
    bool InitInstance() override {
        log.push_back("init");
        if (!initResult) return false;
        if (!StartSockets() || !EnableControlContainer() || !dialog.Create()) return false;
        SetMainWindow(&dialog);
        dialog.Post(WM_CLOSE);
        return true;
    }
    int ExitInstance() override {
        log.push_back(MainWindow() ? "exit with main window" : "exit");
        return CApplication::ExitInstance() + 7;
    }
};

TEST(Application, DestroyingTheMainWindowEndsTheLoop) {
    SelfClosingApp app;
    EXPECT_EQ(nook::CApplication::Current(), &app);
    EXPECT_EQ(app.Run(GetModuleHandleW(nullptr)), 7);
    EXPECT_EQ(app.log, (std::vector<std::string>{"init", "exit"}));
    EXPECT_EQ(app.dialog.Hwnd(), nullptr);
}

TEST(Application, FailedInitialisationSkipsTheLoopButStillExits) {
    SelfClosingApp app;
    app.initResult = false;
    EXPECT_EQ(app.Run(GetModuleHandleW(nullptr)), 7);
    EXPECT_EQ(app.log, (std::vector<std::string>{"init", "exit"}));
}

} // namespace
