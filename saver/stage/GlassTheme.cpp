// SS_Glass: the pictures seen through a window pane in the rain. Beads of water sit on
// the glass; now and then one runs down it, leaving a wet trail. Drops are small sprites
// made once per size: a dark rim above, a bright rim below and a glint, as a drop
// bends the light from behind it.
#include "stage/DibSection.h"
#include "stage/SlideSequence.h"
#include "stage/StageDrawing.h"
#include "stage/StageTheme.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace nook {

namespace {

constexpr double kShowSeconds = 7.0;
constexpr double kFadeSeconds = 2.0;
// Beads per million pixels of the stage, and how many run at once.
constexpr double kBeadsPerMegapixel = 110.0;
constexpr int kRunners = 9;
constexpr COLORREF kFrame = RGB(0x4A, 0x36, 0x28);
// The pane is a little misty: this much of a cool grey lies over what is behind it.
constexpr uint32_t kMist = 46; // of 255
constexpr uint32_t kMistRed = 0xB4, kMistGreen = 0xC0, kMistBlue = 0xCC;

// Lays the mist over the picture once, when it comes, rather than over every frame.
void Mist(const StagePicture& picture) {
    uint32_t* pixels = PixelsOf(picture);
    if (!pixels) return;
    size_t count = static_cast<size_t>(picture.size.cx) * picture.size.cy;
    auto mix = [](uint32_t channel, uint32_t mist, uint32_t alpha) {
        // Premultiplied: the mist covers as much of the pixel as the pixel covers.
        return (channel * (255 - kMist) + mist * alpha / 255 * kMist) / 255;
    };
    for (size_t i = 0; i < count; ++i) {
        uint32_t p = pixels[i];
        uint32_t alpha = p >> 24;
        pixels[i] = alpha << 24 | mix((p >> 16) & 0xFF, kMistRed, alpha) << 16 |
                    mix((p >> 8) & 0xFF, kMistGreen, alpha) << 8 | mix(p & 0xFF, kMistBlue, alpha);
    }
}

// Darker above, where the drop shows the ground behind it; bright below, where it
// shows the sky; a glint near the top.
uint32_t DropPixel(double dx, double dy) {
    double d = std::sqrt(dx * dx + dy * dy);
    if (d >= 1.0) return 0;
    double rim = std::pow(d, 4); // stronger towards the edge
    double glint = std::exp(-((dx + 0.35) * (dx + 0.35) + (dy + 0.4) * (dy + 0.4)) * 30.0);
    if (glint > 0.05) return Premultiplied(255, 255, 255, std::max(0.3, glint));
    return dy < 0 ? Premultiplied(10, 16, 24, 0.12 + 0.45 * rim * -dy)
                  : Premultiplied(235, 242, 250, 0.10 + 0.40 * rim * dy);
}

struct Drop {
    double x, y;     // centre
    double size;     // diameter
    double speed;    // pixels a second; 0 for a bead at rest
    double trailTop; // where a runner set off
};

class CGlassTheme final : public IStageTheme {
  public:
    explicit CGlassTheme(unsigned seed) : random_(seed) {}

    SIZE PictureBox(SIZE client) const override { return client; }
    int Room() const override { return slides_.Room(); }
    void Take(std::unique_ptr<StagePicture> picture, double now) override {
        Mist(*picture);
        slides_.Take(std::move(picture), now);
    }
    void Draw(HDC dc, SIZE client, double now) override;

  private:
    void Rain(SIZE client);
    Drop Runner(SIZE client, bool anywhere);
    void MoveRunners(SIZE client, double seconds);
    void DrawDrops(HDC dc, SIZE client);
    static void DrawFrame(HDC dc, SIZE client);

