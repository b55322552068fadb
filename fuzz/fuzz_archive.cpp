// Arbitrary bytes as letters.zip: listing and extracting must fail cleanly
// (one message at most per call) and never write outside the target folder.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "letters/Unzip.h"
#include "shared/Globals.h"

namespace {

class CountingMessages : public MessageBoxService {
  public:
    MsgAnswer show(const QString&, MsgButtons) override {
        ++count;
        return MsgAnswer::Ok;
    }
    int count = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTemporaryDir root;
    const QString archive = root.filePath("letters.zip");
    const QString target = root.filePath("target");
    QDir().mkpath(target);
    {
        QFile file(archive);
        if (!file.open(QIODevice::WriteOnly)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    Globals globals;
    globals.LettersZipPath = archive;
    globals.ZipMemberCapacity = 50;
    globals.ZipMemberNames = QStringList(51);
    CountingMessages messages;
    UnzipRun(globals, messages, archive, QString(), 1, 0);
    if (messages.count > 1) __builtin_trap();

    for (int32_t i = 0; i < globals.ZipMemberCount && i < 4; ++i) {
        messages.count = 0;
        globals.IncludeNames[0] = globals.ZipMemberNames[i];
        UnzipRun(globals, messages, archive, target, 0, 1);
        if (messages.count > 1) __builtin_trap();
    }
    // Nothing but the archive and the target folder may stand in the root.
    const QStringList entries =
        QDir(root.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (entries.size() != 2) __builtin_trap();
    // and below the target folder nothing but folders and plain files: an
    // extraction never makes a link that a later write could follow.
    QDirIterator below(target,
                       QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (below.hasNext()) {
        const QFileInfo entry(below.next());
        if (entry.isSymLink() || !(entry.isDir() || entry.isFile())) __builtin_trap();
    }
    return 0;
}
