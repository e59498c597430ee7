#include "app/SaverApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    nook::CSaverApp app;
    return app.Run(instance);
}
