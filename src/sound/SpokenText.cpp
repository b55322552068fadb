#include "sound/SpokenText.h"

namespace {

// Letters, the marks that go with them, and digits make words.
bool inWord(char32_t character) {
    if (QChar::isLetterOrNumber(character)) return true;
    const QChar::Category category = QChar::category(character);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// Enough of the text before a word for any word a child backspaces into.
constexpr qsizetype kRemembered = 200;

}  // namespace

std::optional<QList<SpokenPart>> SpokenText::follow(const TypedKey& key) {
    QList<SpokenPart> said;
    switch (key.kind) {
        case TypedKey::Kind::Text: {
            bool typed = false;
            // Composed as the canvas composes it: "e" and an accent is one "é".
            for (const char32_t character :
                 key.text.normalized(QString::NormalizationForm_C).toUcs4())
                typed = type(character, said) || typed;
            if (!typed) return std::nullopt;
            break;
        }
        case TypedKey::Kind::Enter:
            endWord(said);
            before_ += QLatin1Char('\n');
            break;
        case TypedKey::Kind::Backspace:
            if (!word_.isEmpty()) {
                // A character outside the Basic Multilingual Plane is two.
                word_.chop(word_.back().isLowSurrogate() && word_.size() > 1 ? 2 : 1);
            } else if (!before_.isEmpty()) {
                before_.chop(before_.back().isLowSurrogate() && before_.size() > 1 ? 2 : 1);
                // Back into the word before: it goes on from its last letter.
                qsizetype start = before_.size();
                while (start > 0 && inWord(before_.at(start - 1).unicode())) --start;
                word_ = before_.mid(start);
                before_.truncate(start);
            }
            break;
    }
    return said;
}

bool SpokenText::type(char32_t character, QList<SpokenPart>& said) {
    // Tab and the other control characters type nothing.
    if (QChar::category(character) == QChar::Other_Control) return false;
    const QString text = QString::fromUcs4(&character, 1);
    if (inWord(character)) {
        word_ += text;
        said.append({SpokenPart::As::Character, text});
        return true;
    }
    endWord(said);
    before_ += text;
    // A space is heard as the end of the word, not by its name.
    if (!QChar::isSpace(character)) said.append({SpokenPart::As::Character, text});
    return true;
}

void SpokenText::endWord(QList<SpokenPart>& said) {
    if (word_.isEmpty()) return;
    said.append({SpokenPart::As::Word, word_});
    before_ += word_;
    word_.clear();
    if (before_.size() > 2 * kRemembered) before_.remove(0, before_.size() - kRemembered);
}
