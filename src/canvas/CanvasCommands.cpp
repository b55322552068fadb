#include "canvas/CanvasCommands.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <algorithm>
#include <array>

namespace {

using Action = CanvasCommand::Action;
// The keypad's arrows are arrows too: only these modifiers tell commands apart.
constexpr Qt::KeyboardModifiers kTold = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

const std::array kCommands = {
    CanvasCommand{Qt::Key_Escape,
                  std::nullopt,
                  Action::Leave,
                  {},
                  0,
                  QT_TRANSLATE_NOOP("CanvasCommands", "Esc - Unload picture and return here")},
    CanvasCommand{Qt::Key_F6,
                  std::nullopt,
                  Action::ClearText,
                  {},
                  0,
                  QT_TRANSLATE_NOOP("CanvasCommands", "F6 - Clears text")},
    CanvasCommand{Qt::Key_F5,
                  std::nullopt,
                  Action::NextPicture,
                  {},
                  0,
                  QT_TRANSLATE_NOOP("CanvasCommands", "F5 - Cycle pictures")},
    CanvasCommand{Qt::Key_F4,
                  std::nullopt,
                  Action::PreviousPicture,
                  {},
                  0,
                  QT_TRANSLATE_NOOP("CanvasCommands", "F4 - Cycle in opposite direction")},
    CanvasCommand{Qt::Key_F3,
                  std::nullopt,
                  Action::ShowTime,
                  {},
                  0,
                  QT_TRANSLATE_NOOP("CanvasCommands", "F3 - Show time")},
    CanvasCommand{Qt::Key_Up, std::nullopt, Action::Pan, PanDirection::Up, 5,
                  QT_TRANSLATE_NOOP("CanvasCommands", "Arrows - Move picture 5 pixels")},
    CanvasCommand{Qt::Key_Down, std::nullopt, Action::Pan, PanDirection::Down, 5},
    CanvasCommand{Qt::Key_Left, std::nullopt, Action::Pan, PanDirection::Left, 5},
    CanvasCommand{Qt::Key_Right, std::nullopt, Action::Pan, PanDirection::Right, 5},
    CanvasCommand{Qt::Key_Up, Qt::ShiftModifier, Action::Pan, PanDirection::Up, 50,
                  QT_TRANSLATE_NOOP("CanvasCommands", "Shift + Arrows - Move picture 50 pixels.")},
    CanvasCommand{Qt::Key_Down, Qt::ShiftModifier, Action::Pan, PanDirection::Down, 50},
    CanvasCommand{Qt::Key_Left, Qt::ShiftModifier, Action::Pan, PanDirection::Left, 50},
    CanvasCommand{Qt::Key_Right, Qt::ShiftModifier, Action::Pan, PanDirection::Right, 50},
};

const char* const kLockedLeaveHelp =
    QT_TRANSLATE_NOOP("CanvasCommands", "Hold Esc 3 s - Unload picture and return here");

}  // namespace

std::span<const CanvasCommand> canvasCommands() {
    return kCommands;
}

const CanvasCommand* findCanvasCommand(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held = modifiers & kTold;
    const CanvasCommand* anyHeld = nullptr;
    for (const CanvasCommand& command : kCommands) {
        if (command.key != key) continue;
        if (command.modifiers == held) return &command;
        if (!command.modifiers) anyHeld = &command;
    }
    return anyHeld;
}

QStringList canvasKeyHelp(bool locked) {
    QStringList lines;
    for (const CanvasCommand& command : kCommands) {
        if (command.help == nullptr) continue;
        const bool leaveLocked = locked && command.action == Action::Leave;
        lines << QCoreApplication::translate("CanvasCommands",
                                             leaveLocked ? kLockedLeaveHelp : command.help);
    }
    return lines;
}
