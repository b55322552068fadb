#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

// The screens the canvas covers, and the one it types on.

// A screen's size in device pixels.
QSize deviceSize(const QScreen& screen);
// Device pixels to a letter's pixel on a screen: its device pixel ratio,
// rounded, at least 1.
int letterScale(const QScreen& screen);

// The typing screen among `screens` (their geometries, the primary one
// first): the one that holds most of the launcher window, else the primary.
qsizetype typingScreenIndex(const QList<QRect>& screens, const QRect& launcher);
// The same among the desktop's screens now; null when there are none.
QScreen* typingScreen(const QRect& launcher);
// Where `window` is on the desktop: its frame; on Wayland, where a program
// learns only which screen its window is on, that screen's whole area.
QRect placeOnDesktop(const QWidget& window);
