#pragma once

#include <QRect>
#include <QSize>

// Where the launcher's controls sit, in pixels. The window keeps this size;
// the radio buttons' places are inside the frame around them.
namespace LauncherLayout {

inline constexpr QSize kWindow(297, 373);

inline constexpr QRect kStart(16, 8, 113, 25);
inline constexpr QRect kPicture(16, 40, 113, 25);
// Tinks and Lock share the row under the buttons, Speak has the next.
inline constexpr QRect kTinks(16, 80, 57, 17);
inline constexpr QRect kLock(80, 80, 49, 17);
inline constexpr QRect kSpeak(16, 104, 113, 17);
inline constexpr QRect kMoveToClipboard(16, 136, 113, 25);
inline constexpr QRect kAppendToClipboard(16, 168, 113, 25);
inline constexpr QRect kPicturePath(16, 208, 281, 25);
inline constexpr QRect kKeyHelp(16, 240, 281, 97);
inline constexpr QRect kHelp(16, 352, 97, 17);

inline constexpr QRect kPlacementFrame(168, 0, 121, 73);
inline constexpr QRect kCentered(8, 16, 81, 17);
inline constexpr QRect kTiled(8, 40, 73, 25);
inline constexpr QRect kLetterSets(168, 88, 121, 82);

}  // namespace LauncherLayout
