#pragma once

#include <QString>

#include "platform/MessageBox.h"

struct Globals;

// Appends CurrentLine to the temporary text file and to TypedText, and
// empties it. On failure shows "Please Close out.txt" and keeps everything
// in CurrentLine. Returns whether the flush succeeded.
bool FlushCurrentLine(Globals& globals, QString& CurrentLine, MessageBoxService& messages);

// Closes out the text of one opening of the canvas: appends CurrentLine to
// the file and to TypedText, joined to the earlier text by one space unless
// that ended in a space or a line end. Fails silently.
void CloseOutText(Globals& globals, QString& CurrentLine);
