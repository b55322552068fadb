#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include "LettersTool.h"

int main(int argc, char** argv) {
    // Taken before the application object sees them: it would swallow
    // options of its own, such as --style.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    // Fonts need a GUI application, but the tool never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runLettersTool(arguments, out, err);
}
