// The stage at the size of the screen, each theme in turn, showing an archive of
// thousands of 12-megapixel photos (hard links of a few made here): the frames it
// draws a second, what a frame costs, and the process's peak working set.
//
//     stage_bench [SECONDS_PER_THEME] [PHOTOS]      (defaults: 10, 5000)
//
// Run it under Wine on a display of the size to measure (1920x1080).
#include "framework/ComPtr.h"
#include "player/MovieStage.h"
#include "platform/Files.h"
#include "platform/win32/WideText.h"
#include "stage/ComApartment.h"
#include "util/DirectoryPath.h"

#include <psapi.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr UINT kPhotoWidth = 4000;
constexpr UINT kPhotoHeight = 3000;
constexpr int kDistinctPhotos = 3;

// A 12-megapixel JPEG with gradients and grain, written a band of rows at a time so
// that making it holds no whole picture in memory.
bool WritePhoto(IWICImagingFactory* factory, const std::string& path, int variant) {
    nook::CComPtr<IWICStream> stream;
    nook::CComPtr<IWICBitmapEncoder> encoder;
    nook::CComPtr<IWICBitmapFrameEncode> frame;
    nook::CComPtr<IPropertyBag2> options;
    if (FAILED(factory->CreateStream(stream.Receive())) ||
        FAILED(stream->InitializeFromFilename(platform::ToWide(path).c_str(), GENERIC_WRITE)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, encoder.Receive())) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.Receive(), options.Receive())) || FAILED(frame->Initialize(options.Get())) ||
        FAILED(frame->SetSize(kPhotoWidth, kPhotoHeight)))
        return false;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format))) return false;
    constexpr UINT kBand = 50;
    UINT stride = kPhotoWidth * 3;
    std::vector<BYTE> rows(static_cast<size_t>(stride) * kBand);
    unsigned grain = 12345u + variant;
    for (UINT top = 0; top < kPhotoHeight; top += kBand) {
        for (UINT y = 0; y < kBand; ++y)
            for (UINT x = 0; x < kPhotoWidth; ++x) {
                grain = grain * 1103515245u + 12345u;
                int noise = static_cast<int>((grain >> 16) & 15) - 8;
                BYTE* p = &rows[y * stride + x * 3];
                p[0] = static_cast<BYTE>(std::clamp(static_cast<int>(x * 255 / kPhotoWidth) + noise, 0, 255));
                p[1] = static_cast<BYTE>(std::clamp(static_cast<int>((top + y) * 255 / kPhotoHeight) + noise, 0, 255));
                p[2] = static_cast<BYTE>(std::clamp(80 * variant + static_cast<int>(((x / 97) ^ ((top + y) / 89)) & 63) + noise, 0, 255));
            }
        if (FAILED(frame->WritePixels(kBand, stride, stride * kBand, rows.data()))) return false;
    }
    return SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

// A suite folder whose archive's Images folder holds `count` photos, as hard links.
// Returns the saver's folder in it.
std::string MakeSuite(int count) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::string suite = platform::FromWide(temp) + "nook-stage-bench\\";
    const char user[] = "bench";
    std::string images = suite + user + "\\Images\\";
    nook::MakeDirectoryPath(images);
    nook::MakeDirectoryPath(suite + "NookSS\\");
    platform::WriteFileAtomically(suite + "config.xml", "<Config><LastUser Name=\"bench\"/></Config>\r\n");
    platform::WriteFileAtomically(suite + user + ".xml", "<UserConfig><User Username=\"bench\"/></UserConfig>\r\n");

    nook::CComApartment com;
    nook::CComPtr<IWICImagingFactory> factory;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                     factory.ReceiveVoid());
    std::vector<std::string> originals;
    for (int i = 0; i < kDistinctPhotos; ++i) {
        std::string original = suite + "photo" + std::to_string(i) + ".jpg";
        if (!platform::FileExists(original) && (!factory || !WritePhoto(factory.Get(), original, i))) {
            std::fprintf(stderr, "cannot write %s\n", original.c_str());
            std::exit(1);
        }
        originals.push_back(original);
    }
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "%05d.jpg", i);
        std::string link = images + name;
        if (!platform::FileExists(link))
            CreateHardLinkW(platform::ToWide(link).c_str(), platform::ToWide(originals[i % kDistinctPhotos]).c_str(),
                            nullptr);
    }
    return suite + "NookSS\\";
}

double Megabytes(SIZE_T bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void Pump(DWORD milliseconds) {
    ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    int photos = argc > 2 ? std::atoi(argv[2]) : 5000;
    std::string saverDir = MakeSuite(photos);
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    std::printf("stage %dx%d, %d photos of %ux%u, %d s a theme\n", width, height, photos, kPhotoWidth, kPhotoHeight,
                seconds);
    std::printf("%-10s %8s %14s %16s\n", "theme", "frames/s", "ms a frame", "working set MB");

    // One window for every theme: each Play starts the show anew.
    HWND host = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 0, width, height, host,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000)), GetModuleHandleW(nullptr), nullptr);
    nook::CMovieStage stage;
    if (!stage.CreateInPlaceOf(host, 1000)) return 1;
    for (const char* theme : {"Lullaby", "Orchard", "Glass", "Torch"}) {
        nook::StageProgram program;
        program.pluginFile = std::string("SS_") + theme + ".dll";
        program.album = nook::AlbumSources{saverDir, "", 1};
        program.restingName = L"NookSS";
        stage.Play(program);
        Pump(1000); // the first pictures
        unsigned frames = stage.FramesDrawn();
        double drawing = stage.DrawingSeconds();
        ULONGLONG begin = GetTickCount64();
        Pump(static_cast<DWORD>(seconds) * 1000);
        double elapsed = (GetTickCount64() - begin) / 1000.0;
        unsigned drawn = stage.FramesDrawn() - frames;
        PROCESS_MEMORY_COUNTERS memory{};
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
        std::printf("%-10s %8.1f %14.1f %16.1f\n", theme, drawn / elapsed,
                    drawn ? (stage.DrawingSeconds() - drawing) * 1000.0 / drawn : 0.0, Megabytes(memory.WorkingSetSize));
    }
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    std::printf("peak working set: %.1f MB\n", Megabytes(memory.PeakWorkingSetSize));
    DestroyWindow(host);
    return 0;
}
