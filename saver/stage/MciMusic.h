// The album's music through the system's media player (MCI), round and round while the
// stage plays. A file the player cannot open or play is left silent; what MCI said is
// sent to the debugger's output (the saver keeps no log).
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>

namespace nook {

// The name the music's device is opened under; a test of the same process can ask MCI
// about it.
inline constexpr const wchar_t* kMusicAlias = L"NookMusic";

class CMciMusic {
  public:
    CMciMusic() = default;
    ~CMciMusic() { Close(); }
    CMciMusic(const CMciMusic&) = delete;
    CMciMusic& operator=(const CMciMusic&) = delete;

    // Opens `path` (code page 936) and plays it from the start; `window` gets
    // MM_MCINOTIFY when it ends. 0 when it plays, else MCI's error.
    MCIERROR Play(const std::string& path, HWND window);
    // From the start again, after MM_MCINOTIFY with MCI_NOTIFY_SUCCESSFUL.
    void Replay();
    void Close();

  private:
    MCIERROR Send(const std::wstring& command) const;

    HWND window_ = nullptr;
    bool open_ = false;
};

// The MCI device type for a music file, by its first bytes: album files name cached
// music by a digest, without an extension to go by.
const wchar_t* MusicDeviceType(const std::string& path);

} // namespace nook
