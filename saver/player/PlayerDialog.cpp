#include "player/PlayerDialog.h"

#include "core/MovieCommand.h"
#include "core/MovieSettings.h"
#include "core/SaverFiles.h"
#include "platform/win32/WideText.h"
#include "player/MovieChoice.h"
#include "player/MovieStage.h"
#include "player/PlayerOptions.h"
#include "player/Shockwaveflash.h"
#include "res/SaverResource.h"

#include <random>
#include <utility>

namespace nook {

namespace {

std::wstring LoadText(UINT id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

} // namespace

CPlayerDialog::CPlayerDialog(HWND parent, const PluginRegistry& registry, std::string programDir)
    : CDialog(parent ? IDD_PLAYER_PREVIEW : IDD_PLAYER_FULLSCREEN), parent_(parent), registry_(registry),
      programDir_(std::move(programDir)), icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SAVER))) {}

bool CPlayerDialog::Create(const std::string& configPath) {
    configPath_ = configPath;
    return CDialog::Create(parent_);
}

bool CPlayerDialog::OnInitDialog() {
    SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    std::string configPath = configPath_.empty() ? programDir_ + kConfigFile : configPath_;
    MovieSettings settings = ReadMovieSettings(configPath);
    PlayerOptions options = ReadPlayerOptions(configPath);
    bool fullScreen = parent_ == nullptr;
    MovieChoice choice = ChooseMovie(registry_, settings, MovieView{fullScreen, programDir_});
    if (!options.flash || !PlayFlashMovie(choice.address)) PlayStage(choice, options.sound && fullScreen);
    // Set last: the title tells that the show has begun.
    SetText(choice.pluginName.empty() ? platform::FromWide(LoadText(IDS_SAVER_NAME)) : choice.pluginName);

    // Whatever the movie does, the user's first input ends a full-screen show.
    if (fullScreen) inputWatch_.Start([this] { PostMessageW(Hwnd(), WM_CLOSE, 0, 0); });
    return true;
}

bool CPlayerDialog::PlayFlashMovie(const std::string& address) {
    IMovieEvents& events = *this;
    auto flash = std::make_unique<CShockwaveflash>(events);
    if (FAILED(flash->CreateInPlaceOf(Hwnd(), IDC_MOVIE))) return false;
    CShockwaveflash& movie = *flash;
    control_ = std::move(flash);
    Place();
    movie.SetBackgroundColor(0);
    movie.LoadMovie(0, address);
    return true;
}

void CPlayerDialog::PlayStage(const MovieChoice& choice, bool music) {
    auto stage = std::make_unique<CMovieStage>();
    if (!stage->CreateInPlaceOf(Hwnd(), IDC_MOVIE)) return;
    CMovieStage& shown = *stage;
    control_ = std::move(stage);
    Place();
    StageProgram program;
    program.pluginFile = choice.pluginFile;
    program.album = AlbumSources{programDir_, choice.albumData, std::random_device{}()};
    program.music = music;
    program.restingName = LoadText(IDS_SAVER_NAME);
    shown.Play(program);
}

void CPlayerDialog::Place() {
    RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (parent_) {
        GetWindowRect(parent_, &rect);
        MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&rect), 2);
    }
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    SetWindowPos(Hwnd(), nullptr, rect.left, rect.top, width, height, SWP_NOZORDER | SWP_SHOWWINDOW);
    // The control gets the same rectangle: the dialog has neither caption nor border,
    // and the screen and a borderless preview window both start at the origin.
    if (control_) SetWindowPos(control_->Hwnd(), HWND_TOP, rect.left, rect.top, width, height, SWP_SHOWWINDOW);
}

void CPlayerDialog::OnFSCommand(const std::string& command, const std::string& arguments) {
    // Always the file beside the program: that is the one the next start reads by default.
    // The command comes from inside the control, which must not be destroyed (with this
    // dialog) under its own feet: the window closes from the message queue instead.
    if (HandleMovieCommand(command, arguments, programDir_ + kConfigFile) == MovieCommandResult::Exit)
        PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
}

} // namespace nook
