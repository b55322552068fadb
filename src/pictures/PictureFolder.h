#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

// The filter of the picture dialogs.
inline const QString kPictureFilter = QStringLiteral("Picture Files (*.bmp *.jpg *.gif)");

// True when the last three characters of `text`, lower-cased, are "jpg",
// "bmp" or "gif": the test for a picture named on the command line or
// dropped on the launcher. No dot is required.
bool endsLikePicture(const QString& text);

// The pictures F4 and F5 step through: the chosen picture first, then the
// other pictures (".jpg", ".bmp", ".gif" in any case) of its folder in name
// order, compared without regard to case. Each picture remembers the offset
// it was panned to when it was last left.
class PictureFolder {
  public:
    enum class Step { Next, Previous };

    // No pictures: nothing was chosen.
    PictureFolder() = default;
    // Lists the folder of `chosen`, a full path.
    explicit PictureFolder(const QString& chosen);

    bool isEmpty() const { return paths_.isEmpty(); }
    qsizetype size() const { return paths_.size(); }
    qsizetype currentIndex() const { return current_; }
    const QString& path(qsizetype index) const { return paths_[index]; }
    const QStringList& paths() const { return paths_; }

    // The index one step from `index`, wrapping round at both ends.
    qsizetype neighbour(qsizetype index, Step step) const;

    // Makes `index` the current picture: remembers `leavingOffset` for the
    // picture being left and returns the offset remembered for `index`
    // (0, 0 for a picture not left before).
    QPoint moveTo(qsizetype index, QPoint leavingOffset);

  private:
    QStringList paths_;
    QList<QPoint> offsets_;
    qsizetype current_ = 0;
};
