#pragma once

#include <QStringList>
#include <QTextStream>

// pictype-letters: make, check, preview and pack letter sets. `arguments`
// start with the command; results go to `out`, complaints to `err`. Returns
// the exit status: 0 done, 1 a set that does not load completely (check) or
// a step that failed, 2 wrong usage.
int runLettersTool(const QStringList& arguments, QTextStream& out, QTextStream& err);
