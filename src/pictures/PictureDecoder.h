#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <deque>
#include <optional>

#include "pictures/PictureLoader.h"

// Decodes picture files with loadPicture(), one at a time in the order they
// were asked for, and hands each result back on the GUI thread.
class PictureDecoder : public QObject {
    Q_OBJECT

  public:
    using Ticket = quint64;

    // Queues a decode; `decoded` brings its result with the ticket returned.
    // A picture of more than `budget` bytes comes back OverBudget, undecoded.
    Ticket decode(const QString& path, qint64 budget);
    // Drops a decode that has not begun: true when it had not, and its
    // result never comes; one under way runs on and still brings its result.
    bool cancel(Ticket ticket);

  signals:
    void decoded(PictureDecoder::Ticket ticket, const Picture& picture);

  protected:
    // Begins the decode of one picture; finish() brings its result.
    virtual void begin(const QString& path, qint64 budget) = 0;
    // Ends the decode begun last, then begins the next one waiting.
    void finish(const Picture& picture);
    bool busy() const { return running_.has_value(); }

  private:
    struct Job {
        Ticket ticket;
        QString path;
        qint64 budget;
    };
    void beginNext();

    std::deque<Job> waiting_;
    std::optional<Ticket> running_;
    Ticket lastTicket_ = 0;
};

// Decodes on a thread of its own, so the GUI thread never waits for a decode.
class ThreadedPictureDecoder final : public PictureDecoder {
    Q_OBJECT

  public:
    ThreadedPictureDecoder();
    // Waits for a decode under way.
    ~ThreadedPictureDecoder() override;

  protected:
    void begin(const QString& path, qint64 budget) override;

  private:
    QThreadPool thread_;
    QFutureWatcher<Picture> watcher_;
};
