#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

class Clock;

// Everything typed on the canvas in this run, kept in a typed-text file
// "~<number>" and handed to the clipboard.
//
// The file holds the text in UTF-8 (so ASCII text is plain ASCII) followed
// by one final CR LF; each Enter is a
// space and CR LF, and the texts of two openings of the canvas are joined by
// one space unless the earlier one ended in a space or a line end. Each write
// replaces the file whole, so a crash or a full disk mid-write leaves the
// previous content; the text itself stays in memory until a write succeeds.
// While the log lives, its file is locked against other copies of the
// program, which would otherwise take it for one left by a crash.
class TypedTextLog {
  public:
    // Keys typed since the last write after which the next key writes.
    static constexpr int kKeysPerWrite = 500;

    explicit TypedTextLog(QString path);
    ~TypedTextLog();

    // A file name in `folder` that no file has yet: "~" and the uptime in
    // milliseconds, tried again after 2 ms while the name is taken (at most
    // 100 times; then the last name tried).
    static QString freeFileName(const QString& folder, Clock& clock);

    // The typed-text files left in these folders by runs that ended without
    // closing: those no running copy holds. Files that hold no text are
    // removed on the way.
    static QStringList collectLeftovers(const QStringList& folders);
    // How many characters the text of a typed-text file holds, as typed:
    // each character and each Enter one.
    static qsizetype charactersIn(const QByteArray& file);

    const QString& path() const { return path_; }
    // Everything typed in this run, as the file holds it but its final line end.
    const QString& text() const { return text_; }

    // Typing: a character, an Enter, and a Backspace, which takes back the
    // last character or the last Enter of this opening of the canvas.
    void type(char32_t character);
    void typeLineEnd();
    void eraseLast();

    // Text typed or taken back since the last write.
    bool changedSinceWrite() const { return changed_; }
    bool writeDue() const { return keysSinceWrite_ > kKeysPerWrite; }
    // Writes the file when the text changed. On failure the text is kept,
    // the write stays due, and `reason` says why.
    bool write(QString* reason = nullptr);
    // Ends an opening of the canvas and writes.
    bool closeOpening(QString* reason = nullptr);

    // The text since the clipboard last took it.
    QString clipboardText() const { return text_.mid(clipboardStart_); }
    QString takeClipboardText();

    // Saves the text as a new file at `target` (never over an existing one)
    // and removes the log's own file.
    bool saveAs(const QString& target, QString* reason = nullptr);
    // Removes the log's file; true when it is gone.
    bool remove() const;

  private:
    void startOpening();
    void typed(const QString& text);

    QString path_;
    std::unique_ptr<QLockFile> lock_;
    QString text_;
    qsizetype openingStart_ = 0;    // Backspace stops here
    qsizetype clipboardStart_ = 0;  // the clipboard's text begins here
    bool inOpening_ = false;
    bool changed_ = false;
    int keysSinceWrite_ = 0;
};
