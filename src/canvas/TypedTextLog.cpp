#include "canvas/TypedTextLog.h"

#include <QFile>
#include <limits>
#include <optional>

#include "platform/Files.h"
#include "shared/Globals.h"

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// The logged text: the file without its final line end. No file yet means no
// text yet; a file that cannot be read, or that is too short to end in a
// line end, has no text that could be trusted.
std::optional<QByteArray> readLoggedText(const QString& path) {
    if (!normalFileExists(path)) return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError || content.size() < kLineEnd.size())
        return std::nullopt;
    content.chop(kLineEnd.size());
    return content;
}

bool writeLoggedText(const QString& path, const QByteArray& text) {
    return writeFileWhole(path, text + kLineEnd);
}

// Typed characters are 32 to 126, the same bytes in every ANSI code page.
QByteArray fileBytes(const QString& text) {
    return text.toLatin1();
}

// Texts of two openings of the canvas are joined by one space unless the
// earlier one ended in a space or a line end.
template <typename Text>
bool joinsWithoutSpace(const Text& earlier) {
    return earlier.isEmpty() || earlier.back() == u' ' || earlier.back() == u'\n';
}

}  // namespace

void CountTypedKey(Globals& globals) {
    if (globals.KeysSinceFlush < std::numeric_limits<int16_t>::max()) ++globals.KeysSinceFlush;
}

bool FlushCurrentLine(Globals& globals, QString& CurrentLine, MessageBoxService& messages) {
    const std::optional<QByteArray> logged = readLoggedText(globals.TempTextFile);
    if (!logged || !writeLoggedText(globals.TempTextFile, *logged + fileBytes(CurrentLine))) {
        messages.show(QStringLiteral("Please Close out.txt"), MsgButtons::Ok);
        return false;
    }
    globals.KeysSinceFlush = 0;
    globals.TypedText += CurrentLine;
    CurrentLine.clear();
    globals.FlushedThisOpening = true;
    return true;
}

void CloseOutText(Globals& globals, QString& CurrentLine) {
    const std::optional<QByteArray> logged = readLoggedText(globals.TempTextFile);
    if (!logged) return;
    // A flush in the middle of typing split this opening's text; its rest
    // follows on directly, or a space would appear where none was typed.
    const bool newOpening = !globals.FlushedThisOpening;
    const QByteArray joint =
        newOpening && !joinsWithoutSpace(*logged) ? QByteArrayLiteral(" ") : QByteArray();
    if (!writeLoggedText(globals.TempTextFile, *logged + joint + fileBytes(CurrentLine))) return;
    globals.KeysSinceFlush = 0;
    if (newOpening && !joinsWithoutSpace(globals.TypedText)) globals.TypedText += u' ';
    globals.TypedText += CurrentLine;
    CurrentLine.clear();
    globals.FlushedThisOpening = false;
}
