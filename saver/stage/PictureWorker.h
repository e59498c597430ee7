// The thread that chooses the album and decodes its pictures, one per request, in the
// album's order and round again, skipping every file that is no picture. Requests are
// counted, so the window decides how many pictures exist at once: a picture is made
// only when asked for. Decoded pictures travel by posted message (StageMessages.h).
#pragma once

#include "album/AlbumContent.h"
#include "framework/KernelHandle.h"
#include "framework/Thread.h"

#include <windows.h>

#include <atomic>

namespace nook {

class CPictureWorker {
  public:
    CPictureWorker() = default;
    ~CPictureWorker() { Stop(); }
    CPictureWorker(const CPictureWorker&) = delete;
    CPictureWorker& operator=(const CPictureWorker&) = delete;

    // Starts choosing the album of `sources`; pictures are decoded to fit inside
    // `pictureBox`, the board inside `boardBox`. `window` gets the messages.
    bool Start(HWND window, const AlbumSources& sources, SIZE pictureBox, SIZE boardBox);
    // Asks for one picture more.
    void Request();
    // Ends the thread, waiting for the picture it decodes, if any.
    void Stop();

  private:
    void Run();
    // Waits for a request; false when stopping.
    bool WaitForRequest();

    HWND window_ = nullptr;
    AlbumSources sources_;
    SIZE pictureBox_{};
    SIZE boardBox_{};
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    CKernelHandle wake_; // auto-reset: a request or the stop
    CThread thread_;
};

} // namespace nook
