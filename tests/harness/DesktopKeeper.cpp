// Holds Wine's desktop for a whole test run. The first program that needs the desktop
// starts its process, which inherits that program's standard handles; a test doing so
// would keep CTest waiting on its output pipe for as long as the desktop lives. Started
// first with no caller's pipes, this program owns that start and keeps the desktop up
// until the wine server is stopped.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
