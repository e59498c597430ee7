#include "player/PlayerDialog.h"

#include "core/MovieCommand.h"
#include "core/MovieSettings.h"
#include "core/SaverFiles.h"
#include "platform/win32/WideText.h"
#include "player/MovieChoice.h"
#include "player/MovieStage.h"
#include "player/Shockwaveflash.h"
#include "res/SaverResource.h"
#include "util/ProgramDir.h"

namespace nook {

namespace {

std::string LoadText(UINT id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? platform::FromWide(std::wstring_view(text, static_cast<size_t>(length)))
                      : std::string();
}

} // namespace

CPlayerDialog::CPlayerDialog(HWND parent, const PluginRegistry& registry)
    : CDialog(parent ? IDD_PLAYER_PREVIEW : IDD_PLAYER_FULLSCREEN), parent_(parent), registry_(registry),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SAVER))) {}

bool CPlayerDialog::Create(const std::string& configPath) {
    configPath_ = configPath;
    return CDialog::Create(parent_);
}

bool CPlayerDialog::OnInitDialog() {
    CreateMovieControl();
    SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    Place();
    control_->SetBackgroundColor(0);
    PlayConfiguredMovie();
    return true;
}

void CPlayerDialog::CreateMovieControl() {
    IMovieEvents& events = *this;
    auto flash = std::make_unique<CShockwaveflash>(events);
    if (SUCCEEDED(flash->CreateInPlaceOf(Hwnd(), IDC_MOVIE))) {
        control_ = std::move(flash);
        return;
    }
    auto stage = std::make_unique<CMovieStage>(events);
    stage->CreateInPlaceOf(Hwnd(), IDC_MOVIE);
    control_ = std::move(stage);
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
    SetWindowPos(control_->ControlWindow(), HWND_TOP, rect.left, rect.top, width, height, SWP_SHOWWINDOW);
}

void CPlayerDialog::PlayConfiguredMovie() {
    std::string programDir = ProgramDir();
    MovieSettings settings = ReadMovieSettings(configPath_.empty() ? programDir + kConfigFile : configPath_);
    MovieChoice choice = ChooseMovie(registry_, settings, MovieView{parent_ == nullptr, programDir});
    SetText(choice.pluginName.empty() ? LoadText(IDS_SAVER_NAME) : choice.pluginName);
    control_->LoadMovie(0, choice.address);
}

void CPlayerDialog::OnFSCommand(const std::string& command, const std::string& arguments) {
    // Always the file beside the program: that is the one the next start reads by default.
    // The command comes from inside the control, which must not be destroyed (with this
    // dialog) under its own feet: the window closes from the message queue instead.
    if (HandleMovieCommand(command, arguments, ProgramDir() + kConfigFile) == MovieCommandResult::Exit)
        PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
}

} // namespace nook
