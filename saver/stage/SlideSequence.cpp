#include "stage/SlideSequence.h"

#include <algorithm>

namespace nook {

void CSlideSequence::Take(std::unique_ptr<StagePicture> picture, double now) {
    if (!current_)
        Begin(std::move(picture), now);
    else if (!waiting_)
        waiting_ = std::move(picture);
}

void CSlideSequence::Begin(std::unique_ptr<StagePicture> picture, double now) {
    outgoing_ = std::move(current_);
    current_ = std::move(picture);
    started_ = now;
    ++serial_;
}

void CSlideSequence::Advance(double now) {
    if (outgoing_ && FadeIn(now) >= 1.0) outgoing_.reset();
    if (waiting_ && !outgoing_ && Age(now) >= fadeSeconds_ + showSeconds_) Begin(std::move(waiting_), now);
}

double CSlideSequence::FadeIn(double now) const {
    return fadeSeconds_ > 0.0 ? std::clamp(Age(now) / fadeSeconds_, 0.0, 1.0) : 1.0;
}

} // namespace nook
