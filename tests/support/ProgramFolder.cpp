#include "support/ProgramFolder.h"

#include <zip.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "shared/Globals.h"

TestProgramFolder::TestProgramFolder() {
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
}

void TestProgramFolder::write(const QString& name, const QByteArray& content) const {
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray TestProgramFolder::read(const QString& name) const {
    QFile in(file(name));
    if (!in.open(QIODevice::ReadOnly)) return QByteArray();
    return in.readAll();
}

bool TestProgramFolder::exists(const QString& name) const { return QFileInfo::exists(file(name)); }

void TestProgramFolder::copyBuiltLetters() const {
    QFile::copy(QStringLiteral(PICTYPE_PROGRAM_DIR "/letters.zip"), file("letters.zip"));
}

QByteArray makeZip(const std::vector<std::pair<QByteArray, QByteArray>>& members) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (archive == nullptr) throw std::runtime_error("zip_open_from_source");
    zip_source_keep(buffer);
    for (const auto& [name, content] : members) {
        zip_source_t* data = zip_source_buffer(archive, content.constData(),
                                               static_cast<zip_uint64_t>(content.size()), 0);
        if (zip_file_add(archive, name.constData(), data, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(data);
            throw std::runtime_error("zip_file_add");
        }
    }
    if (zip_close(archive) != 0) throw std::runtime_error("zip_close");
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_source_stat(buffer, &stat) == 0 && zip_source_open(buffer) == 0) {
        bytes.resize(static_cast<qsizetype>(stat.size));
        zip_source_read(buffer, bytes.data(), stat.size);
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    return bytes;
}

QByteArray makeLetterSetText(const std::vector<int>& counts) {
    QByteArray text;
    for (int p = 0; p < 95; ++p) {
        const int count = p < static_cast<int>(counts.size()) ? counts[static_cast<size_t>(p)]
                                                              : p % 7 + 1;
        text += "\"char " + QByteArray::number(p) + "\"," + QByteArray::number(count) + "\r\n";
        for (int k = 0; k < count; ++k)
            text += QByteArray::number(k % 32) + ',' + QByteArray::number(k / 32) + ',' +
                    QByteArray::number(p * 65536 + k) + "\r\n";
    }
    return text;
}

void prepareCanvasFolder(const TestProgramFolder& folder, Globals& globals) {
    folder.write("letters.zip", makeZip({{"Test.txt", makeLetterSetText()}}));
    if (!QDir().mkpath(folder.file("temp"))) throw std::runtime_error("cannot make temp");
    qputenv("TEMP", QFile::encodeName(folder.file("temp")));
    globals.LettersZipPath = folder.file("letters.zip");
    globals.LetterSetName = "Test.txt";
    globals.TempTextFile = folder.file("~1000");
    for (size_t i = 0; i < globals.ClickSounds.size(); ++i)
        globals.ClickSounds[i] = {static_cast<uint8_t>(i + 1)};
}
