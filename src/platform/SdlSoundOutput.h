#pragma once

#include <SDL2/SDL_audio.h>

#include "platform/SoundOutput.h"

// Plays WAVE images through SDL's audio subsystem. The audio device is opened
// on the first play, asking for 16-bit mono at 48 kHz with a buffer of 256
// samples, so a click follows its key without a noticeable delay; each image
// is converted to whatever format the device grants. When there is no audio
// to be had (no device, no sound server) the first play finds out and every
// later play returns at once.
class SdlSoundOutput : public SoundOutput {
  public:
    SdlSoundOutput();
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;

    void play(const QByteArray& waveImage) override;

  private:
    enum class State { Untried, Open, Unavailable };

    bool openDevice();

    State state_ = State::Untried;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec deviceSpec_{};
};