    CStageRandom random_;
    CSlideSequence slides_{kShowSeconds, kFadeSeconds};
    std::vector<Drop> beads_;
    std::vector<Drop> runners_;
    CDibSection drop_{SIZE{}};
    CDibSection trail_{SIZE{}};
    SIZE rainFor_{};
    double last_ = 0.0;
};

void CGlassTheme::Rain(SIZE client) {
    double unit = std::min(client.cx, client.cy) / 100.0;
    drop_ = MakeRoundSprite(std::max(6, static_cast<int>(unit * 3.0)), DropPixel);
    trail_ = CDibSection(SIZE{1, 1});
    if (trail_) trail_.Bits()[0] = Premultiplied(220, 230, 240, 0.16);
    beads_.clear();
    auto count = static_cast<size_t>(kBeadsPerMegapixel * client.cx * client.cy / 1e6) + 3;
    for (size_t i = 0; i < count; ++i)
        beads_.push_back(Drop{random_.Between(0, client.cx), random_.Between(0, client.cy),
                              unit * random_.Between(0.4, 1.4), 0.0, 0.0});
    runners_.clear();
    for (int i = 0; i < kRunners; ++i) runners_.push_back(Runner(client, true));
    rainFor_ = client;
}

Drop CGlassTheme::Runner(SIZE client, bool anywhere) {
    double unit = std::min(client.cx, client.cy) / 100.0;
    double y = anywhere ? random_.Between(0, client.cy * 0.8) : -unit * 3;
    return Drop{random_.Between(0, client.cx), y, unit * random_.Between(1.6, 2.8),
                unit * random_.Between(4.0, 16.0), y};
}

void CGlassTheme::MoveRunners(SIZE client, double seconds) {
    for (Drop& runner : runners_) {
        runner.y += runner.speed * seconds;
        // A running drop wavers a little from side to side.
        runner.x += std::sin(runner.y * 0.05) * 0.3;
        if (runner.y - runner.size > client.cy) runner = Runner(client, false);
    }
}

void CGlassTheme::DrawDrops(HDC dc, SIZE client) {
    if (!drop_ || !trail_) return;
    CMemoryDC source(dc);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    {
        CSelectObject select(source.Get(), trail_.Get());
        for (const Drop& runner : runners_) {
            int width = std::max(1, static_cast<int>(runner.size * 0.45));
            int top = static_cast<int>(std::max(0.0, runner.trailTop));
            int bottom = static_cast<int>(std::min<double>(client.cy, runner.y));
            if (bottom > top)
                AlphaBlend(dc, static_cast<int>(runner.x) - width / 2, top, width, bottom - top, source.Get(), 0, 0, 1, 1,
                           blend);
        }
    }
    CSelectObject select(source.Get(), drop_.Get());
    SIZE sprite = drop_.Size();
    auto draw = [&](const Drop& drop, double stretch) {
        int w = std::max(2, static_cast<int>(drop.size));
        int h = std::max(2, static_cast<int>(drop.size * stretch));
        AlphaBlend(dc, static_cast<int>(drop.x) - w / 2, static_cast<int>(drop.y) - h / 2, w, h, source.Get(), 0, 0,
                   sprite.cx, sprite.cy, blend);
    };
    for (const Drop& bead : beads_) draw(bead, 1.0);
    for (const Drop& runner : runners_) draw(runner, 1.25); // a running drop is drawn out
}

void CGlassTheme::DrawFrame(HDC dc, SIZE client) {
    // The window: its frame and the bars between the panes.
    int bar = std::max(2, static_cast<int>(std::min(client.cx, client.cy) * 0.018));
    CBrushHandle wood(CreateSolidBrush(kFrame));
    RECT bars[] = {
        {0, 0, client.cx, bar},
        {0, client.cy - bar, client.cx, client.cy},
        {0, 0, bar, client.cy},
        {client.cx - bar, 0, client.cx, client.cy},
        {client.cx / 2 - bar / 2, 0, client.cx / 2 + bar - bar / 2, client.cy},
        {0, client.cy * 2 / 5 - bar / 2, client.cx, client.cy * 2 / 5 + bar - bar / 2},
    };
    for (const RECT& rect : bars) FillRect(dc, &rect, wood.Get());
}

void CGlassTheme::Draw(HDC dc, SIZE client, double now) {
    slides_.Advance(now);
    if (rainFor_.cx != client.cx || rainFor_.cy != client.cy) Rain(client);
    MoveRunners(client, std::clamp(now - last_, 0.0, 0.2));
    last_ = now;

    RECT all{0, 0, client.cx, client.cy};
    FillGradient(dc, all, RGB(0x5A, 0x66, 0x72), RGB(0x2A, 0x30, 0x38));
    double fade = slides_.FadeIn(now);
    if (const StagePicture* outgoing = slides_.Outgoing())
        BlendPicture(dc, *outgoing, FitCentred(outgoing->size, all), all, 1.0 - fade);
    if (const StagePicture* current = slides_.Current())
        BlendPicture(dc, *current, FitCentred(current->size, all), all, fade);
    DrawDrops(dc, client);
    DrawFrame(dc, client);
}

} // namespace

std::unique_ptr<IStageTheme> MakeGlassTheme(unsigned seed) {
    return std::make_unique<CGlassTheme>(seed);
}

} // namespace nook
