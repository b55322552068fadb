#include "pictures/PictureDecoder.h"

#include <QtConcurrent>
#include <algorithm>
#include <utility>

#include "platform/Trace.h"

PictureDecoder::Ticket PictureDecoder::decode(const QString& path, qint64 budget) {
    waiting_.push_back({++lastTicket_, path, budget});
    beginNext();
    return lastTicket_;
}

bool PictureDecoder::cancel(Ticket ticket) {
    const auto job = std::find_if(waiting_.begin(), waiting_.end(), [ticket](const Job& waiting) {
        return waiting.ticket == ticket;
    });
    if (job == waiting_.end()) return false;
    waiting_.erase(job);
    return true;
}

void PictureDecoder::finish(const Picture& picture) {
    const Ticket done = *std::exchange(running_, std::nullopt);
    emit decoded(done, picture);
    beginNext();
}

void PictureDecoder::beginNext() {
    if (running_ || waiting_.empty()) return;
    Job job = std::move(waiting_.front());
    waiting_.pop_front();
    running_ = job.ticket;
    begin(job.path, job.budget);
}

ThreadedPictureDecoder::ThreadedPictureDecoder() {
    thread_.setMaxThreadCount(1);
    connect(&watcher_, &QFutureWatcher<Picture>::finished, this,
            [this] { finish(watcher_.result()); });
}

ThreadedPictureDecoder::~ThreadedPictureDecoder() {
    // The pool, destroyed last, waits for a decode under way.
    watcher_.disconnect(this);
}

void ThreadedPictureDecoder::begin(const QString& path, qint64 budget) {
    watcher_.setFuture(QtConcurrent::run(&thread_, [path, budget] {
        traceMark("decode begins");
        Picture picture = loadPicture(path, budget);
        traceMark("decode ends");
        return picture;
    }));
}
