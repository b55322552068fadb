#include "canvas/Screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

QSize deviceSize(const QScreen& screen) {
    return (QSizeF(screen.geometry().size()) * screen.devicePixelRatio()).toSize();
}

int letterScale(const QScreen& screen) {
    return std::max(1, qRound(screen.devicePixelRatio()));
}

qsizetype typingScreenIndex(const QList<QRect>& screens, const QRect& launcher) {
    qsizetype best = 0;
    qint64 bestArea = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QRect shared = screens[i] & launcher;
        const qint64 area = qint64(shared.width()) * shared.height();
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    return best;
}

QScreen* typingScreen(const QRect& launcher) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) return nullptr;
    QList<QRect> geometries;
    for (const QScreen* screen : screens) geometries << screen->geometry();
    return screens[typingScreenIndex(geometries, launcher)];
}

QRect placeOnDesktop(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && screen != nullptr)
        return screen->geometry();
    return window.frameGeometry();
}
