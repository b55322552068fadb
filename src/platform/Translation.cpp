#include "platform/Translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>

Translation::Translation(const QStringList& languages, const QString& folder) {
    for (const QString& language : languages) {
        const QLocale locale(language);
        // The texts are written in English: a desktop that puts English
        // before a language the program has reads English.
        if (locale.language() == QLocale::English) break;
        if (program_.load(locale, QStringLiteral("pictype"), QStringLiteral("_"), folder)) {
            language_ = program_.language();
            break;
        }
    }
    if (!language_.isEmpty()) {
        // Qt's own texts in the same language, where Qt has them.
        if (qt_.load(QLocale(language_), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        QCoreApplication::installTranslator(&program_);
    }
    // Which way the language reads is the translators' word, under the name
    // Qt asks them for it; the program's own say it where Qt's are missing.
    QGuiApplication::setLayoutDirection(
        QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") == u"RTL"
            ? Qt::RightToLeft
            : Qt::LeftToRight);
}

QString Translation::localFile(const QString& folder, const QString& fileName) const {
    const QFileInfo file(fileName);
    const QString local = folder + QStringLiteral("/translations/") + file.completeBaseName() +
                          QLatin1Char('_') + language_ + QLatin1Char('.') + file.suffix();
    return !language_.isEmpty() && QFileInfo::exists(local) ? local
                                                            : folder + QLatin1Char('/') + fileName;
}
