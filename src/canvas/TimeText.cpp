#include "canvas/TimeText.h"

QString timeOfDayText(const QTime& time, const QLocale& locale) {
    const QString longFormat = locale.timeFormat(QLocale::LongFormat);
    QString format;
    bool quoted = false;
    for (const QChar c : longFormat) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) continue;  // the time zone
        format += c;
    }
    return locale.toString(time, format.trimmed());
}
