#pragma once

#include <QString>

// Opens a document in the desktop's handler for it (the text editor for a
// .txt file), without a shell and without waiting. Returns whether the
// handler could be started.
class DocumentOpener {
  public:
    virtual ~DocumentOpener() = default;
    virtual bool open(const QString& path) = 0;
};

class DesktopDocumentOpener final : public DocumentOpener {
  public:
    bool open(const QString& path) override;
};
