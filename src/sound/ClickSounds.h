#pragma once

#include <QByteArray>
#include <array>

class SoundOutput;

// The four key-click sounds: short clicks held as complete WAVE file images
// (8-bit mono PCM), built once and played straight from memory.
class ClickSounds {
  public:
    explicit ClickSounds(SoundOutput& output);

    // Plays one of the four, chosen at random.
    void playAny();

    const std::array<QByteArray, 4>& images() const { return images_; }

  private:
    SoundOutput& output_;
    std::array<QByteArray, 4> images_;
};
