#include "stage/MciMusic.h"

#include "platform/Files.h"
#include "platform/win32/WideText.h"
#include "util/FileHandle.h"

#include <cstdio>
#include <cstring>

namespace nook {

const wchar_t* MusicDeviceType(const std::string& path) {
    char head[12] = {};
    CFileHandle file(platform::OpenFile(path, "rb"));
    size_t got = file ? std::fread(head, 1, sizeof(head), file.Get()) : 0;
    if (got == sizeof(head) && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0)
        return L"waveaudio";
    if (got >= 4 && std::memcmp(head, "MThd", 4) == 0) return L"sequencer";
    return L"mpegvideo"; // MP3, WMA and the rest go through the system's media graph
}

MCIERROR CMciMusic::Send(const std::wstring& command) const {
    MCIERROR error = mciSendStringW(command.c_str(), nullptr, 0, window_);
    if (error != 0) {
        wchar_t text[256] = {};
        mciGetErrorStringW(error, text, 256);
        OutputDebugStringW((L"NookSS: MCI \"" + command + L"\": " + text + L"\n").c_str());
    }
    return error;
}

MCIERROR CMciMusic::Play(const std::string& path, HWND window) {
    Close();
    window_ = window;
    std::wstring alias = kMusicAlias;
    MCIERROR error = Send(L"open \"" + platform::ToWide(path) + L"\" type " + MusicDeviceType(path) + L" alias " + alias);
    if (error != 0) return error;
    open_ = true;
    error = Send(L"play " + alias + L" from 0 notify");
    if (error != 0) Close();
    return error;
}

void CMciMusic::Replay() {
    if (open_) Send(std::wstring(L"play ") + kMusicAlias + L" from 0 notify");
}

void CMciMusic::Close() {
    if (open_) Send(std::wstring(L"close ") + kMusicAlias);
    open_ = false;
}

} // namespace nook
