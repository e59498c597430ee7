#include "skin/TitledBitmapDialog.h"

#include "platform/win32/WideText.h"
#include "skin/SkinColours.h"

namespace nook {

namespace {

const RECT kTitleRect{8, 6, 200, 18};
constexpr int kTitleTenthsOfPoint = 96;
const wchar_t kTitleFace[] = L"\u5b8b\u4f53"; // 宋体

// As a point size turns into a font height on this display.
HFONT CreateTitleFont(HWND hwnd) {
    HDC dc = GetDC(hwnd);
    int height = -MulDiv(kTitleTenthsOfPoint, GetDeviceCaps(dc, LOGPIXELSY), 720);
    ReleaseDC(hwnd, dc);
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, kTitleFace, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

} // namespace

CTitledBitmapDialog::CTitledBitmapDialog(int templateId, int backgroundId)
    : CBitmapDialog(templateId), backgroundId_(backgroundId) {}

void CTitledBitmapDialog::SetBackgroundSource(HINSTANCE module, int backgroundId) {
    backgroundModule_ = module;
    backgroundId_ = backgroundId;
}

bool CTitledBitmapDialog::OnInitDialog() {
    CBitmapDialog::OnInitDialog();

    HWND label = CreateWindowExW(0, L"STATIC", platform::ToWide(title_).c_str(),
                                 WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX,
                                 kTitleRect.left, kTitleRect.top, kTitleRect.right - kTitleRect.left,
                                 kTitleRect.bottom - kTitleRect.top, Hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (label) {
        titleLabel_.Subclass(label);
        titleFont_.Reset(CreateTitleFont(label));
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.Get()), FALSE);
    }

    HINSTANCE module = backgroundModule_ ? backgroundModule_ : GetModuleHandleW(nullptr);
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(backgroundId_), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (SetBackgroundBitmap(bitmap, kMagenta) == CShapedBackground::kDone) {
        SetWindowPos(Hwnd(), nullptr, 0, 0, BackgroundBitmap().Width(), BackgroundBitmap().Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetPlacement(kCentre, true);
    SetDragAnywhere(true);
    return true;
}

} // namespace nook
