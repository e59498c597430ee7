#include "app/ArchivistApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    nook::CArchivistApp app;
    return app.Run(instance);
}
