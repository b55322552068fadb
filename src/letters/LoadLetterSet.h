#pragma once

#include <QByteArray>
#include <QString>

#include "letters/LetterGlyphs.h"
#include "platform/MessageBox.h"

struct Globals;

// What reading a letter-set file achieved.
struct LetterSetReadResult {
    int blocksRead = 0;        // complete blocks, 0 to 95
    bool complete = false;     // all 95 blocks were read
    QString stopReason;        // why reading stopped early; empty when complete
    qsizetype stopOffset = 0;  // byte offset where reading ended: the start of
                               // the failing field, or just after the 95th block
};

// Reads the 95 blocks of a letter-set file into `glyphs`, in LetterOrder.
// A field that fails stops the reading there: blocks before it stay loaded
// and the failing block keeps what was stored of it. A count above 1024
// keeps its first 1024 pixels and is stored as 1024, so nothing that draws
// from the table can run past a glyph's arrays.
LetterSetReadResult readLetterSet(const QByteArray& data, LetterGlyphs& glyphs);

// Extracts the member LetterSetName of the letter archive into a private
// folder made for this load inside the temporary folder, reads it into the
// glyph table and removes the file and the folder again. Returns false when
// there was no extracted file to read and delete (the extraction failed),
// which the canvas treats as a failed load.
bool LoadLetterSet(Globals& globals, MessageBoxService& messages);
