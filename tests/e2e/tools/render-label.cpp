// Draws a text the way a plain label of the program shows it (same font,
// palette and style on the same X server) and saves it as PNG, so a test can
// look for exactly that text in a screenshot.
// Usage: render-label [--pixel-size N] TEXT OUT.png
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int pixelSize = 0;
    if (argc == 5 && std::strcmp(argv[1], "--pixel-size") == 0) {
        pixelSize = std::atoi(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: render-label [--pixel-size N] TEXT OUT.png\n");
        return 2;
    }
    QLabel label(QString::fromLocal8Bit(argv[1]));
    // A window that sets its own font size (the launcher does) passes it
    // down to its labels.
    if (pixelSize > 0) {
        QFont font = label.font();
        font.setPixelSize(pixelSize);
        label.setFont(font);
    }
    label.adjustSize();
    return label.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
