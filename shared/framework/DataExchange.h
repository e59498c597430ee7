#pragma once

#include <windows.h>

#include <string>

namespace nook {

// Moves values between a dialog's members and its controls, in one direction per pass:
// into the controls when loading, out of them when saving. Text is code page 936.
class CDataExchange {
  public:
    CDataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    bool Saving() const { return saving_; }
    // False when some control named in the pass does not exist.
    bool Ok() const { return ok_; }

    // An edit (or any control with window text).
    void Text(int id, std::string& value);
    // A check box: 0 unchecked, 1 checked, 2 indeterminate.
    void Check(int id, int& value);

  private:
    HWND Control(int id);

    HWND dialog_;
    bool saving_;
    bool ok_ = true;
};

} // namespace nook
