// How the stage draws the album: one theme per plug-in. A theme owns the pictures it
// shows and says how many more it can take; the stage asks the worker for no more than
// that, so no more than kMostStagePictures exist at once. Each frame is drawn whole
// into the stage's back buffer.
#pragma once

#include "stage/StagePicture.h"

#include <windows.h>

#include <memory>
#include <string_view>

namespace nook {

inline constexpr int kMostStagePictures = 3;

class IStageTheme {
  public:
    virtual ~IStageTheme() = default;

    // The box pictures are decoded to fit in, for a stage of `client` pixels.
    virtual SIZE PictureBox(SIZE client) const = 0;
    // How many more pictures it takes now; those held and those asked for stay within
    // kMostStagePictures.
    virtual int Room() const = 0;
    // `now`: seconds since the stage started, as for Draw.
    virtual void Take(std::unique_ptr<StagePicture> picture, double now) = 0;
    // The album's frame picture, for the themes that show one.
    virtual void TakeBoard(std::unique_ptr<StagePicture> /*board*/) {}
    // One frame of the whole client area; also moves the show on (a picture that has
    // been shown is let go here).
    virtual void Draw(HDC dc, SIZE client, double now) = 0;
};

std::unique_ptr<IStageTheme> MakeLullabyTheme(unsigned seed);
std::unique_ptr<IStageTheme> MakeOrchardTheme(unsigned seed);
std::unique_ptr<IStageTheme> MakeGlassTheme(unsigned seed);
std::unique_ptr<IStageTheme> MakeTorchTheme(unsigned seed);

// The theme of a plug-in by its library's file name ("SS_Orchard.dll"); SS_Lullaby's
// for any other name, the placeholder's empty one included.
std::unique_ptr<IStageTheme> MakeThemeForPlugin(std::string_view pluginFile, unsigned seed);

} // namespace nook
