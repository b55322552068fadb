// Arbitrary bytes as letters.zip: listing, extracting and reading members
// never write outside the target folder and never leave a link behind.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "letters/LetterArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr auto kAll = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    QTemporaryDir root;
    const QString target = root.filePath("target"), temp = root.filePath("temp");
    QFile file(root.filePath("letters.zip"));
    if (!QDir().mkpath(target) || !QDir().mkpath(temp) || !file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    qputenv("TEMP", QFile::encodeName(temp));  // where read() makes its private folder

    const LetterArchive archive(file.fileName());
    const QStringList names = archive.list().names;
    for (qsizetype i = 0; i < names.size() && i < 4; ++i) {
        archive.extract(names[i], target);
        archive.read(names[i]);
    }
    // Beside the archive only the two folders, the temporary one empty again,
    // and below the target nothing but folders and plain files.
    if (QDir(root.path()).entryList(kAll).size() != 3 || !QDir(temp).isEmpty(kAll))
        __builtin_trap();
    for (QDirIterator below(target, kAll, QDirIterator::Subdirectories); below.hasNext();) {
        const QFileInfo entry = below.nextFileInfo();
        if (entry.isSymLink() || !(entry.isDir() || entry.isFile())) __builtin_trap();
    }
    return 0;
}
