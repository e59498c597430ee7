#include "player/MovieStage.h"

#include "stage/StageDrawing.h"
#include "stage/StageMessages.h"

#include <algorithm>

namespace nook {

namespace {

constexpr UINT_PTR kFrameTimer = 1;
// A little under 33 ms, so that the timer's rounding still gives 30 frames a second.
constexpr UINT kFrameMs = 30;

} // namespace

CMovieStage::~CMovieStage() {
    Stop();
}

bool CMovieStage::CreateInPlaceOf(HWND dialog, int placeholderId) {
    HWND placeholder = GetDlgItem(dialog, placeholderId);
    if (!placeholder) return false;
    RECT rect;
    GetWindowRect(placeholder, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    DWORD style = WS_TABSTOP | WS_CLIPSIBLINGS | (GetWindowLongPtrW(placeholder, GWL_STYLE) & WS_VISIBLE);
    // Created without the id first, so that no moment has two windows with it.
    if (!CreateChild(dialog, 0, rect, style)) return false;
    SetWindowPos(Hwnd(), placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(placeholder);
    SetWindowLongPtrW(Hwnd(), GWLP_ID, placeholderId);
    hideCursor_ = (GetWindowLongPtrW(dialog, GWL_STYLE) & WS_CHILD) == 0;
    return true;
}

void CMovieStage::Play(const StageProgram& program) {
    Stop();
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&started_);
    theme_ = MakeThemeForPlugin(program.pluginFile, program.album.shuffleSeed);
    restingName_ = program.restingName;
    playMusic_ = program.music;
    noPictures_ = false;
    asked_ = 0;
    SIZE client = ClientSize();
    worker_.Start(Hwnd(), program.album, theme_->PictureBox(client), client);
    AskForPictures();
    timer_.Start(Hwnd(), kFrameTimer, kFrameMs);
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CMovieStage::Stop() {
    timer_.Stop();
    worker_.Stop();
    music_.Close();
    // Pictures posted and not yet taken are ours to free.
    MSG msg;
    while (Hwnd() && PeekMessageW(&msg, Hwnd(), WM_STAGE_ALBUM, WM_STAGE_PICTURE, PM_REMOVE)) {
        if (msg.message == WM_STAGE_ALBUM) delete reinterpret_cast<StageAlbum*>(msg.lParam);
        if (msg.message == WM_STAGE_PICTURE) delete reinterpret_cast<StagePicture*>(msg.lParam);
    }
}

double CMovieStage::Now() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return frequency_.QuadPart ? static_cast<double>(now.QuadPart - started_.QuadPart) / frequency_.QuadPart : 0.0;
}

SIZE CMovieStage::ClientSize() const {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

void CMovieStage::AskForPictures() {
    if (!theme_ || noPictures_) return;
    for (int room = std::min(theme_->Room(), kMostStagePictures); asked_ < room; ++asked_) worker_.Request();
}

void CMovieStage::OnAlbum(std::unique_ptr<StageAlbum> album) {
    if (album->board && theme_) theme_->TakeBoard(std::move(album->board));
    if (playMusic_ && !album->music.empty()) music_.Play(album->music, Hwnd());
}

void CMovieStage::OnPicture(std::unique_ptr<StagePicture> picture) {
    asked_ = std::max(0, asked_ - 1);
    if (theme_) theme_->Take(std::move(picture), Now());
    AskForPictures();
}

void CMovieStage::DrawFrame(HDC dc, SIZE client) {
    if (!noPictures_) {
        theme_->Draw(dc, client, Now());
        return;
    }
    int height = std::max(12, static_cast<int>(client.cy / 9));
    if (height != restingFontFor_) {
        restingFont_ = MakeStageFont(height);
        restingFontFor_ = height;
    }
    DrawRestingScreen(dc, client, restingFont_.Get(), restingName_);
}

void CMovieStage::Paint(HDC dc) {
    SIZE client = ClientSize();
    HDC back = buffer_.Prepare(client);
    if (!back || !theme_) return;
    LARGE_INTEGER begin, end;
    QueryPerformanceCounter(&begin);
    DrawFrame(back, client);
    buffer_.CopyTo(dc);
    QueryPerformanceCounter(&end);
    ++frames_;
    if (frequency_.QuadPart) drawingSeconds_ += static_cast<double>(end.QuadPart - begin.QuadPart) / frequency_.QuadPart;
}

LRESULT CMovieStage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TIMER:
        if (wParam == kFrameTimer) {
            // A theme may let pictures go as it moves on; it can take others then.
            AskForPictures();
            InvalidateRect(Hwnd(), nullptr, FALSE);
        }
        return 0;
    case WM_STAGE_ALBUM:
        OnAlbum(std::unique_ptr<StageAlbum>(reinterpret_cast<StageAlbum*>(lParam)));
        return 0;
    case WM_STAGE_PICTURE:
        OnPicture(std::unique_ptr<StagePicture>(reinterpret_cast<StagePicture*>(lParam)));
        return 0;
    case WM_STAGE_NO_PICTURES:
        noPictures_ = true;
        return 0;
    case MM_MCINOTIFY:
        if (wParam == MCI_NOTIFY_SUCCESSFUL) music_.Replay();
        return 0;
    case WM_ERASEBKGND:
        return TRUE; // every pixel is painted from the back buffer
    case WM_PAINT: {
        CPaintDC paint(Hwnd());
        Paint(paint.Get());
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS; // keys are the saver's, not the dialog manager's
    case WM_SETCURSOR:
        if (hideCursor_) {
            SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_DESTROY:
        Stop();
        break;
    default:
        break;
    }
    return CWindow::WindowProc(msg, wParam, lParam);
}

} // namespace nook
