// The pictures of a slide show that cross-fades: the one fading out, the one shown and
// the one waiting, three at the most. A picture is shown for its time, then the waiting
// one fades in over it; the one faded out is let go.
#pragma once

#include "stage/StagePicture.h"

#include <memory>

namespace nook {

class CSlideSequence {
  public:
    CSlideSequence(double showSeconds, double fadeSeconds) : showSeconds_(showSeconds), fadeSeconds_(fadeSeconds) {}

    // 0, 1 or 2: a picture to show and one to wait.
    int Room() const { return (current_ ? 0 : 1) + (waiting_ ? 0 : 1); }
    void Take(std::unique_ptr<StagePicture> picture, double now);
    // Starts the next picture when the shown one has had its time, and lets the faded
    // one go.
    void Advance(double now);

    const StagePicture* Current() const { return current_.get(); }
    const StagePicture* Outgoing() const { return outgoing_.get(); }
    // How far the shown picture has faded in, 0 to 1.
    double FadeIn(double now) const;
    // Seconds since the shown picture began to fade in.
    double Age(double now) const { return now - started_; }
    // Counts the pictures shown; each may move in its own way.
    unsigned Serial() const { return serial_; }

  private:
    void Begin(std::unique_ptr<StagePicture> picture, double now);

    double showSeconds_;
    double fadeSeconds_;
    std::unique_ptr<StagePicture> outgoing_;
    std::unique_ptr<StagePicture> current_;
    std::unique_ptr<StagePicture> waiting_;
    double started_ = 0.0;
    unsigned serial_ = 0;
};

} // namespace nook
