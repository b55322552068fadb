#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <ostream>
#include <utility>
#include <vector>

// Failed checks of texts print them as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

void writeFile(const QString& path, const QByteArray& content);
QByteArray readFile(const QString& path);

// A zip archive of (member name, content) pairs, in that order.
void writeZip(const QString& path, const std::vector<std::pair<QByteArray, QByteArray>>& members);

// A letter-set file of 95 blocks; block p has `pixels(p)` pixels (by
// default p % 7 + 1), pixel k at (k % 32, k / 32) in colour p * 65536 + k.
QByteArray letterSetText(const std::function<int(int)>& pixels = {});
