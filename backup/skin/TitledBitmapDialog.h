#pragma once

#include "framework/GdiHandles.h"
#include "skin/BitmapDialog.h"
#include "skin/ClearLabel.h"

#include <string>

namespace nook {

// A bitmap dialog shaped by its magenta-keyed background, with a title drawn over the
// bitmap's title band and moved by a press anywhere.
class CTitledBitmapDialog : public CBitmapDialog {
  public:
    // The background is bitmap `backgroundId` of the program, unless SetBackgroundSource
    // names another before the dialog opens.
    CTitledBitmapDialog(int templateId, int backgroundId);

    // Code page 936.
    void SetTitle(std::string title) { title_ = std::move(title); }
    // `module` null means the program.
    void SetBackgroundSource(HINSTANCE module, int backgroundId);

  protected:
    bool OnInitDialog() override;

  private:
    std::string title_;
    HINSTANCE backgroundModule_ = nullptr;
    int backgroundId_;
    CClearLabel titleLabel_;
    CFontHandle titleFont_;
};

} // namespace nook
