#pragma once

#include <QList>
#include <QString>
#include <optional>

// A key that types on the canvas, as the canvas types it.
struct TypedKey {
    enum class Kind { Text, Enter, Backspace };
    Kind kind = Kind::Text;
    QString text;  // what a Text key typed: a character, or an input method's string
};

// A part of what is said: a character by the name its voice gives it, or
// a word read as a word.
struct SpokenPart {
    enum class As { Character, Word };
    As as = As::Character;
    QString text;

    bool operator==(const SpokenPart&) const = default;
};

// What is said for each key typed: each letter, digit and punctuation mark
// by its name, and each word once it is complete, when a space, an Enter
// or a punctuation mark ends it. Every key's saying replaces what is still
// being said, so what a key returns is all there is to hear after it; a
// key that says nothing (a Backspace, a space after no word) silences. A
// key that types nothing (Shift, Tab) leaves what is said be.
//
// The word is the one of the text typed, which Backspace shortens and
// which clearing the screen does not end, as in the typed-text file.
class SpokenText {
  public:
    std::optional<QList<SpokenPart>> follow(const TypedKey& key);

  private:
    // Whether the character types.
    bool type(char32_t character, QList<SpokenPart>& said);
    // The word that the text ends with, said and ended.
    void endWord(QList<SpokenPart>& said);

    QString word_;
    // The text typed before the word, as far back as a Backspace can reach
    // into the word before it.
    QString before_;
};
