#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "letters/LetterArchive.h"
#include "letters/LetterSet.h"
#include "pictures/PictureCache.h"
#include "session/Preferences.h"
#include "session/Settings.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class CanvasWindow;
class Clipboard;
class ClickSounds;
class Clock;
class DocumentOpener;
class FileDialogs;
class InputGrab;
class MessageBoxes;
class Speaker;
class TypedTextLog;

// The desktop services the launcher uses, and the decoder of the pictures
// of the launcher and its canvas.
struct LauncherServices {
    MessageBoxes& messages;
    FileDialogs& fileDialogs;
    Clipboard& clipboard;
    DocumentOpener& documents;
    Clock& clock;
    InputGrab& inputGrab;
    PictureDecoder& decoder;
};

// The launcher window: picks the letter set, the picture, centred or tiled
// drawing and the key clicks ("Tinks"), opens the canvas with Start, hands
// the typed text to the clipboard, and keeps or discards it when it closes.
// Lock locks the canvas for small hands; Speak says what is typed on it. The
// picture chosen is decoded ahead as soon as it is chosen, so that Start shows
// it at once; Start waits for a decode under way with the launcher disabled,
// reading the letter set meanwhile. Its controls carry object names for
// tests: start, picture, keyClicks, lock, speak, moveToClipboard,
// appendToClipboard, centered, tiled, letterSets, picturePath, keyHelp, help.
class LauncherWindow : public QWidget {
    Q_OBJECT

  public:
    // `helpFile` is the help text in the language in use; `settingsFile` is
    // where the settings are written at the close, and the preferences
    // beside it.
    LauncherWindow(QString helpFile, QString settingsFile, Settings settings,
                   Preferences preferences, LetterArchive archive, const QStringList& letterSets,
                   TypedTextLog& log, ClickSounds& clicks, Speaker& speaker,
                   LauncherServices services);
    ~LauncherWindow() override;

    const Settings& settings() const { return settings_; }

  public slots:
    void start();
    void choosePicture();
    void moveToClipboard();
    void appendToClipboard();
    void openHelp();
    // A click on the picture's path shows it again after Start cleared it.
    void showPicturePath();
    // Offers the typed-text files of earlier runs, one at a time: Yes saves
    // one, No deletes it, a dismissed question keeps it for the next start.
    void offerLeftovers(const QStringList& files);
    // The session or the process ends and nobody can be asked: the canvas's
    // text is written out, the typed-text file kept and the settings written.
    void endSession();

  signals:
    // The launcher has closed: the program ends, with this exit status.
    void closed(int exitStatus);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void applySettings(const QStringList& letterSets);
    void showPictureChoice();
    void showKeyHelp();
    void showPath(const QString& path);
    QString askForPicture();
    // Makes `path` the picture chosen and has it decoded ahead.
    void choose(const QString& path);
    void openCanvas();
    void pictureReady(const Picture& picture);
    // Shows the canvas once both the letters and the picture are ready.
    void finishOpening();
    void cancelOpening();
    // What becomes of the typed text at the close; false when the launcher
    // must stay open.
    bool keepOrDiscardTypedText();
    bool saveTypedText();
    // Writes the settings and the preferences; the file that could not be
    // written, if any.
    std::optional<QString> saveSettings();
    // Asks for a new file's name and writes it with `write`, never over an
    // existing file; false when it was not written (cancelled, or the name
    // taken: the user is told).
    template <typename Write>
    bool saveNewFile(Write write);

    QString helpFile_;
    QString settingsFile_;
    Settings settings_;
    Preferences preferences_;
    LetterArchive archive_;
    LetterSet letters_;
    TypedTextLog& log_;
    ClickSounds& clicks_;
    Speaker& speaker_;
    LauncherServices services_;
    QPointer<CanvasWindow> canvas_;
    // The picture chosen, decoded ahead for the next Start.
    PictureCache pictureCache_;
    // A Start under way: the canvas's window, made while the picture
    // decodes, and the picture once it is decoded.
    struct Opening {
        std::unique_ptr<CanvasWindow> window;
        std::optional<Picture> picture;
    };
    std::optional<Opening> opening_;
    QString saveFolder_;
    QStringList toldDamaged_;  // the damaged letter sets told of
    bool ending_ = false;

    QPushButton* startButton_;
    QPushButton* pictureButton_;
    QPushButton* moveButton_;
    QPushButton* appendButton_;
    QRadioButton* centeredButton_;
    QRadioButton* tiledButton_;
    QCheckBox* keyClicksBox_;
    QCheckBox* lockBox_;
    QCheckBox* speakBox_;
    QListWidget* letterSetList_;
    QLabel* picturePath_;
    QLabel* keyHelp_;
    QLabel* helpLink_;
};
