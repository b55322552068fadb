#include "platform/SdlSoundOutput.h"

SdlSoundOutput::SdlSoundOutput() = default;
SdlSoundOutput::~SdlSoundOutput() = default;
void SdlSoundOutput::play(const std::vector<uint8_t>&) {}
