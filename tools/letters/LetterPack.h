#pragma once

#include <QString>
#include <QStringList>

// Writes the letter-set files into the zip archive `zipPath`, creating it
// when it does not exist. Each file becomes the member named as the file;
// a member of that name already there is replaced in its place, new ones
// follow the existing members in the order given. A file the program could
// not load completely is refused and nothing is written. Returns false and
// says why in `error` on failure.
bool packLetterSets(const QString& zipPath, const QStringList& files, QString* error);
