#pragma once

#include <QString>

// The modal open and save dialogs. The filter is in Qt's form
// ("Description (*.a *.b);;..."). An empty result means the user cancelled.
class FilePicker {
public:
    virtual ~FilePicker() = default;
    virtual QString pickOpen(const QString& qtFilter) = 0;
    virtual QString pickSave(const QString& qtFilter, bool createPrompt) = 0;
};

class QtFilePicker : public FilePicker {
public:
    QString pickOpen(const QString& qtFilter) override;
    QString pickSave(const QString& qtFilter, bool createPrompt) override;
};
