#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>
#include <vector>

// A program folder of the test's own in a temporary directory.
class TestProgramFolder {
public:
    TestProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    // Writes a file inside the folder (folders of the name are created).
    void write(const QString& name, const QByteArray& content) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

    // Copies the built letters.zip into the folder.
    void copyBuiltLetters() const;

private:
    QTemporaryDir dir_;
};

struct Globals;

// Readies a program folder for opening the canvas: a letters.zip with one
// set ("Test.txt", from makeLetterSetText), TEMP pointing into the folder, a
// temporary text file name, and four distinguishable one-byte click sounds.
void prepareCanvasFolder(const TestProgramFolder& folder, Globals& globals);

// A zip archive made from (member name, content) pairs, in that order.
QByteArray makeZip(const std::vector<std::pair<QByteArray, QByteArray>>& members);

// A letter-set file whose character at position p has `counts[p]` pixels
// (default: p % 7 + 1 pixels), each at (k % 32, k / 32) with colour
// p * 65536 + k.
QByteArray makeLetterSetText(const std::vector<int>& counts = {});
