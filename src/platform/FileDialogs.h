#pragma once

#include <QString>

// The modal open and save dialogs. The filter is in Qt's form
// ("Description (*.a *.b)"). An empty result means the user cancelled.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual QString openFile(const QString& filter) = 0;
    virtual QString saveFile(const QString& filter) = 0;
};

class QtFileDialogs final : public FileDialogs {
  public:
    QString openFile(const QString& filter) override;
    QString saveFile(const QString& filter) override;
};
