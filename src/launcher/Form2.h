#pragma once

#include <QWidget>

#include "launcher/CommonDialog.h"
#include "platform/Services.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMimeData;
class QPushButton;
class QRadioButton;
struct Globals;

// The launcher window: picks the letter set, the picture, centred or tiled
// drawing and the key clicks, opens the canvas, and keeps or discards the
// typed text when it closes.
class Form2 : public QWidget {
    Q_OBJECT

  public:
    Form2(Globals& globals, Services& services, QWidget* parent = nullptr);

    // The load sequence. Returns false when the program cannot run (the
    // letter archive is missing); the message has then been shown.
    bool Form_Load();

    // Event handlers.
    void btnStart_Click();
    void btnPicture_Click();
    void btnClip_Click();
    void btnAppend_Click();
    void lblPicture_Click();
    void lblReadme_Click();
    void Form_OLEDragDrop(const QMimeData* data);
    void lblKeys_OLEDragDrop(const QMimeData* data);
    void lblPicture_OLEDragDrop(const QMimeData* data);
    void lblReadme_OLEDragDrop(const QMimeData* data);
    // Returns true when the close must be cancelled.
    bool Form_QueryUnload();
    void Form_Unload();

    // Whether the key clicks are on ("Tinks"), read by the canvas at each key release.
    bool tinksTicked() const;

    // Controls, by their designer names.
    QPushButton* btnStart;
    QGroupBox* Frame1;
    QRadioButton* OptCentered;
    QRadioButton* OptTiled;
    QPushButton* btnPicture;
    QPushButton* btnClip;
    QPushButton* btnAppend;
    QLabel* lblPicture;
    QListWidget* List1;
    QLabel* lblKeys;
    QLabel* lblReadme;
    QCheckBox* Check1;
    CommonDialog CommonDialog1;

  signals:
    // The close was accepted and the settings are written: the program ends.
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void showPictureFile();
    void AcceptDroppedPicture(const QMimeData* data);
    void BuildPictureList();
    void nameTempTextFile();

    Globals& globals_;
    Services& services_;
};
