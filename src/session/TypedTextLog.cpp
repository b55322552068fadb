#include "session/TypedTextLog.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "platform/Clock.h"
#include "platform/Files.h"

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
const QString kEnter = QStringLiteral(" \r\n");

// The written text: the file without its final line end. No file yet means
// no text yet; a file that cannot be read, or is too short to end in a line
// end, holds no text that could be trusted.
std::optional<QByteArray> readWrittenText(const QString& path) {
    if (!isRegularFile(path)) return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError || content.size() < kLineEnd.size())
        return std::nullopt;
    content.chop(kLineEnd.size());
    return content;
}

// Whether a text ends where the next opening's text may follow without a space.
template <typename Text>
bool endsOpenly(const Text& text) {
    return text.isEmpty() || text.back() == u' ' || text.back() == u'\n';
}

}  // namespace

QString TypedTextLog::freeFileName(const QString& folder, Clock& clock) {
    QString candidate;
    for (int attempt = 0; attempt < 100; ++attempt) {
        candidate =
            joinPath(folder, QLatin1Char('~') + QString::number(clock.uptimeMilliseconds()));
        if (!isRegularFile(candidate)) break;
        clock.sleep(2);
    }
    return candidate;
}

void TypedTextLog::type(QChar character) {
    pending_ += character;
    ++keysSinceWrite_;
}

void TypedTextLog::typeLineEnd() {
    pending_ += kEnter;
    ++keysSinceWrite_;
}

void TypedTextLog::eraseLast() {
    if (!pending_.isEmpty() && !pending_.endsWith(QLatin1Char('\n')))
        pending_.chop(1);
    else if (pending_.size() > 2)
        pending_.chop(kEnter.size());
}

bool TypedTextLog::writeOut(bool startsOpening) const {
    const std::optional<QByteArray> written = readWrittenText(path_);
    if (!written) return false;
    // Built in one buffer: the file may be large, and every key since the
    // last write waits for it.
    QByteArray content;
    content.reserve(written->size() + 1 + pending_.size() + kLineEnd.size());
    content += *written;
    if (startsOpening && !endsOpenly(*written)) content += ' ';
    // Typed characters are 32 to 126: the same bytes in every 8-bit code page.
    content += pending_.toLatin1();
    content += kLineEnd;
    return writeFileWhole(path_, content);
}

bool TypedTextLog::write() {
    if (!writeOut(false)) return false;
    keysSinceWrite_ = 0;
    clipboardText_ += std::exchange(pending_, QString());
    wroteThisOpening_ = true;
    return true;
}

bool TypedTextLog::closeOpening() {
    const bool newOpening = !wroteThisOpening_;
    if (!writeOut(newOpening)) return false;
    keysSinceWrite_ = 0;
    if (newOpening && !endsOpenly(clipboardText_)) clipboardText_ += u' ';
    clipboardText_ += std::exchange(pending_, QString());
    wroteThisOpening_ = false;
    return true;
}

TypedTextLog::FileState TypedTextLog::fileState() const {
    if (!isRegularFile(path_)) return FileState::Absent;
    // A file of its final line end alone holds nothing typed.
    return QFileInfo(path_).size() == kLineEnd.size() ? FileState::Empty : FileState::HoldsText;
}

bool TypedTextLog::remove() const {
    return QFile::remove(path_);
}

bool TypedTextLog::moveTo(const QString& target) const {
    return moveWithoutReplacing(path_, target);
}
