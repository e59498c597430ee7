// The one window of the screen saver: a modeless dialog, full screen (no parent) or
// filling the system's preview window (a parent). It shows the family's album on the
// stage in the configured plug-in's theme or, when the configuration asks for Flash and
// the control is installed, plays the plug-in's movie and stores the commands the movie
// sends. In full screen the first input ends it. It deletes itself when its window is
// destroyed; destroying it ends the program.
#pragma once

#include "framework/Dialog.h"
#include "player/InputWatch.h"
#include "player/MovieEvents.h"

#include <memory>
#include <string>

namespace nook {

class PluginRegistry;
struct MovieChoice;

class CPlayerDialog final : public CDialog, private IMovieEvents {
  public:
    // `parent` null plays full screen. `registry` (not owned) outlives the dialog.
    // `programDir` is the saver's folder, with its trailing backslash.
    CPlayerDialog(HWND parent, const PluginRegistry& registry, std::string programDir);

    // `configPath` empty: "SSConfig.XML" beside the program.
    bool Create(const std::string& configPath);

  protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { DestroyWindow(Hwnd()); }
    void OnFinalMessage() override { delete this; }

  private:
    bool PlayFlashMovie(const std::string& address);
    void PlayStage(const MovieChoice& choice, bool music);
    void Place();
    void OnFSCommand(const std::string& command, const std::string& arguments) override;

    HWND parent_;
    const PluginRegistry& registry_;
    std::string programDir_;
    std::string configPath_;
    HICON icon_;
    // The Flash control or the stage, in place of the template's placeholder.
    std::unique_ptr<CWindow> control_;
    CInputWatch inputWatch_;
};

} // namespace nook
