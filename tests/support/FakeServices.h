#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "platform/Services.h"

// Scripted stand-ins for the desktop services. Nothing here ever opens a
// real dialog.

class FakeMessageBoxes : public MessageBoxService {
public:
    MsgAnswer show(const QString& text, MsgButtons buttons) override {
        shown.push_back(text);
        if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
        if (answers.empty()) return MsgAnswer::No;
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList shown;              // every text shown, in order
    std::deque<MsgAnswer> answers;  // answers to Yes/No questions, in order
};

class FakeFilePicker : public FilePicker {
public:
    QString pickOpen(const QString& qtFilter) override {
        openFilters << qtFilter;
        return next();
    }
    QString pickSave(const QString& qtFilter, bool createPrompt) override {
        saveFilters << qtFilter;
        saveCreatePrompt.push_back(createPrompt);
        return next();
    }
    std::deque<QString> results;  // file names the dialogs return, in order ("" = cancel)
    QStringList openFilters;
    QStringList saveFilters;
    std::vector<bool> saveCreatePrompt;

private:
    QString next() {
        if (results.empty()) return QString();
        QString result = results.front();
        results.pop_front();
        return result;
    }
};

class FakeClipboard : public Clipboard {
public:
    bool hasText() const override { return holdsText; }
    QString text() const override { return content; }
    void clear() override {
        content.clear();
        holdsText = false;
    }
    void setText(const QString& text) override {
        content = text;
        holdsText = true;
    }
    QString content;
    bool holdsText = false;
};

class FakeSound : public SoundOutput {
public:
    void play(const std::vector<uint8_t>& waveImage) override { played.push_back(waveImage); }
    std::vector<std::vector<uint8_t>> played;
};

class FakeStarter : public ProgramStarter {
public:
    bool openDocument(const QString& path) override {
        opened << path;
        return succeed;
    }
    QStringList opened;
    bool succeed = true;
};

class FakeTicks : public TickSource {
public:
    int32_t GetTickCount() override {
        if (!script.empty()) {
            now = script.front();
            script.pop_front();
        }
        return now;
    }
    void Sleep(int milliseconds) override {
        slept += milliseconds;
        now += milliseconds;
    }
    std::deque<int32_t> script;  // tick values to return, in order; then `now`
    int32_t now = 1000;
    int slept = 0;
};

// All doubles together, with the Services view the windows take.
struct FakeServices {
    FakeMessageBoxes messages;
    FakeFilePicker filePicker;
    FakeClipboard clipboard;
    FakeSound sound;
    FakeStarter starter;
    FakeTicks ticks;
    Services services{messages, filePicker, clipboard, sound, starter, ticks};
};
