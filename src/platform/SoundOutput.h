#pragma once

#include <QByteArray>
#include <cstdint>
#include <span>

// The program's one sound output: the key clicks and the speech, played
// together. Failures are silent.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Plays a complete WAVE file image held in memory, asynchronously. A new
    // sound cuts off the one still playing.
    virtual void play(const QByteArray& waveImage) = 0;
    // Speech, from one thread that may be another than the clicks': 16-bit
    // mono samples at `rate` per second, played after those given before.
    virtual void speak(std::span<const int16_t> samples, int rate) = 0;
    // Drops the speech not yet played.
    virtual void stopSpeaking() = 0;
};
