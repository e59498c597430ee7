// The handful of states the main dialog moves between during a backup, and what each
// one makes available: every action button is shown active or as its inactive twin, and
// the archive tree is enabled or not.
#pragma once

namespace nook {

enum class BackupState {
    LoggedOut,         // login dialog cancelled; summary failed
    Busy,              // a request is under way
    Ready,             // summary: nothing new
    ReadyToBackUp,     // summary: something new; list failed
    DownloadingPhotos, // list stored, photos being fetched
    Done,              // list stored and its photos handled
};

struct StateControls {
    bool login;
    bool backup;
    bool refresh;
    bool tree;
};

constexpr StateControls ControlsOf(BackupState state) {
    switch (state) {
    case BackupState::LoggedOut: return {true, false, false, true};
    case BackupState::Busy: return {false, false, false, false};
    case BackupState::Ready: return {false, false, true, true};
    case BackupState::ReadyToBackUp: return {false, true, true, true};
    case BackupState::DownloadingPhotos: return {false, false, false, false};
    case BackupState::Done: return {false, false, true, true};
    }
    return {false, false, false, false};
}

} // namespace nook
