#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <memory>
#include <utility>
#include <vector>

#include "canvas/Form1.h"
#include "launcher/Form2.h"
#include "shared/Globals.h"
#include "support/FakeServices.h"
#include "support/ProgramFolder.h"

// A launcher over a program folder of the test's own, with scripted desktop
// services. The letter archive holds three small letter sets unless the test
// writes another one before loading.
class LauncherTest : public ::testing::Test {
  protected:
    void SetUp() override { savedCurrent_ = QDir::currentPath(); }
    void TearDown() override {
        closeCanvases();
        form.reset();
        QDir::setCurrent(savedCurrent_);
    }

    void writeArchive(const std::vector<QByteArray>& names = {"Alpha.txt", "Beta.txt", "Gamma.txt"},
                      const QString& fileName = QStringLiteral("letters.zip")) {
        std::vector<std::pair<QByteArray, QByteArray>> members;
        for (const QByteArray& name : names) members.emplace_back(name, makeLetterSetText());
        folder.write(fileName, makeZip(members));
        archiveWritten_ = true;
    }

    // The canvases Start opened and that are still up.
    static QList<Form1*> openCanvases() {
        QList<Form1*> canvases;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* canvas = qobject_cast<Form1*>(w); canvas && canvas->isVisible())
                canvases << canvas;
        return canvases;
    }

    // Closes every open canvas with Esc, as the person at the keyboard does.
    static void closeCanvases() {
        for (Form1* canvas : openCanvases()) {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
            QCoreApplication::sendEvent(canvas, &esc);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Builds the launcher and runs its load sequence, as the program does.
    bool load(bool withArchive = true) {
        if (withArchive && !archiveWritten_) writeArchive();
        globals.ProgramFolder = folder.path();
        // Start extracts the letter set here, never into a shared folder.
        qputenv("TEMP", QFile::encodeName(folder.path()));
        form = std::make_unique<Form2>(globals, fakes.services);
        return form->Form_Load();
    }

    // Asks the launcher to close the way the window system does; true when
    // the close went ahead.
    bool requestClose() {
        QCloseEvent event;
        QApplication::sendEvent(form.get(), &event);
        return event.isAccepted();
    }

    // Writes the typed text the canvas would have left behind.
    void writeTempText(const QByteArray& content) {
        folder.write(QFileInfo(globals.TempTextFile).fileName(), content);
    }

    TestProgramFolder folder;
    FakeServices fakes;
    Globals globals;
    std::unique_ptr<Form2> form;

  private:
    QString savedCurrent_;
    bool archiveWritten_ = false;
};
