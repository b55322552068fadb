// How long a key release waits for its click to start, and what writing the
// typed text costs once the log's file has grown.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

#include "platform/SdlSoundOutput.h"
#include "session/TypedTextLog.h"
#include "sound/ClickSounds.h"

namespace {

// Takes the sounds and plays nothing: building them needs an output.
class NoSound final : public SoundOutput {
  public:
    void play(const QByteArray&) override {}
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
