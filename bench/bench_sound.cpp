// How long a key release waits for its click to start, how long a key
// waits for its first sample of speech, and what writing the typed text
// costs once the log's file has grown.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <utility>

#include "platform/SdlSoundOutput.h"
#include "session/TypedTextLog.h"
#include "sound/ClickSounds.h"
#include "sound/EspeakSpeaker.h"

namespace {

// Takes the sounds and plays nothing: building them needs an output.
class NoSound final : public SoundOutput {
  public:
    void play(const QByteArray&) override {}
    void speak(std::span<const int16_t>, int) override {}
    void stopSpeaking() override {}
};

// Takes the speech, and tells when the first samples of a saying came.
class SpeechClock final : public SoundOutput {
  public:
    void play(const QByteArray&) override {}
    void speak(std::span<const int16_t> samples, int) override {
        if (samples.empty()) return;
        {
            const std::lock_guard lock(mutex_);
            if (std::exchange(heard_, true)) return;
        }
        came_.notify_one();
    }
    void stopSpeaking() override {}

    void expect() {
        const std::lock_guard lock(mutex_);
        heard_ = false;
    }
    void wait() {
        std::unique_lock lock(mutex_);
        came_.wait(lock, [this] { return heard_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable came_;
    bool heard_ = false;
};

void startClicks(benchmark::State& state, const char* driver) {
    ::setenv("SDL_AUDIODRIVER", driver, 1);
    NoSound none;
    const ClickSounds clicks(none);
    SdlSoundOutput output;
    output.play(clicks.images()[0]);  // opens the device, or finds there is none
    size_t next = 0;
    for (auto _ : state) output.play(clicks.images()[next++ % 4]);
}

void BM_StartClick(benchmark::State& state) {
    startClicks(state, "dummy");
}
BENCHMARK(BM_StartClick);

void BM_StartClickWithoutAudio(benchmark::State& state) {
    startClicks(state, "no-such-audio-driver");
}
BENCHMARK(BM_StartClickWithoutAudio);

// From the key's saying to its first samples, the voices loaded ahead as
// the canvas opens them; each key cuts off the one before, as when keys are
// mashed. With other_script, the keys alternate between Latin and Cyrillic,
// so that each changes the voice.
void BM_KeyToFirstSpeechSample(benchmark::State& state) {
    SpeechClock output;
    EspeakSpeaker speaker(output, {QStringLiteral("en-US")});
    const QList<QList<SpokenPart>> keys = {{{SpokenPart::As::Character, QStringLiteral("a")}},
                                           {{SpokenPart::As::Character, QStringLiteral("\u0436")}}};
    speaker.prepare();
    output.expect();
    speaker.say(keys[0]);
    output.wait();
    size_t next = 0;
    for (auto _ : state) {
        output.expect();
        speaker.say(keys[state.range(0) != 0 ? ++next % 2 : 0]);
        output.wait();
    }
}
BENCHMARK(BM_KeyToFirstSpeechSample)
    ->ArgName("other_script")
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void BM_BuildClickSounds(benchmark::State& state) {
    NoSound none;
    for (auto _ : state) {
        const ClickSounds clicks(none);
        benchmark::DoNotOptimize(clicks.images()[3].data());
    }
}
BENCHMARK(BM_BuildClickSounds);

// A write of 501 keys onto a typed text that already holds state.range(0)
// characters: the file is rewritten whole.
void BM_WriteTypedText(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        TypedTextLog log(dir.filePath(QStringLiteral("log.txt")));
        for (int64_t k = 0; k < state.range(0); ++k) log.type(u'a');
        log.write();
        for (int k = 0; k <= TypedTextLog::kKeysPerWrite; ++k) log.type(u'b');
        state.ResumeTiming();
        if (!log.write()) state.SkipWithError("the write failed");
    }
}
BENCHMARK(BM_WriteTypedText)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
