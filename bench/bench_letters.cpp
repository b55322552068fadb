// Loading letter sets from letters.zip as the launcher does
// (LetterArchive::read, then LetterSet::read), against merely reading the
// same file's bytes: a maximal set (95 characters x 1024 pixels), a large
// one as people draw them (the 95 and 450 further characters) and the
// largest set of the shipped letters.zip.
#include <benchmark/benchmark.h>
#include <zip.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <stdexcept>

#include "LetterPack.h"
#include "letters/LetterArchive.h"
#include "letters/LetterSet.h"
#include "platform/Files.h"

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

// The further characters of the large set: Latin-1 Supplement, Latin
// Extended-A, Greek capitals and small letters, then Cyrillic, 450 in all.
std::vector<char32_t> largeSetExtras() {
    std::vector<char32_t> characters;
    for (const auto& [first, last] : {std::pair<char32_t, char32_t>(0xA1, 0xFF),
                                      {0x100, 0x17F},
                                      {0x391, 0x3A1},
                                      {0x3A3, 0x3C9},
                                      {0x400, 0x4FF}})
        for (char32_t c = first; c <= last; ++c) characters.push_back(c);
    characters.resize(450);
    return characters;
}

// The pixels of the large set's block `p`: 250 to 649, 450 on average, as
// many as the densest shipped set has.
int largeGlyphPixels(int p) {
    return 250 + p * 97 % 400;
}

// The 95 and the further characters, their pixels spread over the cell row
// by row as the maker lists them, with colours of full length.
QByteArray largeSetText() {
    const std::vector<char32_t> extras = largeSetExtras();
    QByteArray text;
    for (int p = 0; p < LetterSet::kBaseSize + static_cast<int>(extras.size()); ++p) {
        const QByteArray label =
            p < LetterSet::kBaseSize
                ? QByteArray::number(p)
                : QString::fromUcs4(&extras[static_cast<size_t>(p - LetterSet::kBaseSize)], 1)
                      .toUtf8();
        const int count = largeGlyphPixels(p);
        text += '"' + label + "\"," + QByteArray::number(count) + "\r\n";
        for (int k = 0; k < count; ++k) {
            const int cell = k * LetterSet::kMaxPixels / count;
            text += QByteArray::number(cell % 32) + ',' + QByteArray::number(cell / 32) + ',' +
                    QByteArray::number(16777215 - p * 4096 - k) + "\r\n";
        }
    }
    return text;
}

void writePlain(const QString& path, const QByteArray& text) {
    QFile plain(path);
    if (!plain.open(QIODevice::WriteOnly) || plain.write(text) != text.size())
        throw std::runtime_error("write");
}

// The largest member of the shipped letters.zip.
QString largestMember(const LetterArchive& archive) {
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(archive.path()).constData(), ZIP_RDONLY, &error);
    if (zip == nullptr) throw std::runtime_error("no letters.zip in the program folder");
    QString largest;
    zip_uint64_t most = 0;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &stat) == 0 && stat.size > most) {
            most = stat.size;
            largest = QString::fromUtf8(stat.name);
        }
    }
    zip_discard(zip);
    return largest;
}

// One letter set, written plain and packed alone into an archive as the
// shipped letters.zip is, or the largest set of the shipped archive itself.
struct Sample {
    Sample(const QString& folder, const QString& name, QByteArray content)
        : member(name + QStringLiteral(".txt")),
          plainPath(QDir(folder).filePath(member)),
          text(std::move(content)),
          archive(QDir(folder).filePath(name + QStringLiteral(".zip"))) {
        writePlain(plainPath, text);
        QString error;
        if (!packLetterSets(archive.path(), {plainPath}, &error))
            throw std::runtime_error(error.toStdString());
        expected.read(text);
    }
    Sample(const QString& folder, const LetterArchive& shipped)
        : member(largestMember(shipped)),
          plainPath(QDir(folder).filePath(QStringLiteral("shipped.txt"))),
          text(shipped.read(member).value_or(QByteArray())),
          archive(shipped) {
        writePlain(plainPath, text);
        if (!expected.read(text).stopReason.isEmpty()) throw std::runtime_error("shipped set");
        std::cout << "largest shipped set: " << member.toStdString() << ", " << text.size()
                  << " bytes, " << expected.size() << " characters\n";
    }
    // Whether `letters` holds the whole set.
    bool loaded(const LetterSet& letters) const { return letters.format() == expected.format(); }
    QString member;
    QString plainPath;
    QByteArray text;
    LetterArchive archive;
    LetterSet expected;
};

