#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

// True when a file's name ends in the extension of a picture type the
// program shows, in any letter case: .bmp, .gif, .jpg, .jpeg, .png, and .webp
// where Qt's image-format plugins are installed.
bool isPictureFile(const QString& name);

// The filter of the picture dialog: every such type under "Picture Files".
QString pictureFilter();

// The pictures F4 and F5 step through: the chosen picture first, then the
// other pictures of its folder in name order, compared without regard to
// case. Each picture remembers the offset it was panned to when it was last
// left.
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
    // picture being left and returns the offset remembered for `index`;
    // nullopt for a picture not left before.
    std::optional<QPoint> moveTo(qsizetype index, QPoint leavingOffset);

  private:
    QStringList paths_;
    QList<std::optional<QPoint>> offsets_;
    qsizetype current_ = 0;
};
