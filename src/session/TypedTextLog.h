#pragma once

#include <QString>
#include <utility>

class Clock;

// Everything typed on the canvas, kept in a temporary text file "~<number>"
// in the program folder and in the text waiting for the clipboard.
//
// Typed characters collect in memory and are written out every 501 keys
// and whenever the canvas closes (an "opening" of the canvas ends). The file
// holds the text followed by exactly one final CR LF; each Enter is written
// as a space and CR LF, and the texts of two openings are joined by one
// space unless the earlier one ended in a space or a line end. Every write
// replaces the file whole through a sibling file and a rename, so a crash or
// a full disk mid-write leaves the previous content as it was.
class TypedTextLog {
  public:
    // Keys typed since the last write after which the next key writes.
    static constexpr int kKeysPerWrite = 500;

    explicit TypedTextLog(QString path) : path_(std::move(path)) {}

    // A file name in `folder` that no file has yet: "~" and the uptime in
    // milliseconds, tried again after 2 ms while the name is taken (at most
    // 100 times; then the last name tried).
    static QString freeFileName(const QString& folder, Clock& clock);

    const QString& path() const { return path_; }

    // Typing: a character, an Enter, and a Backspace, which takes back the
    // last character or the last Enter not yet written out.
    void type(QChar character);
    void typeLineEnd();
    void eraseLast();

    // The text not yet written out.
    const QString& pending() const { return pending_; }
    bool writeDue() const { return keysSinceWrite_ > kKeysPerWrite; }
    // Writes the pending text out in the middle of an opening. On failure
    // everything is kept, the write stays due, and false is returned.
    bool write();
    // Writes out what is left at the end of an opening of the canvas. On
    // failure the text is kept for the next opening to carry on.
    bool closeOpening();

    // The text written out since the clipboard last took it.
    const QString& clipboardText() const { return clipboardText_; }
    QString takeClipboardText() { return std::exchange(clipboardText_, QString()); }

    // The file at the end of the run.
    enum class FileState { Absent, Empty, HoldsText };
    FileState fileState() const;
    bool remove() const;
    // Moves the file to `target`, never over an existing file.
    bool moveTo(const QString& target) const;

  private:
    // Adds the pending text to the file, after the space that joins it to
    // an earlier opening's text when it starts an opening.
    bool writeOut(bool startsOpening) const;

    QString path_;
    QString pending_;
    QString clipboardText_;
    int keysSinceWrite_ = 0;
    // Part of this opening's text is already written: its rest follows on
    // without the space that joins openings.
    bool wroteThisOpening_ = false;
};
