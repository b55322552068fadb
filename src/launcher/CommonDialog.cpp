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
        QString description = items[i];
        const QString& patterns = items[i + 1];
        // Descriptions often name their patterns already ("Text (*.txt)");
        // Qt reads the patterns from the trailing parentheses, space-separated,
        // so those are written once, in its form.
        const QString named = QLatin1Char('(') + patterns + QLatin1Char(')');
        if (description.endsWith(named)) description.chop(named.size());
        qtFilters << description.trimmed() + QStringLiteral(" (") +
                         QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                         QLatin1Char(')');
    }
    return qtFilters.join(QStringLiteral(";;"));
}
