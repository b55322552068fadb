#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP, turned into a Qt signal on the event loop:
// the handlers only write to a pipe, which the loop reads.
class EndSignals : public QObject {
    Q_OBJECT

  public:
    explicit EndSignals(QObject* parent = nullptr);

  signals:
    void received();

  private:
    QSocketNotifier* notifier_ = nullptr;
};
