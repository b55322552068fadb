// The four key-click sounds as the sound output sees them: complete WAVE
// files that SDL itself must accept, with the stated rates, lengths and tones.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DominantFrequency.h"
#include "shared/Globals.h"
#include "sound/ClickSounds.h"

namespace {

struct ExpectedClick {
    size_t imageLength;
    int rate;
    size_t samples;
    int lowest;
    int highest;
};

constexpr ExpectedClick kExpected[4] = {
    {484, 22050, 440, 113, 142},
    {684, 32000, 640, 64, 193},
    {681, 32000, 637, 79, 180},
    {715, 32000, 671, 96, 167},
};

uint32_t readU32(const std::vector<uint8_t>& image, size_t offset) {
    return image[offset] | image[offset + 1] << 8 | image[offset + 2] << 16 |
           static_cast<uint32_t>(image[offset + 3]) << 24;
}

std::string readTag(const std::vector<uint8_t>& image, size_t offset, size_t length) {
    return std::string(image.begin() + offset, image.begin() + offset + length);
}

struct ParsedWave {
    SDL_AudioSpec spec{};
    std::vector<uint8_t> samples;
    bool ok = false;
};

ParsedWave parseWithSdl(const std::vector<uint8_t>& image) {
    ParsedWave parsed;
    SDL_RWops* source = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(source, 1, &parsed.spec, &buffer, &length) == nullptr) return parsed;
    parsed.samples.assign(buffer, buffer + length);
    SDL_FreeWAV(buffer);
    parsed.ok = true;
    return parsed;
}

std::vector<uint8_t> samplesOf(const std::vector<uint8_t>& image) {
    return std::vector<uint8_t>(image.begin() + 44, image.end());
}

class ClickSoundsTest : public ::testing::Test {
  protected:
    void SetUp() override { BuildClickSounds(globals); }
    Globals globals;
};

}  // namespace

TEST_F(ClickSoundsTest, ImagesAreCanonicalWaveFilesOfTheStatedSizesWithoutPadByte) {
    for (size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k + 1);
        const std::vector<uint8_t>& image = globals.ClickSounds[k];
        ASSERT_EQ(image.size(), kExpected[k].imageLength);
        EXPECT_EQ(readTag(image, 0, 4), "RIFF");
        EXPECT_EQ(readU32(image, 4), image.size() - 8);
        EXPECT_EQ(readTag(image, 8, 8), "WAVEfmt ");
        EXPECT_EQ(readU32(image, 16), 16u);
        EXPECT_EQ(readU32(image, 28), static_cast<uint32_t>(kExpected[k].rate));  // bytes/second
        EXPECT_EQ(readTag(image, 36, 4), "data");
        EXPECT_EQ(readU32(image, 40), image.size() - 44);
    }
}

TEST_F(ClickSoundsTest, SdlReadsEachAsMono8BitPcmOfTheStatedRateRangeAndSilentEnd) {
    for (size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k + 1);
        const ParsedWave wave = parseWithSdl(globals.ClickSounds[k]);
        ASSERT_TRUE(wave.ok) << SDL_GetError();
        EXPECT_EQ(wave.spec.format, AUDIO_U8);
        EXPECT_EQ(wave.spec.channels, 1);
        EXPECT_EQ(wave.spec.freq, kExpected[k].rate);
        ASSERT_EQ(wave.samples, samplesOf(globals.ClickSounds[k]));
        ASSERT_EQ(wave.samples.size(), kExpected[k].samples);
        const auto [lowest, highest] =
            std::minmax_element(wave.samples.begin(), wave.samples.end());
        EXPECT_EQ(*lowest, kExpected[k].lowest);
        EXPECT_EQ(*highest, kExpected[k].highest);
        // A click must stop on silence, or every key would end in a crack.
        const auto lastSound = std::find_if(wave.samples.rbegin(), wave.samples.rend(),
                                            [](uint8_t s) { return s != 128; });
        const auto silentEnd = lastSound - wave.samples.rbegin();
        EXPECT_GE(silentEnd, 2);
        EXPECT_LE(silentEnd, 4);
    }
}

TEST_F(ClickSoundsTest, SoundOneIsAToneAtHalfItsRateThatNarrowsEvenlyToSilence) {
    const std::vector<uint8_t> samples = samplesOf(globals.ClickSounds[0]);
    EXPECT_DOUBLE_EQ(dominantFrequency(samples, 22050), 11025.0);
    for (size_t i = 0; i < 330; ++i) ASSERT_EQ(samples[i], i % 2 == 0 ? 113 : 142) << i;
    // Each swing (distance between neighbours) is no larger than the one before.
    for (size_t i = 331; i + 1 < samples.size(); ++i) {
        const int swing = std::abs(samples[i + 1] - samples[i]);
        ASSERT_LE(swing, std::abs(samples[i] - samples[i - 1])) << i;
    }
}

TEST_F(ClickSoundsTest, TheOtherSoundsCarryTheirStatedMainTones) {
    struct Tone {
        size_t sound;
        double from;
        double to;
    };
    for (const Tone tone : {Tone{1, 15950, 16000}, Tone{2, 15400, 16000}, Tone{3, 11800, 12000}}) {
        SCOPED_TRACE(tone.sound + 1);
        const double frequency =
            dominantFrequency(samplesOf(globals.ClickSounds[tone.sound]), 32000);
        EXPECT_GE(frequency, tone.from);
        EXPECT_LE(frequency, tone.to);
    }
}
