#include "canvas/EscapeHold.h"

#include <algorithm>

#include "platform/Clock.h"

int32_t EscapeHold::elapsedSince(int32_t reading) const {
    // The clock wraps round; the difference of two readings does not.
    return static_cast<int32_t>(static_cast<uint32_t>(clock_.uptimeMilliseconds()) -
                                static_cast<uint32_t>(reading));
}

bool EscapeHold::releaseOver() const {
    return released_ && elapsedSince(released_->reading) >= kReleaseWait;
}

void EscapeHold::press(uint64_t time) {
    if (releaseOver()) cancel();
    const bool repeat =
        released_ && time >= released_->time && time - released_->time <= kRepeatGap;
    // A press after a real release starts the hold again.
    if (!since_ || (released_ && !repeat)) since_ = clock_.uptimeMilliseconds();
    released_.reset();
}

void EscapeHold::release(uint64_t time, bool autoRepeat) {
    if (releaseOver()) cancel();
    if (since_ && !autoRepeat) released_ = Release{time, clock_.uptimeMilliseconds()};
}

void EscapeHold::cancel() {
    since_.reset();
    released_.reset();
}

bool EscapeHold::held() const {
    return since_ && !releaseOver();
}

double EscapeHold::progress() const {
    if (!held()) return 0;
    return std::clamp(elapsedSince(*since_), 0, kHoldMilliseconds) / double(kHoldMilliseconds);
}

bool EscapeHold::longEnough() const {
    return progress() >= 1 && !released_;
}
