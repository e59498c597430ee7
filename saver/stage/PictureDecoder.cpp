#include "stage/PictureDecoder.h"

#include "platform/win32/WideText.h"
#include "stage/DibSection.h"

#include <algorithm>

namespace nook {

SIZE FitInside(SIZE picture, SIZE box) {
    if (picture.cx <= 0 || picture.cy <= 0) return SIZE{1, 1};
    double scale = std::min({1.0, static_cast<double>(box.cx) / picture.cx, static_cast<double>(box.cy) / picture.cy});
    return SIZE{std::max(1L, static_cast<LONG>(picture.cx * scale + 0.5)),
                std::max(1L, static_cast<LONG>(picture.cy * scale + 0.5))};
}

CPictureDecoder::CPictureDecoder() {
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                     factory_.ReceiveVoid());
}

std::unique_ptr<StagePicture> CPictureDecoder::Decode(const std::string& path, SIZE box) const {
    if (!factory_) return nullptr;
    CComPtr<IWICBitmapDecoder> decoder;
    // The decoder is chosen by the file's content: cached album pictures have no extension.
    if (FAILED(factory_->CreateDecoderFromFilename(platform::ToWide(path).c_str(), nullptr, GENERIC_READ,
                                                   WICDecodeMetadataCacheOnDemand, decoder.Receive())))
        return nullptr;
    CComPtr<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    if (FAILED(decoder->GetFrame(0, frame.Receive())) || FAILED(frame->GetSize(&width, &height))) return nullptr;
    if (width == 0 || height == 0 || static_cast<unsigned long long>(width) * height > kMostPicturePixels)
        return nullptr;

    SIZE shown = FitInside(SIZE{static_cast<LONG>(width), static_cast<LONG>(height)}, box);
    CComPtr<IWICBitmapScaler> scaler;
    CComPtr<IWICFormatConverter> converter;
    if (FAILED(factory_->CreateBitmapScaler(scaler.Receive())) ||
        FAILED(scaler->Initialize(frame.Get(), static_cast<UINT>(shown.cx), static_cast<UINT>(shown.cy),
                                  WICBitmapInterpolationModeFant)) ||
        FAILED(factory_->CreateFormatConverter(converter.Receive())) ||
        FAILED(converter->Initialize(scaler.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom)))
        return nullptr;

    CDibSection dib(shown);
    if (!dib) return nullptr;
    UINT stride = static_cast<UINT>(shown.cx) * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * static_cast<UINT>(shown.cy),
                                    reinterpret_cast<BYTE*>(dib.Bits()))))
        return nullptr;
    auto picture = std::make_unique<StagePicture>();
    picture->size = shown;
    picture->bitmap = dib.TakeBitmap();
    return picture;
}

} // namespace nook
