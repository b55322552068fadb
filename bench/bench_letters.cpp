// Loading a maximal letter set (95 characters x 1024 pixels) from letters.zip
// as the launcher does (LetterArchive::read, then LetterSet::read), against
// merely reading the same file's bytes.
#include <benchmark/benchmark.h>
#include <zip.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <stdexcept>

#include "LetterPack.h"
#include "letters/LetterArchive.h"
#include "letters/LetterSet.h"

namespace {

// Every pixel of every cell, with colours of full length, as the maker writes.
QByteArray maximalSetText() {
    QByteArray text;
    for (int p = 0; p < LetterSet::kBaseSize; ++p) {
        text += "\"" + QByteArray::number(p) + "\",1024\r\n";
        for (int k = 0; k < 1024; ++k)
            text += QByteArray::number(k % 32) + ',' + QByteArray::number(k / 32) + ',' +
                    QByteArray::number(16777215 - p * 1024 - k) + "\r\n";
    }
    return text;
}

// One folder for the whole run: the archive, the plain file and TEMP.
struct Fixture {
    Fixture() {
        text = maximalSetText();
        QDir(dir.path()).mkdir("temp");
        qputenv("TEMP", QFile::encodeName(dir.filePath("temp")));
        QFile plain(dir.filePath("Maximal.txt"));
        if (!plain.open(QIODevice::WriteOnly) || plain.write(text) != text.size())
            throw std::runtime_error("write");
        plain.close();
        // Packed as the shipped archive is.
        QString error;
        if (!packLetterSets(dir.filePath("letters.zip"), {plain.fileName()}, &error))
            throw std::runtime_error(error.toStdString());
    }
    QTemporaryDir dir;
    QByteArray text;
    LetterArchive archive{dir.filePath("letters.zip")};
    LetterSet letters;
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void BM_ReadFileBytes(benchmark::State& state) {
    Fixture& f = fixture();
    const QString path = f.dir.filePath("Maximal.txt");
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("open");
        QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * f.text.size());
}

// The member's bytes straight out of the archive into memory: what any
// load from letters.zip pays before the first field is read.
void BM_UnzipMemberBytes(benchmark::State& state) {
    Fixture& f = fixture();
    const QByteArray path = QFile::encodeName(f.archive.path());
    QByteArray bytes(f.text.size(), Qt::Uninitialized);
    for (auto _ : state) {
        int error = 0;
        zip_t* archive = zip_open(path.constData(), ZIP_RDONLY, &error);
        zip_file_t* member = archive ? zip_fopen(archive, "Maximal.txt", 0) : nullptr;
        if (member == nullptr || zip_fread(member, bytes.data(),
                                           static_cast<zip_uint64_t>(bytes.size())) != bytes.size())
            state.SkipWithError("unzip");
        if (member) zip_fclose(member);
        if (archive) zip_discard(archive);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * f.text.size());
}

void BM_ReadLetterSetFromMemory(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        if (!f.letters.read(f.text).complete) state.SkipWithError("incomplete");
    }
    state.SetBytesProcessed(state.iterations() * f.text.size());
}

void BM_LoadLetterSetFromArchive(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        const std::optional<QByteArray> member = f.archive.read(QStringLiteral("Maximal.txt"));
        if (!member || !f.letters.read(*member).complete) state.SkipWithError("load failed");
    }
    if (f.letters.pixelsAt(LetterSet::kBaseSize - 1).size() != LetterSet::kMaxPixels)
        state.SkipWithError("the set did not load completely");
    state.SetBytesProcessed(state.iterations() * f.text.size());
}

constexpr int kRepetitions = 15;
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_UnzipMemberBytes)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_ReadLetterSetFromMemory)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_LoadLetterSetFromArchive)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);

// Prints the runs as usual, then the median load against each other median.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto load = medians_.find("BM_LoadLetterSetFromArchive");
        if (load == medians_.end()) return;
        std::cout << "letter set load median: " << load->second << " ms\n";
        for (const auto& [name, median] : medians_)
            if (name != load->first && median > 0)
                std::cout << "  " << load->second / median << " x " << name << " (median " << median
                          << " ms)\n";
    }

  private:
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
