#include "sound/ClickSounds.h"

#include <span>

#include "shared/Globals.h"
#include "sound/ClickSoundSamples.h"

namespace {

constexpr size_t kWaveHeaderSize = 44;

void putBytes(std::vector<uint8_t>& out, size_t offset, const char (&text)[5]) {
    for (size_t i = 0; i < 4; ++i) out[offset + i] = static_cast<uint8_t>(text[i]);
}

void putLittleEndian(std::vector<uint8_t>& out, size_t offset, uint32_t value, size_t size) {
    for (size_t i = 0; i < size; ++i) out[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A canonical RIFF WAVE file of 8-bit mono PCM: one format chunk and one data
// chunk. Odd sample counts get no pad byte, so the image ends with the last
// sample and the RIFF size counts exactly the bytes that follow it.
std::vector<uint8_t> waveImage(uint32_t sampleRate, std::span<const uint8_t> samples) {
    const auto count = static_cast<uint32_t>(samples.size());
    std::vector<uint8_t> image(kWaveHeaderSize + samples.size());
    putBytes(image, 0, "RIFF");
    putLittleEndian(image, 4, 36 + count, 4);
    putBytes(image, 8, "WAVE");
    putBytes(image, 12, "fmt ");
    putLittleEndian(image, 16, 16, 4);          // format chunk size
    putLittleEndian(image, 20, 1, 2);           // PCM
    putLittleEndian(image, 22, 1, 2);           // mono
    putLittleEndian(image, 24, sampleRate, 4);  // samples per second
    putLittleEndian(image, 28, sampleRate, 4);  // bytes per second: one byte per sample
    putLittleEndian(image, 32, 1, 2);           // block align
    putLittleEndian(image, 34, 8, 2);           // bits per sample
    putBytes(image, 36, "data");
    putLittleEndian(image, 40, count, 4);
    for (size_t i = 0; i < samples.size(); ++i) image[kWaveHeaderSize + i] = samples[i];
    return image;
}

}  // namespace

void BuildClickSounds(Globals& globals) {
    globals.ClickSounds[0] = waveImage(kClickRate1, kClickSamples1);
    globals.ClickSounds[1] = waveImage(kClickRate2, kClickSamples2);
    globals.ClickSounds[2] = waveImage(kClickRate3, kClickSamples3);
    globals.ClickSounds[3] = waveImage(kClickRate4, kClickSamples4);
}
