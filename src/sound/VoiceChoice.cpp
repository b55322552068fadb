#include "sound/VoiceChoice.h"

#include <QChar>
#include <QLocale>
#include <array>
#include <utility>

namespace {

// A script, the language whose voice reads it, and the scripts of the
// desktop languages that read it themselves. An array, not an
// initializer_list: the list's elements would not outlive the table's
// initialization.
struct ScriptVoice {
    QChar::Script script;
    const char* language;
    std::array<QLocale::Script, 4> readBy;  // AnyScript fills the rest
};

const std::array kScriptVoices = {
    ScriptVoice{QChar::Script_Latin, "en", {QLocale::LatinScript}},
    ScriptVoice{QChar::Script_Cyrillic, "ru", {QLocale::CyrillicScript}},
    ScriptVoice{QChar::Script_Greek, "el", {QLocale::GreekScript}},
    ScriptVoice{QChar::Script_Arabic, "ar", {QLocale::ArabicScript}},
    ScriptVoice{QChar::Script_Hebrew, "he", {QLocale::HebrewScript}},
    ScriptVoice{QChar::Script_Han,
                "cmn",
                {QLocale::SimplifiedHanScript, QLocale::TraditionalHanScript,
                 QLocale::JapaneseScript, QLocale::HanScript}},
    ScriptVoice{QChar::Script_Hiragana, "ja", {QLocale::JapaneseScript}},
    ScriptVoice{QChar::Script_Katakana, "ja", {QLocale::JapaneseScript}},
    ScriptVoice{QChar::Script_Hangul, "ko", {QLocale::KoreanScript, QLocale::HangulScript}},
    ScriptVoice{QChar::Script_Devanagari, "hi", {QLocale::DevanagariScript}},
    ScriptVoice{QChar::Script_Bengali, "bn", {QLocale::BengaliScript}},
    ScriptVoice{QChar::Script_Gurmukhi, "pa", {QLocale::GurmukhiScript}},
    ScriptVoice{QChar::Script_Gujarati, "gu", {QLocale::GujaratiScript}},
    ScriptVoice{QChar::Script_Oriya, "or", {QLocale::OriyaScript}},
    ScriptVoice{QChar::Script_Tamil, "ta", {QLocale::TamilScript}},
    ScriptVoice{QChar::Script_Telugu, "te", {QLocale::TeluguScript}},
    ScriptVoice{QChar::Script_Kannada, "kn", {QLocale::KannadaScript}},
    ScriptVoice{QChar::Script_Malayalam, "ml", {QLocale::MalayalamScript}},
    ScriptVoice{QChar::Script_Sinhala, "si", {QLocale::SinhalaScript}},
    ScriptVoice{QChar::Script_Thai, "th", {QLocale::ThaiScript}},
    ScriptVoice{QChar::Script_Myanmar, "my", {QLocale::MyanmarScript}},
    ScriptVoice{QChar::Script_Georgian, "ka", {QLocale::GeorgianScript}},
    ScriptVoice{QChar::Script_Armenian, "hy", {QLocale::ArmenianScript}},
    ScriptVoice{QChar::Script_Ethiopic, "am", {QLocale::EthiopicScript}},
};

// The voice for a desktop language: the language itself, else the one it
// narrows ("de-AT" is read by "de", "zh-Hant-TW" by "zh").
QString voiceFor(QString language, const QStringList& voices) {
    language = language.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    while (!language.isEmpty()) {
        if (voices.contains(language)) return language;
        const qsizetype dash = language.lastIndexOf(QLatin1Char('-'));
        language.truncate(dash < 0 ? 0 : dash);
    }
    return {};
}

}  // namespace

VoiceChoice::VoiceChoice(const QStringList& voices, const QStringList& desktop)
    : voices_(voices), desktop_(QStringLiteral("en")), desktopScript_(QLocale::LatinScript) {
    for (const QString& language : desktop) {
        const QString voice = voiceFor(language, voices);
        if (voice.isEmpty()) continue;
        desktop_ = voice;
        desktopScript_ = QLocale(language).script();
        return;
    }
}

QString VoiceChoice::scriptLanguage(char32_t character) const {
    const QChar::Script script = QChar::script(character);
    for (const ScriptVoice& row : kScriptVoices) {
        if (row.script != script) continue;
        for (const QLocale::Script reader : row.readBy)
            if (reader != QLocale::AnyScript && reader == desktopScript_) return desktop_;
        const QString language = QString::fromLatin1(row.language);
        return voices_.contains(language) ? language : QString();
    }
    return {};
}

QString VoiceChoice::languageFor(char32_t character) const {
    const QString language = scriptLanguage(character);
    return language.isEmpty() ? desktop_ : language;
}

QList<VoicedText> VoiceChoice::split(const QString& text) const {
    QList<VoicedText> stretches;
    QString pending;  // characters of no script before the first letter
    for (const char32_t character : text.toUcs4()) {
        const QString piece = QString::fromUcs4(&character, 1);
        const QString language = scriptLanguage(character);
        if (language.isEmpty() || (!stretches.isEmpty() && stretches.last().language == language)) {
            (stretches.isEmpty() ? pending : stretches.last().text) += piece;
            continue;
        }
        stretches.append({language, std::exchange(pending, QString()) + piece});
    }
    if (!pending.isEmpty()) stretches.append({desktop_, pending});
    return stretches;
}
