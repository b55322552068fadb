#pragma once

#include <QChar>
#include <QString>
#include <Qt>
#include <cstdint>
#include <vector>

// The canvas handlers take keys the way the original desktop reports them:
// virtual key codes, a modifier mask (1 Shift, 2 Ctrl, 4 Alt) and 8-bit
// character codes.

// The virtual key codes the canvas's command keys arrive with.
constexpr int16_t kVkLeft = 37;
constexpr int16_t kVkUp = 38;
constexpr int16_t kVkRight = 39;
constexpr int16_t kVkDown = 40;
constexpr int16_t kVkF1 = 112;
constexpr int16_t kVkF3 = 114;
constexpr int16_t kVkF4 = 115;
constexpr int16_t kVkF5 = 116;
constexpr int16_t kVkF6 = 117;

int16_t virtualKeyCode(int qtKey);
int16_t shiftMask(Qt::KeyboardModifiers modifiers);

// The character codes a key press types, in order; empty when it types none.
std::vector<int16_t> typedCharacterCodes(int qtKey, const QString& text);
