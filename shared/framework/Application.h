// The application object: start-up, the main window and the message loop.
#pragma once

#include "framework/CommandLineInfo.h"

#include <windows.h>

#include <memory>

namespace nook {

class CWindow;
class COleSession;
class CSocketsStartup;

class CApplication {
  public:
    // One application object per process; it registers itself as Current.
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    static CApplication* Current();

    // InitInstance; when it returns true, the message loop until WM_QUIT; then
    // ExitInstance, whose result is the process exit code.
    int Run(HINSTANCE instance);

    HINSTANCE Instance() const { return instance_; }
    // Not owned. When the main window is destroyed the message loop ends.
    CWindow* MainWindow() const { return mainWindow_; }
    void SetMainWindow(CWindow* window) { mainWindow_ = window; }

    // Hands this process's command line to `info`, word by word.
    void ParseCommandLine(CCommandLineInfo& info) const;
    // Initialises OLE on this thread so that dialogs can host ActiveX controls.
    bool EnableControlContainer();
    // Windows Sockets 1.1.
    bool StartSockets();

  protected:
    virtual bool InitInstance() { return false; }
    // The exit code; the framework's own is the WM_QUIT code (0 without a loop).
    virtual int ExitInstance() { return quitCode_; }

  private:
    HINSTANCE instance_ = nullptr;
    CWindow* mainWindow_ = nullptr;
    int quitCode_ = 0;
    std::unique_ptr<COleSession> ole_;
    std::unique_ptr<CSocketsStartup> sockets_;
};

} // namespace nook
