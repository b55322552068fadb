#pragma once

#include <QStringList>
#include <Qt>
#include <optional>
#include <span>

#include "canvas/Background.h"

// A command key of the canvas: what it does and the line that tells the
// user about it in the launcher. One table drives both, so a key and its
// help never part.
struct CanvasCommand {
    enum class Action { Leave, ShowTime, PreviousPicture, NextPicture, ClearText, Pan };

    Qt::Key key;
    // Of Shift, Ctrl and Alt, exactly these held; nullopt: whatever is held.
    std::optional<Qt::KeyboardModifiers> modifiers;
    Action action;
    PanDirection direction = PanDirection::Up;  // of a Pan
    int step = 0;                               // of a Pan, in pixels
    // Its line of the key help, untranslated; nullptr where another row's
    // line tells about it too (the arrows share one).
    const char* help = nullptr;
};

// Every command key, in the order their help is shown.
std::span<const CanvasCommand> canvasCommands();

// The command of a key pressed with `modifiers`; one for exactly these
// modifiers before one for any; nullptr when the key types.
const CanvasCommand* findCanvasCommand(int key, Qt::KeyboardModifiers modifiers);

// The help lines of the command keys; a locked canvas is left by holding Esc.
QStringList canvasKeyHelp(bool locked);
