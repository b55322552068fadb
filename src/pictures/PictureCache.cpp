#include "pictures/PictureCache.h"

#include <algorithm>
#include <utility>

PictureCache::PictureCache(PictureDecoder& decoder, qint64 aheadBudget)
    : decoder_(decoder), aheadBudget_(aheadBudget) {
    connect(&decoder_, &PictureDecoder::decoded, this, &PictureCache::take);
}

PictureCache::~PictureCache() {
    if (decoding_) decoder_.cancel(decoding_->ticket);
}

const PictureCache::Kept* PictureCache::kept(const QString& path) const {
    const auto found = std::find_if(kept_.cbegin(), kept_.cend(),
                                    [&path](const Kept& kept) { return kept.path == path; });
    return found == kept_.cend() ? nullptr : &*found;
}

bool PictureCache::isLikely(const QString& path) const {
    return ahead_.contains(path);
}

void PictureCache::decodeAhead(const QStringList& paths, const QString& decodedPath,
                               const QImage& decoded) {
    ahead_ = paths;
    kept_.removeIf([this](const Kept& kept) { return !isLikely(kept.path); });
    if (isLikely(decodedPath) && !kept(decodedPath))
        kept_.append({decodedPath, {Picture::Status::Loaded, decoded, {}}});
    dropUnneededDecode();
    decodeNext();
}

void PictureCache::want(const QString& path) {
    const Kept* ready = kept(path);
    if (ready && ready->picture.status != Picture::Status::OverBudget) {
        wanted_.reset();
        const Picture picture = ready->picture;
        dropUnneededDecode();
        decodeNext();
        emit this->ready(path, picture);
        return;
    }
    wanted_ = path;
    dropUnneededDecode();
    decodeNext();
}

void PictureCache::stopWanting() {
    wanted_.reset();
    dropUnneededDecode();
    decodeNext();
}

void PictureCache::dropUnneededDecode() {
    if (!decoding_) return;
    const QString& path = decoding_->path;
    const bool needed = (wanted_ == path || isLikely(path)) && !kept(path);
    if (!needed && decoder_.cancel(decoding_->ticket)) decoding_.reset();
}

void PictureCache::decodeNext() {
    if (decoding_) return;
    if (wanted_) {
        decoding_ = Decoding{decoder_.decode(*wanted_, kPictureByteLimit), *wanted_};
        return;
    }
    for (const QString& path : std::as_const(ahead_)) {
        if (kept(path)) continue;
        decoding_ = Decoding{decoder_.decode(path, aheadBudget_), path};
        return;
    }
}

void PictureCache::take(PictureDecoder::Ticket ticket, const Picture& picture) {
    if (!decoding_ || decoding_->ticket != ticket) return;
    const QString path = std::exchange(decoding_, std::nullopt)->path;
    // Pictures that did not load are kept too, so they are not decoded ahead
    // again; one over the budget is decoded in full only when it is wanted.
    if (isLikely(path) && !kept(path)) kept_.append({path, picture});
    if (wanted_ == path && picture.status != Picture::Status::OverBudget) {
        wanted_.reset();
        decodeNext();
        emit ready(path, picture);
        return;
    }
    decodeNext();
}
