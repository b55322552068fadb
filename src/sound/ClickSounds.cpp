#include "sound/ClickSounds.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <span>

#include "platform/SoundOutput.h"
#include "sound/ClickSoundSamples.h"

namespace {

template <typename Number>
void putLittleEndian(QByteArray& out, Number value) {
    char bytes[sizeof(Number)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

// A canonical RIFF WAVE file of 8-bit mono PCM: one format chunk and one data
// chunk. Odd sample counts get no pad byte, so the image ends with the last
// sample and the RIFF size counts exactly the bytes that follow it.
QByteArray waveImage(uint32_t sampleRate, std::span<const uint8_t> samples) {
    const auto count = static_cast<uint32_t>(samples.size());
    QByteArray image;
    image.reserve(44 + static_cast<qsizetype>(count));
    image += "RIFF";
    putLittleEndian<uint32_t>(image, 36 + count);
    image += "WAVEfmt ";
    putLittleEndian<uint32_t>(image, 16);          // format chunk size
    putLittleEndian<uint16_t>(image, 1);           // PCM
    putLittleEndian<uint16_t>(image, 1);           // mono
    putLittleEndian<uint32_t>(image, sampleRate);  // samples per second
    putLittleEndian<uint32_t>(image, sampleRate);  // bytes per second: one byte per sample
    putLittleEndian<uint16_t>(image, 1);           // block align
    putLittleEndian<uint16_t>(image, 8);           // bits per sample
    image += "data";
    putLittleEndian<uint32_t>(image, count);
    image.append(reinterpret_cast<const char*>(samples.data()), samples.size());
    return image;
}

}  // namespace

ClickSounds::ClickSounds(SoundOutput& output)
    : output_(output),
      images_{waveImage(kClickRate1, kClickSamples1), waveImage(kClickRate2, kClickSamples2),
              waveImage(kClickRate3, kClickSamples3), waveImage(kClickRate4, kClickSamples4)} {}

void ClickSounds::playAny() {
    output_.play(images_[QRandomGenerator::global()->bounded(int(images_.size()))]);
}
