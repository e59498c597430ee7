// SS_Torch: one picture in darkness, lit by a warm light that wanders across it. The
// darkness is one sprite made once per size, laid over the picture where the light is;
// beyond it the stage is black.
#include "stage/DibSection.h"
#include "stage/SlideSequence.h"
#include "stage/StageDrawing.h"
#include "stage/StageTheme.h"

#include <algorithm>
#include <cmath>

namespace nook {

namespace {

constexpr double kShowSeconds = 8.0;
constexpr double kFadeSeconds = 2.0;
// The light's radius, a fraction of the shorter side of the stage.
constexpr double kLightRadius = 0.42;

// Premultiplied BGRA: black whose alpha is the darkness; inside the light a little of
// a warm colour is mixed in instead, so the light itself looks warm.
uint32_t LightPixel(double dx, double dy) {
    double lit = std::clamp(1.0 - std::sqrt(dx * dx + dy * dy), 0.0, 1.0);
    lit = lit * lit * (3.0 - 2.0 * lit); // smooth edge
    double warm = 0.18 * lit;
    auto alpha = static_cast<uint32_t>(((1.0 - lit) + warm) * 255.0 + 0.5);
    auto red = static_cast<uint32_t>(warm * 255.0);
    auto green = static_cast<uint32_t>(warm * 160.0);
    auto blue = static_cast<uint32_t>(warm * 70.0);
    return alpha << 24 | red << 16 | green << 8 | blue;
}

class CTorchTheme final : public IStageTheme {
  public:
    explicit CTorchTheme(unsigned seed) : phase_(CStageRandom(seed).Between(0.0, 100.0)) {}

    SIZE PictureBox(SIZE client) const override { return client; }
    int Room() const override { return slides_.Room(); }
    void Take(std::unique_ptr<StagePicture> picture, double now) override { slides_.Take(std::move(picture), now); }
    void Draw(HDC dc, SIZE client, double now) override;

  private:
    void DrawDarkness(HDC dc, SIZE client, double now);

    double phase_;
    CSlideSequence slides_{kShowSeconds, kFadeSeconds};
    CDibSection light_{SIZE{}};
    SIZE lightFor_{};
};

void CTorchTheme::Draw(HDC dc, SIZE client, double now) {
    slides_.Advance(now);
    RECT all{0, 0, client.cx, client.cy};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    double fade = slides_.FadeIn(now);
    if (const StagePicture* outgoing = slides_.Outgoing())
        BlendPicture(dc, *outgoing, FitCentred(outgoing->size, all), all, 1.0 - fade);
    if (const StagePicture* current = slides_.Current())
        BlendPicture(dc, *current, FitCentred(current->size, all), all, fade);
    DrawDarkness(dc, client, now);
}

void CTorchTheme::DrawDarkness(HDC dc, SIZE client, double now) {
    if (lightFor_.cx != client.cx || lightFor_.cy != client.cy) {
        light_ = MakeRoundSprite(std::max(8, static_cast<int>(2 * kLightRadius * std::min(client.cx, client.cy))),
                                 LightPixel);
        lightFor_ = client;
    }
    if (!light_) return;
    // Two slow sines of unrelated periods: a path that takes minutes to repeat; the
    // flame breathes a little.
    double t = now + phase_;
    double cx = client.cx * (0.5 + 0.34 * std::sin(t * 0.23));
    double cy = client.cy * (0.5 + 0.30 * std::sin(t * 0.31 + 1.0));
    double size = light_.Size().cx * (1.0 + 0.03 * std::sin(t * 5.3) + 0.02 * std::sin(t * 8.1));
    RECT lit{static_cast<LONG>(cx - size / 2), static_cast<LONG>(cy - size / 2), static_cast<LONG>(cx + size / 2),
             static_cast<LONG>(cy + size / 2)};

    CMemoryDC source(dc);
    CSelectObject select(source.Get(), light_.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, lit.left, lit.top, lit.right - lit.left, lit.bottom - lit.top, source.Get(), 0, 0, light_.Size().cx,
               light_.Size().cy, blend);
    // Beyond the light it is dark.
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RECT above{0, 0, client.cx, lit.top};
    RECT below{0, lit.bottom, client.cx, client.cy};
    RECT left{0, lit.top, lit.left, lit.bottom};
    RECT right{lit.right, lit.top, client.cx, lit.bottom};
    for (const RECT& dark : {above, below, left, right})
        if (dark.right > dark.left && dark.bottom > dark.top) FillRect(dc, &dark, black);
}

} // namespace

std::unique_ptr<IStageTheme> MakeTorchTheme(unsigned seed) {
    return std::make_unique<CTorchTheme>(seed);
}

} // namespace nook
