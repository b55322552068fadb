#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool QtClipboard::hasText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
