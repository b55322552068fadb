#include "launcher/CommonDialog.h"

#include <QStringList>

void CommonDialog::ShowOpen() {
    fileName_ = picker_.pickOpen(toQtFilter(filter_));
}

void CommonDialog::ShowSave() {
    fileName_ = picker_.pickSave(toQtFilter(filter_), (flags_ & kCreatePrompt) != 0);
}

QString toQtFilter(const QString& filter) {
    const QStringList items = filter.split(QLatin1Char('|'));
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        QString patterns = items[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        qtFilters << items[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return qtFilters.join(QStringLiteral(";;"));
}
