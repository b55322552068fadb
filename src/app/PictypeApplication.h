#pragma once

#include <QApplication>

// The application object with the program's one top-level error catch: a
// failure that no handler traps is shown in a message box titled with the
// program's title, and the program ends with a non-zero status.
class PictypeApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
