#pragma once

#include <cstdint>
#include <optional>

class Clock;

// Leaving a locked canvas takes Esc held down for three seconds, so that
// short presses, however many and however fast, do nothing.
//
// While a key is held the keyboard repeats it. The desktop may send each
// repeat as a release and a press that Qt does not always mark as repeats;
// they carry the same time, though, which no finger can match. So a
// release ends the hold only when no press follows it at once; the times
// given are the events' own (QKeyEvent::timestamp()), the rest is measured
// by the clock.
class EscapeHold {
  public:
    static constexpr int kHoldMilliseconds = 3000;
    // A repeat's press comes this close after its release, by event time.
    static constexpr uint64_t kRepeatGap = 5;
    // How long a release waits, by the clock, for a repeat's press.
    static constexpr int kReleaseWait = 200;

    explicit EscapeHold(Clock& clock) : clock_(clock) {}

    // A press of Esc, the first or a repeated one.
    void press(uint64_t time);
    // A release of Esc; one marked as a repeat's does not end the hold.
    void release(uint64_t time, bool autoRepeat);
    // The key's release may never come (the window lost the keyboard).
    void cancel();

    bool held() const;
    // How far the hold has come: 0 while Esc is up, 1 after three seconds.
    double progress() const;
    // Held down for three seconds, and still down.
    bool longEnough() const;

  private:
    int32_t elapsedSince(int32_t reading) const;
    // A release that has waited long enough for a press has ended the hold.
    bool releaseOver() const;

    struct Release {
        uint64_t time;    // the event's
        int32_t reading;  // the clock's
    };
    Clock& clock_;
    std::optional<int32_t> since_;  // the clock's reading at the first press
    std::optional<Release> released_;
};
