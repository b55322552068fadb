#include "canvas/KeyTranslation.h"

namespace {

int16_t characterCode(QChar c) {
    // Characters outside the 8-bit range have no code there; 0 is a
    // control character, which the canvas ignores like any other.
    return static_cast<int16_t>(static_cast<unsigned char>(c.toLatin1()));
}

}  // namespace

int16_t virtualKeyCode(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<int16_t>(kVkF1 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
        case Qt::Key_Left:
            return kVkLeft;
        case Qt::Key_Up:
            return kVkUp;
        case Qt::Key_Right:
            return kVkRight;
        case Qt::Key_Down:
            return kVkDown;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Escape:
            return 27;
        default:
            // Space, digits and capital letters share their codes with ASCII.
            // Punctuation does not: Qt numbers "(" as 40, which is the
            // Down arrow's code, so it must not pass through as a key code.
            if (qtKey == Qt::Key_Space || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
                (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
                return static_cast<int16_t>(qtKey);
            return 0;
    }
}

int16_t shiftMask(Qt::KeyboardModifiers modifiers) {
    int16_t mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= 1;
    if (modifiers & Qt::ControlModifier) mask |= 2;
    if (modifiers & Qt::AltModifier) mask |= 4;
    return mask;
}

std::vector<int16_t> typedCharacterCodes(int qtKey, const QString& text) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return {13};
        case Qt::Key_Backspace:
            return {8};
        case Qt::Key_Escape:
            return {27};
        default:
            break;
    }
    std::vector<int16_t> codes;
    codes.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) codes.push_back(characterCode(c));
    return codes;
}
