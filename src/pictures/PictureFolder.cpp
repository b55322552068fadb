#include "pictures/PictureFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {

const QStringList& pictureSuffixes() {
    static const QStringList suffixes = [] {
        QStringList known = {"bmp", "gif", "jpg", "jpeg", "png"};
        if (QImageReader::supportedImageFormats().contains("webp")) known << "webp";
        return known;
    }();
    return suffixes;
}

// The folder's files in the order a case-blind file system lists them.
// Names differing only in case, possible here, follow in a fixed order.
QStringList filesInNameOrder(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int blind = a.compare(b, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : a < b;
    });
    return names;
}

}  // namespace

bool isPictureFile(const QString& name) {
    return pictureSuffixes().contains(QFileInfo(name).suffix().toLower());
}

QString pictureFilter() {
    return QCoreApplication::translate("Pictures", "Picture Files") + QStringLiteral(" (*.") +
           pictureSuffixes().join(QStringLiteral(" *.")) + QLatin1Char(')');
}

PictureFolder::PictureFolder(const QString& chosen) {
    const QString folder = chosen.left(chosen.lastIndexOf(QLatin1Char('/')) + 1);
    if (folder.isEmpty()) return;
    const QString name = chosen.mid(folder.size());
    paths_ << chosen;
    for (const QString& file : filesInNameOrder(folder)) {
        if (file != name && isPictureFile(file)) paths_ << folder + file;
    }
    offsets_.resize(paths_.size());
}

qsizetype PictureFolder::neighbour(qsizetype index, Step step) const {
    const qsizetype count = paths_.size();
    return step == Step::Next ? (index + 1) % count : (index + count - 1) % count;
}

std::optional<QPoint> PictureFolder::moveTo(qsizetype index, QPoint leavingOffset) {
    offsets_[current_] = leavingOffset;
    current_ = index;
    return offsets_[current_];
}
