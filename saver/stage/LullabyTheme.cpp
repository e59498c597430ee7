// SS_Lullaby: slow cross-fades with a gentle pan and zoom, inside the album's board
// when it has one, the caption in the bottom-right corner.
#include "stage/SlideSequence.h"
#include "stage/StageDrawing.h"
#include "stage/StageTheme.h"

#include <algorithm>
#include <cmath>

namespace nook {

namespace {

constexpr double kShowSeconds = 5.0;
constexpr double kFadeSeconds = 1.8;
// How much larger a picture grows while it is shown.
constexpr double kZoom = 0.10;
// How far (a fraction of the picture) its centre drifts.
constexpr double kPan = 0.04;
// The board's margin around the pictures, a fraction of each side.
constexpr double kBoardMargin = 0.08;

class CLullabyTheme final : public IStageTheme {
  public:
    explicit CLullabyTheme(unsigned seed) : seed_(seed) {}

    SIZE PictureBox(SIZE client) const override { return client; }
    int Room() const override { return slides_.Room(); }
    void Take(std::unique_ptr<StagePicture> picture, double now) override { slides_.Take(std::move(picture), now); }
    void TakeBoard(std::unique_ptr<StagePicture> board) override { board_ = std::move(board); }
    void Draw(HDC dc, SIZE client, double now) override;

  private:
    // Where `picture`, the `serial`th shown, is after `age` seconds of pan and zoom.
    RectF Drift(const StagePicture& picture, unsigned serial, double age, const RECT& area) const;

    unsigned seed_;
    CSlideSequence slides_{kShowSeconds, kFadeSeconds};
    std::unique_ptr<StagePicture> board_;
    CFontHandle captionFont_;
    int captionHeight_ = 0;
};

RectF CLullabyTheme::Drift(const StagePicture& picture, unsigned serial, double age, const RECT& area) const {
    RectF fitted = FitCentred(picture.size, area);
    double t = std::clamp(age / (kShowSeconds + 2 * kFadeSeconds), 0.0, 1.0);
    // Every picture zooms in; each drifts towards a corner of its own.
    CStageRandom random(seed_ + serial);
    double towardX = random.Between(-1.0, 1.0);
    double towardY = random.Between(-1.0, 1.0);
    double scale = 1.0 + kZoom * t;
    double w = fitted.Width() * scale;
    double h = fitted.Height() * scale;
    double cx = (fitted.left + fitted.right) / 2 + towardX * kPan * fitted.Width() * t;
    double cy = (fitted.top + fitted.bottom) / 2 + towardY * kPan * fitted.Height() * t;
    return RectF{cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
}

void CLullabyTheme::Draw(HDC dc, SIZE client, double now) {
    slides_.Advance(now);
    RECT all{0, 0, client.cx, client.cy};
    RECT area = all;
    if (board_) {
        BlendPicture(dc, *board_, RectF{0, 0, static_cast<double>(client.cx), static_cast<double>(client.cy)}, all, 1.0);
        InflateRect(&area, -static_cast<int>(client.cx * kBoardMargin), -static_cast<int>(client.cy * kBoardMargin));
    }
    FillGradient(dc, area, RGB(0x3A, 0x2A, 0x22), RGB(0x14, 0x0E, 0x0C));

    double fade = slides_.FadeIn(now);
    if (const StagePicture* outgoing = slides_.Outgoing())
        BlendPicture(dc, *outgoing, Drift(*outgoing, slides_.Serial() - 1, slides_.Age(now) + kShowSeconds + kFadeSeconds, area),
                     area, 1.0 - fade);
    const StagePicture* current = slides_.Current();
    if (!current) return;
    BlendPicture(dc, *current, Drift(*current, slides_.Serial(), slides_.Age(now), area), area, fade);

    int height = std::max(10, static_cast<int>(client.cy / 28));
    if (height != captionHeight_) {
        captionFont_ = MakeStageFont(height);
        captionHeight_ = height;
    }
    DrawCaption(dc, captionFont_.Get(), current->caption, area, fade);
}

} // namespace

std::unique_ptr<IStageTheme> MakeLullabyTheme(unsigned seed) {
    return std::make_unique<CLullabyTheme>(seed);
}

} // namespace nook
