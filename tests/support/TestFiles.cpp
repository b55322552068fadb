#include "support/TestFiles.h"

#include <zip.h>

#include <QFile>
#include <stdexcept>

#include "platform/Files.h"

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray readFile(const QString& path) {
    return readFileWhole(path).value_or(QByteArray());
}

void writeZip(const QString& path, const std::vector<std::pair<QByteArray, QByteArray>>& members) {
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    for (const auto& [name, content] : members)
        zip_file_add(
            archive, name.constData(),
            zip_source_buffer(archive, content.constData(), zip_uint64_t(content.size()), 0), 0);
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray letterSetText(const std::function<int(int)>& pixels) {
    QByteArray text;
    for (int p = 0; p < 95; ++p) {
        const int count = pixels ? pixels(p) : p % 7 + 1;
        text += "\"char " + QByteArray::number(p) + "\"," + QByteArray::number(count) + "\r\n";
        for (int k = 0; k < count; ++k)
            text += QByteArray::number(k % 32) + ',' + QByteArray::number(k / 32) + ',' +
                    QByteArray::number(p * 65536 + k) + "\r\n";
    }
    return text;
}
