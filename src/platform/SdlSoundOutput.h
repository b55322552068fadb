#pragma once

#include "platform/SoundOutput.h"

// Plays WAVE images through SDL's audio subsystem.
class SdlSoundOutput : public SoundOutput {
public:
    SdlSoundOutput();
    ~SdlSoundOutput() override;
    void play(const std::vector<uint8_t>& waveImage) override;
};
