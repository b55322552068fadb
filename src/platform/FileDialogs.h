#pragma once

#include <QString>

// The modal open and save dialogs. The filter is in Qt's form
// ("Description (*.a *.b)"). An empty result means the user cancelled.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // Opens in `folder`.
    virtual QString openFile(const QString& filter, const QString& folder) = 0;
    // Opens in the folder of `suggested`, with its name filled in.
    virtual QString saveFile(const QString& filter, const QString& suggested) = 0;
};

class QtFileDialogs final : public FileDialogs {
  public:
    QString openFile(const QString& filter, const QString& folder) override;
    QString saveFile(const QString& filter, const QString& suggested) override;
};
