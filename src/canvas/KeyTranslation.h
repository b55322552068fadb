#pragma once

#include <QChar>
#include <QString>
#include <Qt>
#include <cstdint>
#include <vector>

// The canvas handlers take keys the way the original desktop reports them:
// virtual key codes, a modifier mask (1 Shift, 2 Ctrl, 4 Alt) and 8-bit
// character codes.

int16_t virtualKeyCode(int qtKey);
int16_t shiftMask(Qt::KeyboardModifiers modifiers);

// The character codes a key press types, in order; empty when it types none.
std::vector<int16_t> typedCharacterCodes(int qtKey, const QString& text);
