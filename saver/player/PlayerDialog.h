// The one window of the screen saver: a modeless dialog, full screen (no parent) or
// filling the system's preview window (a parent), that plays the configured plug-in's
// movie and stores the commands the movie sends. It deletes itself when its window is
// destroyed; destroying it ends the program.
#pragma once

#include "framework/Dialog.h"
#include "player/MovieControl.h"

#include <memory>
#include <string>

namespace nook {

class PluginRegistry;

class CPlayerDialog final : public CDialog, private IMovieEvents {
  public:
    // `parent` null plays full screen. `registry` (not owned) outlives the dialog.
    CPlayerDialog(HWND parent, const PluginRegistry& registry);

    // `configPath` empty: "SSConfig.XML" beside the program.
    bool Create(const std::string& configPath);

  protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { DestroyWindow(Hwnd()); }
    void OnFinalMessage() override { delete this; }

  private:
    void CreateMovieControl();
    void Place();
    void PlayConfiguredMovie();
    void OnFSCommand(const std::string& command, const std::string& arguments) override;

    HWND parent_;
    const PluginRegistry& registry_;
    std::string configPath_;
    HICON icon_;
    std::unique_ptr<IMovieControl> control_;
};

} // namespace nook
