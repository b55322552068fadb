#include <QLocale>
#include <QSessionManager>
#include <QTimer>
#include <csignal>

#include "app/EndSignals.h"
#include "app/PictypeApplication.h"
#include "launcher/LauncherWindow.h"
#include "letters/LetterArchive.h"
#include "pictures/PictureDecoder.h"
#include "pictures/PictureFolder.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/DocumentOpener.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/InputGrab.h"
#include "platform/MessageBoxes.h"
#include "platform/SdlSoundOutput.h"
#include "platform/Translation.h"
#include "session/Preferences.h"
#include "session/Settings.h"
#include "session/Storage.h"
#include "session/TypedTextLog.h"
#include "sound/ClickSounds.h"
#include "sound/EspeakSpeaker.h"

// Built for the Debian package (PICTYPE_SYSTEM_INSTALL): the program folder
// is installed for all users.
constexpr bool kInstalled = PICTYPE_INSTALLED;

int main(int argc, char** argv) {
    // A write past a file-size limit must fail like a full disk, not kill
    // the program with the text still unsaved.
    std::signal(SIGXFSZ, SIG_IGN);

    const QByteArray chosenPlatform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray platforms = platformsToTry(chosenPlatform, qgetenv("WAYLAND_DISPLAY"));
    qputenv("QT_QPA_PLATFORM", platforms);
    PictypeApplication app(argc, argv);
    // The programs started from here (the help's editor) choose their own.
    if (chosenPlatform.isEmpty()) qunsetenv("QT_QPA_PLATFORM");
    app.setApplicationName(QStringLiteral("Pictype Viewer"));
    // The menu entry that desktops match the windows to: the package's, named
    // by the program's AppStream id, or the one make desktop-entry writes.
    app.setDesktopFileName(kInstalled ? QStringLiteral("org.pictype.viewer")
                                      : QStringLiteral("pictype-viewer"));

    const QString folder = programFolder();
    // In the desktop's language, from the first message on.
    const Translation translation(QLocale::system().uiLanguages(),
                                  folder + QStringLiteral("/translations"));
    const Storage storage = Storage::forProgramFolder(
        folder, kInstalled ? Storage::Folder::Installed : Storage::Folder::Portable);
    QtMessageBoxes messages;
    const QString archivePath = storage.letterArchive();
    if (archivePath.isEmpty()) {
        messages.inform(QCoreApplication::translate(
            "Pictype", "Pictype Viewer won't run without unzip32.dll or letters.zip"));
        return 1;
    }

    SdlSoundOutput sound;
    ClickSounds clicks(sound);
    EspeakSpeaker speaker(sound, QLocale::system().uiLanguages());
    Settings settings;
    settings.load(
        isRegularFile(storage.settingsFile) ? storage.settingsFile : storage.shippedSettings,
        folder);
    Preferences preferences;
    preferences.load(preferencesPath(storage.settingsFile));
    // The whole command line, so that a path a shell split into words arrives
    // whole; a path in quotes ends in a quote and is no picture.
    const QString commandLine = openablePath(joinedArguments(argc, argv));
    if (isPictureFile(commandLine)) settings.pictureFile = commandLine;

    const LetterArchive archive(archivePath);
    const LetterArchive::Listing listing = archive.list();
    if (!listing.complete)
        messages.inform(
            QCoreApplication::translate("Pictype", "Could not unzip %1").arg(archivePath));

    const QStringList leftovers = TypedTextLog::collectLeftovers(storage.textFolders);
    SystemClock clock;
    TypedTextLog log(TypedTextLog::freeFileName(storage.textFolder, clock));

    QtFileDialogs fileDialogs;
    QtClipboard clipboard;
    DesktopDocumentOpener documents;
    const std::unique_ptr<InputGrab> inputGrab = makeInputGrab();
    ThreadedPictureDecoder decoder;
    LauncherWindow launcher(
        translation.localFile(folder, QStringLiteral("pictype.txt")), storage.settingsFile,
        settings, preferences, archive, listing.names, log, clicks, speaker,
        {messages, fileDialogs, clipboard, documents, clock, *inputGrab, decoder});
    // The program ends with the launcher.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&launcher, &LauncherWindow::closed, &app,
                     [](int exitStatus) { QCoreApplication::exit(exitStatus); });
    // Ended from outside, or by the end of the desktop session: nobody can be
    // asked, so the work is written and kept, and offered at the next start.
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::received, &app, [&launcher] {
        launcher.endSession();
        QCoreApplication::exit(0);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &launcher,
                     [&launcher] { launcher.endSession(); });
    launcher.show();
    QTimer::singleShot(0, &launcher,
                       [&launcher, leftovers] { launcher.offerLeftovers(leftovers); });
    return app.exec();
}
