#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The program's texts and Qt's own (the Yes and No of a question, the file
// dialogs) in one language: the first of the desktop's languages the
// program has a translation for, else English. Installed on the application
// while it lives; a right-to-left language mirrors the windows.
class Translation {
  public:
    // `languages` in the desktop's order of preference, as
    // QLocale::uiLanguages() gives them; `folder` holds pictype_<language>.qm.
    Translation(const QStringList& languages, const QString& folder);

    // The language in use ("de", "pt_BR"), empty for English.
    QString language() const { return language_; }
    // The version of a shipped file for the language in use:
    // `folder`/translations/<base>_<language>.<suffix> when there is one,
    // else `folder`/`fileName` itself.
    QString localFile(const QString& folder, const QString& fileName) const;

  private:
    QTranslator program_;
    QTranslator qt_;
    QString language_;
};
