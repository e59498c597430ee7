// The stage: what the screen saver shows where no Flash player is used (none is
// installed on current systems). It plays the family's album in the configured
// plug-in's theme: a worker thread chooses the album and decodes its pictures, the
// theme draws ~30 frames a second into a back buffer, and the album's music plays when
// asked for. Input is the player window's business, not the stage's.
#pragma once

#include "album/AlbumContent.h"
#include "framework/GdiHandles.h"
#include "framework/Window.h"
#include "framework/WindowTimer.h"
#include "stage/BackBuffer.h"
#include "stage/MciMusic.h"
#include "stage/PictureWorker.h"
#include "stage/StageTheme.h"

#include <memory>
#include <string>

namespace nook {

struct StageAlbum;
struct StagePicture;

// What the stage plays.
struct StageProgram {
    std::string pluginFile; // the plug-in's library file name, which picks the theme
    AlbumSources album;
    bool music = false;       // play the album's music
    std::wstring restingName; // shown when the album has no picture at all
};

class CMovieStage final : public CWindow {
  public:
    CMovieStage() = default;
    ~CMovieStage() override;

    // Takes the place, id and visibility of the dialog's placeholder control.
    bool CreateInPlaceOf(HWND dialog, int placeholderId);
    // Starts the show at the window's present size.
    void Play(const StageProgram& program);

    // Frames drawn so far, and the time they took to draw, for the benchmarks.
    unsigned FramesDrawn() const { return frames_; }
    double DrawingSeconds() const { return drawingSeconds_; }

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    double Now() const;
    SIZE ClientSize() const;
    void AskForPictures();
    void OnAlbum(std::unique_ptr<StageAlbum> album);
    void OnPicture(std::unique_ptr<StagePicture> picture);
    void Paint(HDC dc);
    void DrawFrame(HDC dc, SIZE client);
    void Stop();

    std::unique_ptr<IStageTheme> theme_;
    CPictureWorker worker_;
    CMciMusic music_;
    CBackBuffer buffer_;
    CWindowTimer timer_;
    CFontHandle restingFont_;
    int restingFontFor_ = 0;
    std::wstring restingName_;
    bool playMusic_ = false;
    bool noPictures_ = false;
    bool hideCursor_ = false;
    int asked_ = 0; // pictures asked of the worker and not yet received
    LARGE_INTEGER started_{};
    LARGE_INTEGER frequency_{};
    unsigned frames_ = 0;
    double drawingSeconds_ = 0.0;
};

} // namespace nook
