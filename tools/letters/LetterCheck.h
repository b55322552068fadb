#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

#include "letters/LetterSet.h"

// What the program makes of a letter-set file, read with its own loader.
struct CheckReport {
    LetterSetReading read;
    int stopLine = 0;                            // line of read.stopOffset, from 1
    std::array<int, LetterSet::kSize> counts{};  // pixels stored per character
    QList<int> outside;                          // characters with pixels outside the cell
    QList<int> duplicates;                       // characters that set one pixel twice
    qsizetype ignoredBytes = 0;                  // text after the 95th block, blanks aside
    bool loadsCompletely() const { return read.complete; }
};

CheckReport checkLetterSet(const QByteArray& data);

// The report as lines for a person; `name` says which file it is about.
QString describeCheck(const QString& name, const CheckReport& report);

// "a", "space", "double quote": how reports name the character at a position.
QString characterName(int position);
