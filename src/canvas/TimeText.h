#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// The time of day as F3 prints it: the locale's long time format, with its
// seconds but without the time zone.
QString timeOfDayText(const QTime& time, const QLocale& locale);
