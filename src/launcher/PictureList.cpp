#include "launcher/PictureList.h"

#include <QDir>
#include <QStringList>
#include <algorithm>

#include "shared/Globals.h"

namespace {

constexpr int32_t kPictureCapacityStep = 50;

bool isPictureFileName(const QString& name) {
    const QString extension = name.right(4).toLower();
    return extension == QLatin1String(".jpg") || extension == QLatin1String(".bmp") ||
           extension == QLatin1String(".gif");
}

// The folder's normal files in the order a case-blind file system lists
// them. Names differing only in case, possible here, follow in a fixed order.
QStringList filesInNameOrder(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int blind = a.compare(b, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : a < b;
    });
    return names;
}

}  // namespace

bool endsInPictureExtension(const QString& text) {
    const QString extension = text.right(3).toLower();
    return extension == QLatin1String("jpg") || extension == QLatin1String("bmp") ||
           extension == QLatin1String("gif");
}

void buildPictureList(Globals& g) {
    const QString folder = g.PictureFile.left(g.PictureFile.lastIndexOf(QLatin1Char('/')) + 1);
    g.PictureCapacity = kPictureCapacityStep;
    g.PictureList = QStringList(g.PictureCapacity + 1);
    g.PictureIndex = 1;
    g.PictureCount = 0;
    if (folder.isEmpty()) return;

    const QString name = g.PictureFile.mid(folder.size());
    g.PictureList[1] = g.PictureFile;
    g.PictureCount = 1;
    for (const QString& file : filesInNameOrder(folder)) {
        if (file == name) continue;
        if (isPictureFileName(file)) {
            ++g.PictureCount;
            g.PictureList[g.PictureCount] = folder + file;
        }
        if (g.PictureCount == g.PictureCapacity) {
            g.PictureCapacity += kPictureCapacityStep;
            g.PictureList.resize(g.PictureCapacity + 1);
        }
    }
}
