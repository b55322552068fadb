// How long a key release waits for its click to start, and what the log's
// flush costs once the temporary file has grown.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

#include "canvas/TypedTextLog.h"
#include "platform/SdlSoundOutput.h"
#include "shared/Globals.h"
#include "sound/ClickSounds.h"
#include "support/SilentServices.h"

namespace {

void BM_StartClick(benchmark::State& state) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    Globals globals;
    BuildClickSounds(globals);
    SdlSoundOutput output;
    output.play(globals.ClickSounds[0]);  // opens the device, once per run
    size_t next = 0;
    for (auto _ : state) output.play(globals.ClickSounds[next++ % 4]);
}
BENCHMARK(BM_StartClick);

void BM_StartClickWithoutAudio(benchmark::State& state) {
    ::setenv("SDL_AUDIODRIVER", "no-such-audio-driver", 1);
    Globals globals;
    BuildClickSounds(globals);
    SdlSoundOutput output;
    output.play(globals.ClickSounds[0]);  // finds out there is no audio
    size_t next = 0;
    for (auto _ : state) output.play(globals.ClickSounds[next++ % 4]);
}
BENCHMARK(BM_StartClickWithoutAudio);

void BM_BuildClickSounds(benchmark::State& state) {
    Globals globals;
    for (auto _ : state) {
        BuildClickSounds(globals);
        benchmark::DoNotOptimize(globals.ClickSounds[3].data());
    }
}
BENCHMARK(BM_BuildClickSounds);

// A flush of 501 keys onto a log that already holds state.range(0) bytes.
void BM_FlushCurrentLine(benchmark::State& state) {
    QTemporaryDir dir;
    Globals globals;
    globals.TempTextFile = dir.filePath(QStringLiteral("log.txt"));
    SilentMessages messages;
    QString CurrentLine(static_cast<qsizetype>(state.range(0)), u'a');
    FlushCurrentLine(globals, CurrentLine, messages);
    for (auto _ : state) {
        state.PauseTiming();
        CurrentLine = QString(501, u'b');
        globals.TypedText.clear();
        state.ResumeTiming();
        FlushCurrentLine(globals, CurrentLine, messages);
        state.PauseTiming();
        // Keep the file at its starting size so every flush costs the same.
        QString start(static_cast<qsizetype>(state.range(0)), u'a');
        QFile::remove(globals.TempTextFile);
        FlushCurrentLine(globals, start, messages);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FlushCurrentLine)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
