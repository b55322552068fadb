#include "pictures/PictureStepper.h"

namespace {

PictureFolder::Step opposite(PictureFolder::Step step) {
    return step == PictureFolder::Step::Next ? PictureFolder::Step::Previous
                                             : PictureFolder::Step::Next;
}

}  // namespace

PictureStepper::PictureStepper(const PictureFolder& folder, const QImage& image,
                               PictureDecoder& decoder, qint64 aheadBudget)
    : folder_(folder), cache_(decoder, aheadBudget), shown_(folder.currentIndex()), image_(image) {
    // The cache brings only the picture wanted last: the target's.
    connect(&cache_, &PictureCache::ready, this,
            [this](const QString&, const Picture& picture) { take(picture); });
    // In a folder of one or two pictures the one shown is a neighbour too.
    decodeNeighbours(shown_, image_);
}

void PictureStepper::decodeNeighbours(qsizetype left, const QImage& leftImage) {
    if (folder_.isEmpty()) return;
    // The way the last press went first: the likelier next step.
    QStringList ahead{folder_.path(folder_.neighbour(shown_, direction_))};
    const QString& behind = folder_.path(folder_.neighbour(shown_, opposite(direction_)));
    if (!ahead.contains(behind)) ahead << behind;
    cache_.decodeAhead(ahead, folder_.path(left), leftImage);
}

void PictureStepper::step(PictureFolder::Step step) {
    if (folder_.isEmpty()) {
        emit stayed();
        return;
    }
    target_ = folder_.neighbour(target_.value_or(shown_), step);
    direction_ = step;
    tried_ = 1;
    cache_.want(folder_.path(*target_));
}

void PictureStepper::take(const Picture& picture) {
    if (!picture.loaded()) {
        // None loads: the picture shown stays.
        if (tried_ == folder_.size()) {
            target_.reset();
            emit stayed();
            return;
        }
        target_ = folder_.neighbour(*target_, direction_);
        ++tried_;
        cache_.want(folder_.path(*target_));
        return;
    }
    const qsizetype left = std::exchange(shown_, *std::exchange(target_, std::nullopt));
    decodeNeighbours(left, std::exchange(image_, picture.image));
    emit arrived(shown_, image_);
}
