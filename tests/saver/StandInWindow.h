// A top-level window of the test's own thread that stands in for another program's
// window: the desktop suite's main window, or the system's screen saver settings with
// their preview.
#pragma once

#include <windows.h>

namespace nook::test {

class CStandInWindow {
  public:
    explicit CStandInWindow(const wchar_t* title, DWORD style = WS_OVERLAPPEDWINDOW);
    ~CStandInWindow();
    CStandInWindow(const CStandInWindow&) = delete;
    CStandInWindow& operator=(const CStandInWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }

    // Counts `message` (a registered message) and keeps its parameters.
    void Expect(UINT message) { expected_ = message; }
    int Received() const { return received_; }
    WPARAM LastWParam() const { return wParam_; }
    LPARAM LastLParam() const { return lParam_; }

    // A child that plays the part of the settings' preview window.
    HWND AddPreview();

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    UINT expected_ = 0;
    int received_ = 0;
    WPARAM wParam_ = 0;
    LPARAM lParam_ = 0;
};

} // namespace nook::test
