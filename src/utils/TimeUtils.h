#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Clocks, time texts, the protocol's reference date and MD5 text.
// Times are milliseconds since 1970-01-01 UTC unless the name says otherwise.

qint64 currentTimeMillis();
qint64 currentTimeMicros();
// The current local date and time (honours the test clock).
QDateTime currentDateTime();

QString md5Hex(const QByteArray &data);

// A time of 0 or less means now; an empty locale name means Chinese.
QString formatTimeMillis(const QString &format, qint64 timeMillis, const QString &localeName = QString());
QString formatTimeSecs(const QString &format, qint32 timeSecs, const QString &localeName = QString());

// Local midnight at the start of 2019-05-01, computed afresh.
qint64 referenceDateMillis();
// The reference date as fixed while the program loaded.
qint64 loadedReferenceDateMillis();
qint64 millisSinceReferenceDate();
qint64 secsSinceReferenceDate();
qint64 referenceSecsToMillis(qint64 seconds);

// Seconds from local midnight at the start of `date` ("yyyy-MM-dd") until now;
// 0 when the text is not a date.
qint32 secsSinceDate(const QString &date);
// `text` parsed as local date and time with `format`, in seconds since 1970;
// 0 when it does not parse.
qint32 dateStringToSecs(const QString &text, const QString &format);

// Test seam: while set to a value above 0, every "now" above reads this
// instant instead of the system clock. The product never sets it.
void setTestClockMillis(qint64 millis);
