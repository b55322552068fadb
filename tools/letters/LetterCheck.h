#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

#include "letters/LetterSet.h"

// What the program makes of a letter-set file, read with its own loader.
struct CheckReport {
    LetterSetReading read;
    int stopLine = 0;             // line of read.stopOffset, from 1
    std::vector<char32_t> drawn;  // the characters whose blocks were read whole, in file order
    std::vector<int> counts;      // and the pixels each of them stores
    QList<char32_t> outside;      // characters with pixels outside the cell
    QList<char32_t> duplicates;   // characters that set one pixel twice
    // Every block read and nothing after them but blanks.
    bool loadsCompletely() const { return read.complete && read.stopReason.isEmpty(); }
};

CheckReport checkLetterSet(const QByteArray& data);

// The report as lines for a person; `name` says which file it is about.
QString describeCheck(const QString& name, const CheckReport& report);

// "a", "space", "double quote", "é", "U+00A0": how reports name a character.
QString characterName(char32_t character);
