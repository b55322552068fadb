#pragma once

#include <QString>
#include <vector>

#include "platform/Services.h"

// Desktop services that do nothing and remember nothing, for benchmarks and
// fuzzing: they run the program's code over and over with nobody to answer,
// and nothing may pile up from one run to the next.

class SilentMessages : public MessageBoxService {
  public:
    MsgAnswer show(const QString&, MsgButtons) override { return MsgAnswer::Ok; }
};

class NoFilePicker : public FilePicker {
  public:
    QString pickOpen(const QString&) override { return {}; }
    QString pickSave(const QString&, bool) override { return {}; }
};

class NoClipboard : public Clipboard {
  public:
    bool hasText() const override { return false; }
    QString text() const override { return {}; }
    void clear() override {}
    void setText(const QString&) override {}
};

class NoSound : public SoundOutput {
  public:
    void play(const std::vector<uint8_t>&) override {}
};

class NoStarter : public ProgramStarter {
  public:
    bool openDocument(const QString&) override { return false; }
};

class FixedTicks : public TickSource {
  public:
    int32_t GetTickCount() override { return 1000; }
    void Sleep(int) override {}
};

struct SilentServices {
    SilentMessages messages;
    NoFilePicker filePicker;
    NoClipboard clipboard;
    NoSound sound;
    NoStarter starter;
    FixedTicks ticks;
    Services services{messages, filePicker, clipboard, sound, starter, ticks};
};
