#pragma once

#include <QStringList>
#include <deque>
#include <optional>

#include "pictures/PictureDecoder.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/DocumentOpener.h"
#include "platform/FileDialogs.h"
#include "platform/InputGrab.h"
#include "platform/MessageBoxes.h"
#include "platform/SoundOutput.h"
#include "sound/Speaker.h"

// Scripted stand-ins for the desktop services. None opens a real dialog.

template <typename T>
T nextOf(std::deque<T>& script, T otherwise = T()) {
    if (script.empty()) return otherwise;
    T next = script.front();
    script.pop_front();
    return next;
}

struct FakeMessageBoxes : MessageBoxes {
    void inform(const QString& text) override { shown << text; }
    Answer ask(const QString& text) override { return inform(text), nextOf(answers, Answer::No); }
    void notify(const QString& text) override { shown << text; }
    QStringList shown;  // informed and asked
    std::deque<Answer> answers;
};

struct FakeFileDialogs : FileDialogs {
    QString openFile(const QString& filter, const QString& folder) override {
        return saveFile(filter, folder);
    }
    QString saveFile(const QString& filter, const QString& start) override {
        return filters << filter, starts << start, nextOf(results);
    }
    QStringList filters;
    QStringList starts;           // the folder, or the suggested file
    std::deque<QString> results;  // "" is a cancelled dialog
};

struct FakeClipboard : Clipboard {
    std::optional<QString> text() const override { return content; }
    void setText(const QString& text) override { content = text; }
    std::optional<QString> content;
};

struct FakeSound : SoundOutput {
    void play(const QByteArray& waveImage) override { played << waveImage; }
    void speak(std::span<const int16_t>, int) override {}
    void stopSpeaking() override {}
    QList<QByteArray> played;
};

struct FakeSpeaker : Speaker {
    void prepare() override { ++prepared; }
    void say(const QList<SpokenPart>& parts) override { said << parts; }
    int prepared = 0;
    QList<QList<SpokenPart>> said;
};

struct FakeDocuments : DocumentOpener {
    bool open(const QString&) override { return true; }
};

struct FakeClock : Clock {
    int32_t uptimeMilliseconds() override { return nextOf(script, now); }
    void sleep(int milliseconds) override { now += milliseconds; }
    std::deque<int32_t> script;  // readings to give first
    int32_t now = 1000;
};

// A desktop whose hold reaches as far as the test says; the hold itself is
// the end-to-end journeys'.
struct FakeInputGrab : InputGrab {
    Reach reach() const override { return reaches; }
    void hold(const QList<QWindow*>&) override {}
    void release() override {}
    bool refused() const override { return refuses; }
    Reach reaches = Reach::None;
    bool refuses = false;
};

// Decodes when the test says so, with the real loadPicture().
struct FakePictureDecoder : PictureDecoder {
    void begin(const QString& path, qint64 budget) override {
        begun << path;
        budgets << budget;
    }
    using PictureDecoder::busy;
    void finishOne() {
        if (busy()) finish(loadPicture(begun.last(), budgets.last()));
    }
    // Ends every decode, also those that begin meanwhile.
    void finishAll() {
        while (busy()) finishOne();
    }
    QStringList begun;
    QList<qint64> budgets;
};
