#pragma once

#include <SDL2/SDL_audio.h>

#include <mutex>

#include "platform/SoundMixer.h"
#include "platform/SoundOutput.h"

// Plays the clicks and the speech through SDL's audio subsystem, mixed. The
// audio device is opened on the first sound, asking for 16-bit mono at
// 48 kHz with a buffer of 256 samples, so a click follows its key without a
// noticeable delay; SDL converts to what the device takes, and the clicks
// are converted to the rate it grants. When there is no audio to be had (no
// device, no sound server) the first sound finds out and every later one
// returns at once.
class SdlSoundOutput : public SoundOutput {
  public:
    SdlSoundOutput();
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;

    void play(const QByteArray& waveImage) override;
    void speak(std::span<const int16_t> samples, int rate) override;
    void stopSpeaking() override;

  private:
    // Whether the device is open; the first call, from whichever thread,
    // opens it.
    bool open();
    bool openDevice();
    static void fill(void* self, Uint8* stream, int length);

    std::once_flag opening_;
    bool open_ = false;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec deviceSpec_{};
    SoundMixer mixer_;  // under the device's lock
};
