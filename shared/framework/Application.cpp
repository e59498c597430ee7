#include "framework/Application.h"

#include "framework/OleSession.h"
#include "framework/SocketsStartup.h"
#include "framework/Window.h"

namespace nook {

namespace {
CApplication* g_current = nullptr;
}

CApplication::CApplication() {
    g_current = this;
}

CApplication::~CApplication() {
    if (g_current == this) g_current = nullptr;
}

CApplication* CApplication::Current() {
    return g_current;
}

int CApplication::Run(HINSTANCE instance) {
    instance_ = instance;
    if (InitInstance()) {
        MSG msg;
        BOOL got;
        while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0 && got != -1) {
            // A modeless dialog as main window keeps its keyboard interface.
            HWND main = mainWindow_ ? mainWindow_->Hwnd() : nullptr;
            if (main && IsDialogMessageW(main, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (got == 0) quitCode_ = static_cast<int>(msg.wParam);
    }
    int code = ExitInstance();
    // OLE and sockets outlive every window and control of the program.
    sockets_.reset();
    ole_.reset();
    return code;
}

void CApplication::ParseCommandLine(CCommandLineInfo& info) const {
    nook::ParseCommandLine(GetCommandLineW(), info);
}

bool CApplication::EnableControlContainer() {
    if (!ole_) {
        auto session = std::make_unique<COleSession>();
        if (!session->Ok()) return false;
        ole_ = std::move(session);
    }
    return true;
}

bool CApplication::StartSockets() {
    if (!sockets_) {
        auto startup = std::make_unique<CSocketsStartup>();
        if (!startup->Ok()) return false;
        sockets_ = std::move(startup);
    }
    return true;
}

} // namespace nook
