#pragma once

#include <cstdint>
#include <span>
#include <vector>

// What the sound device plays: the latest click and the speech, added
// together, in 16-bit mono samples at the device's rate. Speech comes at a
// rate of its own and is brought to the device's on the way out. Not safe
// to call from two threads at once: its owner serialises the calls.
class SoundMixer {
  public:
    explicit SoundMixer(int deviceRate = 48000) : deviceRate_(deviceRate) {}

    // Cuts off the click still playing.
    void startClick(std::vector<int16_t> samples);
    // Plays after the speech given before, which came at the same rate.
    void addSpeech(std::span<const int16_t> samples, int rate);
    void cutSpeech();
    // The next samples to play; silence where there is nothing to play.
    void mix(std::span<int16_t> out);

  private:
    int deviceRate_;
    std::vector<int16_t> click_;
    size_t clickAt_ = 0;
    std::vector<int16_t> speech_;
    int speechRate_ = 0;
    // Where the device's next sample falls in speech_, in its samples.
    double speechAt_ = 0;
};
