#pragma once

#include <QString>

// Opens a document in the desktop's handler for it (the text editor for a
// .txt file), without a shell and without waiting. Errors are the caller's
// to ignore.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool openDocument(const QString& path) = 0;
};

class DesktopProgramStarter : public ProgramStarter {
public:
    bool openDocument(const QString& path) override;
};
