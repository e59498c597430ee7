// SS_Orchard: photos as prints, white-bordered, that drop onto a warm table, turning a
// little as they fall, and pile up. A falling print is a sprite made anew each frame
// (the photo turned, its border and a soft shadow, with alpha); once it lies still it
// is drawn into the pile for good and its picture is let go, so the pile costs one
// bitmap of the stage's size however high it grows.
#include "stage/DibSection.h"
#include "stage/StageDrawing.h"
#include "stage/StageTheme.h"

#include <algorithm>
#include <cmath>

namespace nook {

namespace {

constexpr double kDropSeconds = 1.1;
// From one print landing to the next one falling.
constexpr double kRestSeconds = 3.2;
// The photo's size, a fraction of the stage.
constexpr double kPrintShare = 0.42;
constexpr double kPi = 3.14159265358979323846;

// How a print lies: its centre, its turn, its size and its shadow's offset.
struct PrintPose {
    double x, y;
    double angle; // radians
    double scale;
    double shadow; // pixels
};

// A print: the photo in a white border, turned, over a soft shadow, as premultiplied
// BGRA, with where its top-left corner goes on the stage.
struct PrintSprite {
    CDibSection dib{SIZE{}};
    POINT at{};
};

uint32_t BlendOver(uint32_t top, uint32_t below) {
    uint32_t keep = 255 - (top >> 24);
    auto channel = [&](int shift) { return ((top >> shift) & 0xFF) + ((below >> shift) & 0xFF) * keep / 255; };
    return channel(24) << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
}

// `inside` is how far a point is inside the edge (negative outside), in pixels;
// gives the share of the pixel the shape covers, for smooth edges.
double Coverage(double inside) {
    return std::clamp(inside + 0.5, 0.0, 1.0);
}

PrintSprite MakePrint(const StagePicture& picture, const uint32_t* photo, const PrintPose& pose, double border) {
    double halfW = (picture.size.cx / 2.0 + border) * pose.scale;
    double halfH = (picture.size.cy / 2.0 + border) * pose.scale;
    double soft = std::max(2.0, pose.shadow * 0.8 + border * 0.4);
    double c = std::cos(pose.angle), s = std::sin(pose.angle);
    double reachX = std::abs(c) * halfW + std::abs(s) * halfH + pose.shadow + soft + 1;
    double reachY = std::abs(s) * halfW + std::abs(c) * halfH + pose.shadow + soft + 1;
    PrintSprite sprite;
    sprite.dib = CDibSection(SIZE{static_cast<LONG>(2 * reachX), static_cast<LONG>(2 * reachY)});
    if (!sprite.dib) return sprite;
    sprite.at = POINT{static_cast<LONG>(pose.x - reachX), static_cast<LONG>(pose.y - reachY)};
    SIZE size = sprite.dib.Size();
    double photoHalfW = picture.size.cx / 2.0 * pose.scale;
    double photoHalfH = picture.size.cy / 2.0 * pose.scale;
    for (int y = 0; y < size.cy; ++y) {
        uint32_t* row = sprite.dib.Bits() + static_cast<size_t>(y) * size.cx;
        for (int x = 0; x < size.cx; ++x) {
            // This pixel in the print's own (unturned) frame, from its centre.
            double px = x + 0.5 - reachX, py = y + 0.5 - reachY;
            double u = c * px + s * py, v = -s * px + c * py;
            // The shadow falls down and to the right of the print on the stage.
            double su = c * (px - pose.shadow) + s * (py - pose.shadow);
            double sv = -s * (px - pose.shadow) + c * (py - pose.shadow);
            double outside = std::max(std::abs(su) - halfW, std::abs(sv) - halfH);
            double shade = 0.38 * std::clamp(1.0 - outside / soft, 0.0, 1.0);
            uint32_t pixel = static_cast<uint32_t>(shade * 255.0) << 24;

            double paper = Coverage(std::min(halfW - std::abs(u), halfH - std::abs(v)));
            if (paper > 0.0) {
                uint32_t ink = 0xFFFFFFFF;
                if (std::abs(u) < photoHalfW && std::abs(v) < photoHalfH) {
                    int sx = std::clamp(static_cast<int>((u + photoHalfW) / pose.scale), 0, static_cast<int>(picture.size.cx) - 1);
                    int sy = std::clamp(static_cast<int>((v + photoHalfH) / pose.scale), 0, static_cast<int>(picture.size.cy) - 1);
                    ink = photo[static_cast<size_t>(sy) * picture.size.cx + sx] | 0xFF000000;
                }
                auto a = static_cast<uint32_t>(paper * 255.0);
                auto scale = [a](uint32_t value) { return (value & 0xFF) * a / 255; };
                uint32_t part = a << 24 | scale(ink >> 16) << 16 | scale(ink >> 8) << 8 | scale(ink);
                pixel = BlendOver(part, pixel);
            }
            row[x] = pixel;
        }
    }
    return sprite;
}

void DrawSprite(HDC dc, const PrintSprite& sprite) {
    if (!sprite.dib) return;
    CMemoryDC source(dc);
    CSelectObject select(source.Get(), sprite.dib.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    SIZE size = sprite.dib.Size();
    AlphaBlend(dc, sprite.at.x, sprite.at.y, size.cx, size.cy, source.Get(), 0, 0, size.cx, size.cy, blend);
}

class COrchardTheme final : public IStageTheme {
  public:
    explicit COrchardTheme(unsigned seed) : random_(seed) {}

    SIZE PictureBox(SIZE client) const override {
        return SIZE{std::max(1L, static_cast<LONG>(client.cx * kPrintShare)),
                    std::max(1L, static_cast<LONG>(client.cy * kPrintShare))};
    }
    // Only the waiting print takes a picture: the falling one is the waiting one dropped.
    int Room() const override { return waiting_ ? 0 : 1; }
    void Take(std::unique_ptr<StagePicture> picture, double) override {
        if (!waiting_) waiting_ = std::move(picture);
    }
    void Draw(HDC dc, SIZE client, double now) override;

  private:
    void LayTable(SIZE client);
    void Drop(SIZE client, double now);
    PrintPose PoseAt(double now) const;
    PrintSprite Print(const PrintPose& pose) const;

    CStageRandom random_;
    std::unique_ptr<StagePicture> falling_;
    std::unique_ptr<StagePicture> waiting_;
    PrintPose from_{}, to_{};
    double dropped_ = -1e9;
    double border_ = 0.0;
    // The table with every print that has landed on it.
    CDibSection pile_{SIZE{}};
};

void COrchardTheme::LayTable(SIZE client) {
    pile_ = CDibSection(client);
    if (!pile_) return;
    CMemoryDC table;
    CSelectObject select(table.Get(), pile_.Get());
    FillGradient(table.Get(), RECT{0, 0, client.cx, client.cy}, RGB(0xE2, 0xA8, 0x6A), RGB(0x9C, 0x5C, 0x30));
}

void COrchardTheme::Drop(SIZE client, double now) {
    falling_ = std::move(waiting_);
    dropped_ = now;
    double unit = std::min(client.cx, client.cy);
    border_ = std::max(2.0, std::min(falling_->size.cx, falling_->size.cy) * 0.06);
    to_ = PrintPose{random_.Between(client.cx * 0.25, client.cx * 0.75), random_.Between(client.cy * 0.28, client.cy * 0.72),
                    random_.Between(-9.0, 9.0) * kPi / 180, 1.0, unit * 0.006};
    // It comes from above the table, nearer the eye, and turns as it settles.
    from_ = PrintPose{to_.x + random_.Between(-0.05, 0.05) * client.cx, to_.y - client.cy * 0.12,
                      to_.angle + random_.Between(-14.0, 14.0) * kPi / 180, 1.35, unit * 0.04};
}

PrintPose COrchardTheme::PoseAt(double now) const {
    double e = EaseOut((now - dropped_) / kDropSeconds);
    auto mix = [e](double a, double b) { return a + (b - a) * e; };
    return PrintPose{mix(from_.x, to_.x), mix(from_.y, to_.y), mix(from_.angle, to_.angle), mix(from_.scale, to_.scale),
                     mix(from_.shadow, to_.shadow)};
}

PrintSprite COrchardTheme::Print(const PrintPose& pose) const {
    const uint32_t* photo = PixelsOf(*falling_);
    return photo ? MakePrint(*falling_, photo, pose, border_) : PrintSprite{};
}

void COrchardTheme::Draw(HDC dc, SIZE client, double now) {
    if (pile_.Size().cx != client.cx || pile_.Size().cy != client.cy) LayTable(client);
    if (!pile_) return;
    CMemoryDC pile(dc);
    CSelectObject select(pile.Get(), pile_.Get());
    if (falling_ && now - dropped_ >= kDropSeconds) {
        DrawSprite(pile.Get(), Print(to_));
        falling_.reset();
    }
    if (!falling_ && waiting_ && now - dropped_ >= kDropSeconds + kRestSeconds) Drop(client, now);

    BitBlt(dc, 0, 0, client.cx, client.cy, pile.Get(), 0, 0, SRCCOPY);
    if (falling_) DrawSprite(dc, Print(PoseAt(now)));
}

} // namespace

std::unique_ptr<IStageTheme> MakeOrchardTheme(unsigned seed) {
    return std::make_unique<COrchardTheme>(seed);
}

} // namespace nook
