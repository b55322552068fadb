#include <csignal>
#include <exception>

#include "app/PictypeApplication.h"
#include "launcher/Form2.h"
#include "platform/Clipboard.h"
#include "platform/FilePicker.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/ProgramStarter.h"
#include "platform/SdlSoundOutput.h"
#include "platform/Ticks.h"
#include "shared/Globals.h"

int main(int argc, char** argv) {
    // A write past a file-size limit must fail like a full disk, not kill
    // the program with the text still unsaved.
    std::signal(SIGXFSZ, SIG_IGN);

    PictypeApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Pictype Viewer"));
    app.setDesktopFileName(QStringLiteral("pictype-viewer"));

    Globals globals;
    globals.ProgramFolder = programFolder();
    globals.CommandLine = joinedCommandLine(argc, argv);

    QtMessageBoxService messages;
    QtFilePicker filePicker;
    QtClipboard clipboard;
    SdlSoundOutput sound;
    DesktopProgramStarter starter;
    SystemTickSource ticks;
    Services services{messages, filePicker, clipboard, sound, starter, ticks};

    try {
        Form2 launcher(globals, services);
        // The program ends with the launcher, even if a canvas is still up.
        app.setQuitOnLastWindowClosed(false);
        QObject::connect(&launcher, &Form2::unloaded, &app, &QCoreApplication::quit);
        if (!launcher.Form_Load()) return 1;
        launcher.show();
        return app.exec();
    } catch (const std::exception& error) {
        reportFatalError(QString::fromLocal8Bit(error.what()));
    }
}
