#pragma once

#include <QString>
#include <cstdint>

#include "platform/FilePicker.h"

// The launcher's one file dialog component: set the options, show, read the
// result. The filter text is in the "description|pattern|description|pattern"
// form; the file name is the chosen full path, empty when the user cancelled.
class CommonDialog {
  public:
    static constexpr uint32_t kCreatePrompt = 0x2000;

    explicit CommonDialog(FilePicker& picker) : picker_(picker) {}

    void setFilter(const QString& filter) { filter_ = filter; }
    void setFlags(uint32_t flags) { flags_ = flags; }
    void ShowOpen();
    void ShowSave();
    QString FileName() const { return fileName_; }

  private:
    FilePicker& picker_;
    QString filter_;
    uint32_t flags_ = 0;
    QString fileName_;
};

// "Picture Files(*.bmp;*.gif)|*.bmp;*.gif" -> "Picture Files (*.bmp *.gif)":
// the same filter in Qt's form.
QString toQtFilter(const QString& filter);
