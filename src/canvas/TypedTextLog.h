#pragma once

#include <QString>

#include "platform/MessageBox.h"

struct Globals;

// Everything typed on the canvas is kept in the temporary text file
// (Globals::TempTextFile) and in Globals::TypedText. The file holds the text
// followed by exactly one final line end; each write replaces it whole
// through a sibling file and a rename, so a crash or a full disk mid-write
// leaves the previous content as it was.

// Counts one glyph key or Enter towards the next flush. The count stops at its
// 16-bit limit instead of wrapping round while flushes keep failing, so a
// flush stays due until one succeeds.
void CountTypedKey(Globals& globals);

// Appends CurrentLine to the temporary text file and to TypedText, and
// empties it. On failure shows "Please Close out.txt" and keeps everything
// in CurrentLine and the count of keys, so the next key tries again.
// Returns whether the flush succeeded.
bool FlushCurrentLine(Globals& globals, QString& CurrentLine, MessageBoxService& messages);

// Closes out the text of one opening of the canvas: appends CurrentLine to
// the file and to TypedText, joined to the earlier text by one space unless
// that ended in a space or a line end. Fails silently, keeping CurrentLine.
void CloseOutText(Globals& globals, QString& CurrentLine);
