#include "LetterPack.h"

#include <zip.h>

#include <QFile>
#include <QFileInfo>
#include <vector>

#include "LetterCheck.h"
#include "platform/Files.h"

bool packLetterSets(const QString& zipPath, const QStringList& files, QString* error) {
    // Read and check everything before the archive is touched.
    std::vector<QByteArray> contents;
    for (const QString& path : files) {
        std::optional<QByteArray> content = readFileWhole(path);
        if (!content) {
            *error = QStringLiteral("cannot read %1").arg(path);
            return false;
        }
        contents.push_back(std::move(*content));
        if (!checkLetterSet(contents.back()).loadsCompletely()) {
            *error =
                QStringLiteral("%1 does not load completely (see check); nothing packed").arg(path);
            return false;
        }
    }

    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_CREATE, &code);
    if (archive == nullptr) {
        zip_error_t zipError;
        zip_error_init_with_code(&zipError, code);
        *error = QStringLiteral("cannot open %1: %2").arg(zipPath, zip_error_strerror(&zipError));
        zip_error_fini(&zipError);
        return false;
    }
    for (size_t i = 0; i < contents.size(); ++i) {
        const QByteArray name = QFileInfo(files[static_cast<qsizetype>(i)]).fileName().toUtf8();
        zip_source_t* source = zip_source_buffer(archive, contents[i].constData(),
                                                 static_cast<zip_uint64_t>(contents[i].size()), 0);
        const zip_int64_t index = source ? zip_file_add(archive, name.constData(), source,
                                                        ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8)
                                         : -1;
        if (index < 0) {
            if (source) zip_source_free(source);
            *error = QStringLiteral("cannot add %1: %2").arg(name, zip_strerror(archive));
            zip_discard(archive);
            return false;
        }
        // Stored, not deflated: the canvas extracts its set every time it
        // opens, and inflating costs more than the disk it saves.
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0) {
        *error = QStringLiteral("cannot write %1: %2").arg(zipPath, zip_strerror(archive));
        zip_discard(archive);
        return false;
    }
    return true;
}
