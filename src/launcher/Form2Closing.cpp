// Handing the typed text to the clipboard, the help text, and what happens
// to the temporary text file when the launcher closes.
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <stdexcept>

#include "launcher/Form2.h"
#include "platform/Files.h"
#include "shared/Globals.h"

namespace {

// A temporary file that cannot be deleted is an error nothing here can mend:
// it ends the program through the top-level report.
void deleteTempTextFile(const QString& path) {
    if (!QFile::remove(path))
        throw std::runtime_error("Could not delete " + QFile::encodeName(path).toStdString());
}

}  // namespace

void Form2::btnClip_Click() {
    services_.clipboard.clear();
    services_.clipboard.setText(globals_.TypedText);
    globals_.TypedText.clear();
    btnClip->setEnabled(false);
}

void Form2::btnAppend_Click() {
    Clipboard& clipboard = services_.clipboard;
    if (clipboard.hasText()) {
        const QString earlier = clipboard.text();
        clipboard.clear();
        clipboard.setText(earlier + QLatin1Char(' ') + globals_.TypedText);
    } else {
        clipboard.clear();
        clipboard.setText(globals_.TypedText);
    }
    globals_.TypedText.clear();
    btnClip->setEnabled(false);
}

void Form2::lblReadme_Click() {
    // Help is a courtesy: a missing editor or help file must not disturb the
    // launcher, so whether the editor started is not looked at.
    services_.starter.openDocument(globals_.ProgramFolder + QStringLiteral("/pictype.txt"));
}

bool Form2::Form_QueryUnload() {
    const QString& temp = globals_.TempTextFile;
    if (!normalFileExists(temp)) return false;
    // The canvas ends the file with CR LF: two bytes mean nothing was typed.
    if (QFileInfo(temp).size() == 2) {
        deleteTempTextFile(temp);
        return false;
    }
    const MsgAnswer answer =
        services_.messages.show(QStringLiteral("Do you want to save your work? \r\n\r\n"
                                               "Clicking No will delete the temporary file."),
                                MsgButtons::YesNo);
    if (answer != MsgAnswer::Yes) {
        deleteTempTextFile(temp);
        return false;
    }

    CommonDialog1.setFlags(CommonDialog::kCreatePrompt);
    CommonDialog1.setFilter(QStringLiteral("Text (*.txt)|*.txt"));
    CommonDialog1.ShowSave();
    const QString target = CommonDialog1.FileName();
    if (target == temp) return false;
    // The user asked to save: cancelling the dialog must not throw the work
    // away. The launcher stays open and the next close asks again.
    if (target.isEmpty()) return true;
    // Never over another file: the user's existing file must survive, and
    // the close waits until a free name is picked.
    if (!moveFileNoReplace(temp, target)) {
        services_.messages.show(QStringLiteral("Pick a file name that doesn't exist"));
        return true;
    }
    return false;
}
