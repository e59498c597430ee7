#include "stage/PictureWorker.h"

#include "stage/ComApartment.h"
#include "stage/PictureDecoder.h"
#include "stage/StageMessages.h"

namespace nook {

bool CPictureWorker::Start(HWND window, const AlbumSources& sources, SIZE pictureBox, SIZE boardBox) {
    Stop();
    if (!window) return false;
    wake_.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!wake_) return false;
    window_ = window;
    sources_ = sources;
    pictureBox_ = pictureBox;
    boardBox_ = boardBox;
    stopping_ = false;
    requests_ = 0;
    return thread_.Start([this] { Run(); });
}

void CPictureWorker::Request() {
    ++requests_;
    SetEvent(wake_.Get());
}

void CPictureWorker::Stop() {
    if (!thread_.IsStarted()) return;
    stopping_ = true;
    SetEvent(wake_.Get());
    thread_.Join();
}

bool CPictureWorker::WaitForRequest() {
    while (!stopping_ && requests_ <= 0) WaitForSingleObject(wake_.Get(), INFINITE);
    return !stopping_;
}

void CPictureWorker::Run() {
    CComApartment com;
    CPictureDecoder decoder;
    AlbumContent album = ChooseAlbumContent(sources_);
    // The search may take a while on a large archive; a stage that closed meanwhile
    // waits for no decoding.
    if (stopping_) return;

    auto chosen = std::make_unique<StageAlbum>();
    chosen->music = album.music;
    if (!album.board.empty()) chosen->board = decoder.Decode(album.board, boardBox_);
    if (PostMessageW(window_, WM_STAGE_ALBUM, 0, reinterpret_cast<LPARAM>(chosen.get()))) chosen.release();

    // A round of the album without one picture ends the search: the album has none.
    size_t next = 0;
    size_t failedInARow = 0;
    while (!album.pictures.empty() && failedInARow < album.pictures.size() && WaitForRequest()) {
        const AlbumPicture& source = album.pictures[next];
        next = (next + 1) % album.pictures.size();
        std::unique_ptr<StagePicture> picture = decoder.Decode(source.path, pictureBox_);
        if (!picture) {
            ++failedInARow;
            continue;
        }
        failedInARow = 0;
        picture->caption = source.caption;
        --requests_;
        if (PostMessageW(window_, WM_STAGE_PICTURE, 0, reinterpret_cast<LPARAM>(picture.get()))) picture.release();
    }
    if (!stopping_) PostMessageW(window_, WM_STAGE_NO_PICTURES, 0, 0);
}

} // namespace nook
