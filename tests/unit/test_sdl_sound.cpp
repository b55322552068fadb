// Click playback through SDL: what reaches the audio device (SDL's disk
// driver writes it to a file), and that no audio at all costs nothing.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "DominantFrequency.h"
#include "platform/SdlSoundOutput.h"
#include "shared/Globals.h"
#include "sound/ClickSounds.h"

namespace {

// Sets an environment variable for the life of the guard.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// The sound output asks the device for 16-bit mono at this rate, and the
// disk driver grants exactly what is asked.
constexpr int kDeviceRate = 48000;
constexpr int kLoudEnough = 300;  // well above resampling ripple around silence

// What SDL's disk driver wrote while `play` ran: the device keeps writing
// silence around the clicks, so waiting for enough output makes sure the
// last click came out whole.
class DiskRecording {
  public:
    explicit DiskRecording(int millisecondsPerBuffer)
        : driver_("SDL_AUDIODRIVER", "disk"),
          file_("SDL_DISKAUDIOFILE", dir_.filePath("played.raw").toStdString()),
          delay_("SDL_DISKAUDIODELAY", std::to_string(millisecondsPerBuffer)) {}

    std::vector<int16_t> record(const std::function<void(SdlSoundOutput&)>& play,
                                size_t samplesWanted) {
        SdlSoundOutput output;
        play(output);
        const QString path = dir_.filePath("played.raw");
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (QFile(path).size() < static_cast<qint64>(samplesWanted * sizeof(int16_t)) &&
               std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) return {};
        const QByteArray raw = in.readAll();
        std::vector<int16_t> samples(static_cast<size_t>(raw.size()) / sizeof(int16_t));
        std::memcpy(samples.data(), raw.constData(), samples.size() * sizeof(int16_t));
        return samples;
    }

  private:
    QTemporaryDir dir_;
    ScopedEnv driver_;
    ScopedEnv file_;
    ScopedEnv delay_;
};

// The samples from the first to the last loud one.
std::vector<int16_t> soundingPart(const std::vector<int16_t>& samples) {
    auto loud = [](int16_t s) { return std::abs(s) > kLoudEnough; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    if (first >= last) return {};
    return std::vector<int16_t>(first, last);
}

size_t resampledLength(size_t samples, int rate) {
    return samples * kDeviceRate / rate;
}

class SdlSoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildClickSounds(globals);
        ASSERT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "audio left open by an earlier test";
    }
    Globals globals;
};

}  // namespace

TEST_F(SdlSoundTest, APlayedClickReachesTheDeviceWholeAndInTune) {
    struct Click {
        size_t sound;
        int rate;
        size_t samples;
        double from;
        double to;
    };
    for (const Click click :
         {Click{0, 22050, 440, 10900, 11150}, Click{3, 32000, 671, 11800, 12000}}) {
        SCOPED_TRACE(click.sound + 1);
        DiskRecording disk(5);
        const size_t length = resampledLength(click.samples, click.rate);
        const std::vector<int16_t> played = disk.record(
            [&](SdlSoundOutput& output) { output.play(globals.ClickSounds[click.sound]); },
            4 * length);
        const std::vector<int16_t> sounding = soundingPart(played);
        // Sound 4 fades out to almost nothing, so its quiet tail may fall
        // below the loudness threshold.
        EXPECT_LE(sounding.size(), length + 60);
        EXPECT_GE(sounding.size(), length * 3 / 4);
        const double frequency = dominantFrequency(sounding, kDeviceRate);
        EXPECT_GE(frequency, click.from);
        EXPECT_LE(frequency, click.to);
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the device is closed with the output";
}

TEST_F(SdlSoundTest, ANewClickCutsOffTheOneStillPlayingAndABadImageIsSkipped) {
    // The disk driver is slowed to 40 ms per 256-sample buffer, so nearly
    // all of the first click is still queued when the second arrives.
    DiskRecording disk(40);
    const size_t second = resampledLength(440, 22050);
    const size_t first = resampledLength(671, 32000);
    const std::vector<uint8_t> notAWave(600, 0x55);
    const std::vector<int16_t> played = disk.record(
        [&](SdlSoundOutput& output) {
            output.play(notAWave);
            output.play(globals.ClickSounds[3]);
            output.play(globals.ClickSounds[0]);
        },
        first + second + 4 * 256);
    const std::vector<int16_t> sounding = soundingPart(played);
    ASSERT_GE(sounding.size(), second * 9 / 10);
    EXPECT_LT(sounding.size(), first + second - 256);
    // The second click comes out whole, and last.
    const std::vector<int16_t> tail(sounding.end() - static_cast<long>(second) + 40,
                                    sounding.end());
    EXPECT_NEAR(dominantFrequency(tail, kDeviceRate), 11025, 100);
}

TEST_F(SdlSoundTest, WithoutAudioPlayIsSilentAndNeverTriesAgain) {
    {
        ScopedEnv driver("SDL_AUDIODRIVER", "no-such-audio-driver");
        SdlSoundOutput output;
        output.play(globals.ClickSounds[0]);
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
        // Audio becoming available later is not looked for on every key.
        ScopedEnv working("SDL_AUDIODRIVER", "dummy");
        for (int i = 0; i < 100; ++i) output.play(globals.ClickSounds[i % 4]);
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    }
    {
        ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
        SdlSoundOutput output;
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "no audio is opened before the first click";
        output.play(globals.ClickSounds[1]);
        EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}
