// Pictures through the system's imaging component (WIC, which Wine also has for JPEG,
// PNG, GIF and BMP). The frame's size is read from the header before anything is
// decoded, and the scaler pulls source rows as it needs them, so what is held is the
// picture at the size it is shown: a 12-megapixel photo costs a screen's worth.
#pragma once

#include "framework/ComPtr.h"
#include "stage/StagePicture.h"

#include <wincodec.h>

#include <memory>
#include <string>

namespace nook {

// Pictures larger than this are not decoded at all.
inline constexpr unsigned long long kMostPicturePixels = 100'000'000;

// `picture` made as large as fits inside `box`, keeping its shape; never larger than it
// is, never smaller than one pixel.
SIZE FitInside(SIZE picture, SIZE box);

// Used on one thread, which has COM initialised.
class CPictureDecoder {
  public:
    CPictureDecoder();
    bool IsReady() const { return static_cast<bool>(factory_); }

    // The first frame of the file, scaled down to fit inside `box`. Null for a file that
    // is missing, not a picture, cut short or larger than kMostPicturePixels.
    std::unique_ptr<StagePicture> Decode(const std::string& path, SIZE box) const;

  private:
    CComPtr<IWICImagingFactory> factory_;
};

} // namespace nook
