#include "app/SaverApp.h"

#include "app/SaverCommandLine.h"
#include "app/SuiteHandOver.h"
#include "core/SaverStart.h"
#include "player/PlayerDialog.h"
#include "res/SaverResource.h"
#include "util/ProgramDir.h"

#include <commctrl.h>

namespace nook {

bool CSaverApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    if (!StartSockets()) {
        wchar_t text[128] = {};
        LoadStringW(Instance(), IDS_SOCKETS_FAILED, text, 128);
        MessageBoxW(nullptr, text, nullptr, MB_OK | MB_ICONERROR);
        return false;
    }
    EnableControlContainer();

    CSaverCommandLine commandLine;
    ParseCommandLine(commandLine);
    SaverStart start = ChooseSaverStart(commandLine.Params());
    if (start.mode == SaverMode::Configure) {
        HandOverToSuite();
        return false;
    }

    std::string programDir = ProgramDir();
    registry_.Load(programDir);
    HWND parent = start.mode == SaverMode::Preview ? reinterpret_cast<HWND>(start.parentHandle) : nullptr;
    auto* player = new CPlayerDialog(parent, registry_, programDir);
    if (!player->Create(start.configPath)) {
        // No window was made, so the dialog never got the message that deletes it.
        delete player;
        return false;
    }
    SetMainWindow(player);
    return true;
}

int CSaverApp::ExitInstance() {
    registry_.Clear();
    return CApplication::ExitInstance();
}

} // namespace nook