// One folder for the whole run: the files, the archives and TEMP.
struct Fixture {
    Fixture() {
        QDir(dir.path()).mkdir("temp");
        qputenv("TEMP", QFile::encodeName(dir.filePath("temp")));
    }
    QTemporaryDir dir;
    Sample maximal{dir.path(), QStringLiteral("Maximal"), maximalSetText()};
    Sample large{dir.path(), QStringLiteral("Large"), largeSetText()};
    Sample shipped{dir.path(), LetterArchive(QStringLiteral(PICTYPE_PROGRAM_DIR "/letters.zip"))};
    LetterSet letters;
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

// The set a benchmark reads: by its argument, 0 the maximal one, 1 the
// large one, 2 the largest shipped one.
const Sample& sampleOf(const benchmark::State& state) {
    const Sample* samples[] = {&fixture().maximal, &fixture().large, &fixture().shipped};
    return *samples[state.range(0)];
}

void BM_ReadFileBytes(benchmark::State& state) {
    const Sample& sample = sampleOf(state);
    for (auto _ : state) {
        const std::optional<QByteArray> bytes = readFileWhole(sample.plainPath);
        if (!bytes) state.SkipWithError("open");
        benchmark::DoNotOptimize(bytes->data());
    }
    state.SetBytesProcessed(state.iterations() * sample.text.size());
}

// The member's bytes straight out of the archive into memory: what any
// load from letters.zip pays before the first field is read.
void BM_UnzipMemberBytes(benchmark::State& state) {
    const Sample& sample = sampleOf(state);
    const QByteArray path = QFile::encodeName(sample.archive.path());
    const QByteArray member = QFile::encodeName(sample.member);
    QByteArray bytes(sample.text.size(), Qt::Uninitialized);
    for (auto _ : state) {
        int error = 0;
        zip_t* archive = zip_open(path.constData(), ZIP_RDONLY, &error);
        zip_file_t* file = archive ? zip_fopen(archive, member.constData(), 0) : nullptr;
        if (file == nullptr ||
            zip_fread(file, bytes.data(), static_cast<zip_uint64_t>(bytes.size())) != bytes.size())
            state.SkipWithError("unzip");
        if (file) zip_fclose(file);
        if (archive) zip_discard(archive);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * sample.text.size());
}

void BM_ReadLetterSetFromMemory(benchmark::State& state) {
    const Sample& sample = sampleOf(state);
    LetterSet& letters = fixture().letters;
    for (auto _ : state) {
        if (!letters.read(sample.text).stopReason.isEmpty()) state.SkipWithError("fault");
    }
    if (!sample.loaded(letters)) state.SkipWithError("the set did not load completely");
    state.SetBytesProcessed(state.iterations() * sample.text.size());
}

void BM_LoadLetterSetFromArchive(benchmark::State& state) {
    const Sample& sample = sampleOf(state);
    LetterSet& letters = fixture().letters;
    for (auto _ : state) {
        const std::optional<QByteArray> member = sample.archive.read(sample.member);
        if (!member || !letters.read(*member).stopReason.isEmpty())
            state.SkipWithError("load failed");
    }
    if (!sample.loaded(letters)) state.SkipWithError("the set did not load completely");
    state.SetBytesProcessed(state.iterations() * sample.text.size());
    state.SetLabel(QStringLiteral("%1, %2 MB")
                       .arg(sample.member)
                       .arg(static_cast<double>(sample.text.size()) / 1e6, 0, 'f', 1)
                       .toStdString());
}

void sets(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("set")
        ->Arg(0)
        ->Arg(1)
        ->Arg(2)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(15);
}
BENCHMARK(BM_ReadFileBytes)->Apply(sets);
BENCHMARK(BM_UnzipMemberBytes)->Apply(sets);
BENCHMARK(BM_ReadLetterSetFromMemory)->Apply(sets);
BENCHMARK(BM_LoadLetterSetFromArchive)->Apply(sets);

// Prints the runs as usual, then each set's median load (CPU time, as the
// table of tools/run-benchmarks.sh) against the other medians of that set.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.args][run.run_name.function_name] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [set, medians] : medians_) {
            const auto load = medians.find("BM_LoadLetterSetFromArchive");
            if (load == medians.end()) continue;
            std::cout << "letter set load median (" << set << "): " << load->second << " ms\n";
            for (const auto& [name, median] : medians)
                if (name != load->first && median > 0)
                    std::cout << "  " << load->second / median << " x " << name << " (median "
                              << median << " ms)\n";
        }
    }

  private:
    // By the benchmark's arguments, then its name.
    std::map<std::string, std::map<std::string, double>> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
