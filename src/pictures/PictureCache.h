#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "pictures/PictureDecoder.h"
#include "pictures/PictureLoader.h"

// The most a picture may take to be decoded before it is asked for: a
// 33-megapixel photograph. Larger ones are decoded when they are wanted.
inline constexpr qint64 kDecodeAheadBudget = 128LL * 1024 * 1024;

// Pictures decoded before they are asked for. It keeps the pictures of the
// paths likely to be wanted next, decoded one at a time while nothing else
// is wanted, and lets each go once its path is no longer likely. A picture
// asked for comes at once when it is kept, else as soon as it is decoded; a
// decode that is neither wanted nor likely any longer is dropped unseen.
// What is kept is the pictures of those paths and nothing else, plus at
// most the one decoding.
class PictureCache : public QObject {
    Q_OBJECT

  public:
    PictureCache(PictureDecoder& decoder, qint64 aheadBudget = kDecodeAheadBudget);
    ~PictureCache() override;

    // The paths to decode ahead, the likeliest first, and the picture of one
    // of them when it is at hand already; what is kept of other paths is
    // let go.
    void decodeAhead(const QStringList& paths, const QString& decodedPath = QString(),
                     const QImage& decoded = QImage());
    // Asks for the picture of `path`, in place of any asked for before:
    // `ready` brings it, at once when it is kept. Whether it loaded is the
    // picture's own status; a decode ahead that came back over the budget
    // is decoded again for it.
    void want(const QString& path);
    void stopWanting();

  signals:
    void ready(const QString& path, const Picture& picture);

  private:
    struct Kept {
        QString path;
        Picture picture;
    };
    struct Decoding {
        PictureDecoder::Ticket ticket;
        QString path;
    };
    const Kept* kept(const QString& path) const;
    bool isLikely(const QString& path) const;
    // Gives up the decode asked of the decoder when nobody needs it and it
    // has not begun.
    void dropUnneededDecode();
    void decodeNext();
    void take(PictureDecoder::Ticket ticket, const Picture& picture);

    PictureDecoder& decoder_;
    qint64 aheadBudget_;
    QStringList ahead_;
    QList<Kept> kept_;
    std::optional<QString> wanted_;
    std::optional<Decoding> decoding_;
};
