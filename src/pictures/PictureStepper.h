#pragma once

#include <QImage>
#include <QObject>
#include <optional>

#include "pictures/PictureCache.h"
#include "pictures/PictureFolder.h"

// Where F4 and F5 lead in a folder of pictures, with the pictures on either
// side of the one shown decoded ahead, so that a step after a pause shows at
// once. Each press steps once: from the picture shown, or from the one the
// presses before it led to while that is still decoding. A picture that does
// not load is passed over in the direction of the last press, once round
// the folder at most, ending at the picture shown, which is loaded afresh.
// A picture a later press has stepped past is never shown. Every step ends
// in arrived() or, when no picture loads, stayed(); steps taken while one is
// under way end with it.
class PictureStepper : public QObject {
    Q_OBJECT

  public:
    // `folder` is current at `shown`, whose picture is `image`.
    PictureStepper(const PictureFolder& folder, const QImage& image, PictureDecoder& decoder,
                   qint64 aheadBudget = kDecodeAheadBudget);

    void step(PictureFolder::Step step);

  signals:
    // The picture the presses led to: show it.
    void arrived(qsizetype index, const QImage& image);
    // No picture the presses led to loaded, or there is none: the one shown stays.
    void stayed();

  private:
    void take(const Picture& picture);
    // Decodes the pictures beside the one shown; `left`, the one shown
    // before, is one of them already decoded.
    void decodeNeighbours(qsizetype left, const QImage& leftImage);

    const PictureFolder& folder_;
    PictureCache cache_;
    qsizetype shown_;
    QImage image_;
    std::optional<qsizetype> target_;
    PictureFolder::Step direction_ = PictureFolder::Step::Next;
    qsizetype tried_ = 0;
};
