#pragma once

#include "platform/Clipboard.h"
#include "platform/FilePicker.h"
#include "platform/MessageBox.h"
#include "platform/ProgramStarter.h"
#include "platform/SoundOutput.h"
#include "platform/Ticks.h"

// The desktop services both windows use. main() hands in the real ones;
// tests hand in scripted doubles.
struct Services {
    MessageBoxService& messages;
    FilePicker& filePicker;
    Clipboard& clipboard;
    SoundOutput& sound;
    ProgramStarter& starter;
    TickSource& ticks;
};
