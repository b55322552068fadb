#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A stretch of text and the language of the voice that reads it.
struct VoicedText {
    QString language;
    QString text;

    bool operator==(const VoicedText&) const = default;
};

// Which voice reads what: the desktop's language reads the characters of
// its own script and those of no script (digits, punctuation); a character
// of another script is read by a voice for that script (Cyrillic by
// Russian, Greek by Greek, Han by Mandarin...), so that a word is heard in
// the language it is written in.
class VoiceChoice {
  public:
    // `voices`: the languages there are voices for, as espeak-ng names them
    // ("en", "en-us", "ru", "zh"...); `desktop`: the desktop's languages,
    // the first wanted most (QLocale::uiLanguages()). Without a voice for
    // any of them, English.
    VoiceChoice(const QStringList& voices, const QStringList& desktop);

    const QString& desktopLanguage() const { return desktop_; }
    QString languageFor(char32_t character) const;
    // The text in stretches of one voice each. Characters of no script go
    // with the letters before them, or else after them.
    QList<VoicedText> split(const QString& text) const;

  private:
    // The voice for a script the desktop's language is not written in;
    // empty for characters of no script, and for scripts without a voice.
    QString scriptLanguage(char32_t character) const;

    QStringList voices_;
    QString desktop_;
    int desktopScript_ = 0;  // QLocale::Script
};
