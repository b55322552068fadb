#pragma once

#include <QByteArray>

// Plays a complete WAVE file image held in memory, asynchronously. A new
// sound cuts off the one still playing. Failures are silent.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    virtual void play(const QByteArray& waveImage) = 0;
};
