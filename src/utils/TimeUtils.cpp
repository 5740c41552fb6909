#include "utils/TimeUtils.h"

#include <QCryptographicHash>
#include <QLocale>

#include <atomic>
#include <chrono>

extern "C" {
#include <libavutil/time.h>
}

namespace {

std::atomic<qint64> g_testClock{0};

// Fixed at load; a later change of the time zone does not move it.
[[maybe_unused]] const bool kReferenceDateFixedAtLoad = (loadedReferenceDateMillis(), true);

QString formatInstant(const QString &format, const QDateTime &when, const QString &localeName)
{
    const QLocale locale = localeName.isEmpty() ? QLocale(QLocale::Chinese, QLocale::AnyCountry) : QLocale(localeName);
    return locale.toString(when, format);
}

} // namespace

void setTestClockMillis(qint64 millis)
{
    g_testClock.store(millis);
}

qint64 currentTimeMillis()
{
    const qint64 fixed = g_testClock.load();
    if (fixed > 0)
        return fixed;
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

qint64 currentTimeMicros()
{
    const qint64 fixed = g_testClock.load();
    if (fixed > 0)
        return fixed * 1000;
    return av_gettime();
}

QDateTime currentDateTime()
{
    const qint64 fixed = g_testClock.load();
    if (fixed > 0)
        return QDateTime::fromMSecsSinceEpoch(fixed);
    return QDateTime::currentDateTime();
}

QString md5Hex(const QByteArray &data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
}

QString formatTimeMillis(const QString &format, qint64 timeMillis, const QString &localeName)
{
    const QDateTime when = timeMillis > 0 ? QDateTime::fromMSecsSinceEpoch(timeMillis) : currentDateTime();
    return formatInstant(format, when, localeName);
}

QString formatTimeSecs(const QString &format, qint32 timeSecs, const QString &localeName)
{
    const QDateTime when = timeSecs > 0 ? QDateTime::fromSecsSinceEpoch(timeSecs) : currentDateTime();
    return formatInstant(format, when, localeName);
}

qint64 referenceDateMillis()
{
    return QDateTime::fromString(QStringLiteral("2019-05-01"), QStringLiteral("yyyy-MM-dd")).toMSecsSinceEpoch();
}

qint64 loadedReferenceDateMillis()
{
    static const qint64 reference = referenceDateMillis();
    return reference;
}

qint64 millisSinceReferenceDate()
{
    return currentDateTime().toMSecsSinceEpoch() - loadedReferenceDateMillis();
}

qint64 secsSinceReferenceDate()
{
    return millisSinceReferenceDate() / 1000;
}

qint64 referenceSecsToMillis(qint64 seconds)
{
    return seconds * 1000 + loadedReferenceDateMillis();
}

qint32 secsSinceDate(const QString &date)
{
    const QDateTime midnight = QDateTime::fromString(date, QStringLiteral("yyyy-MM-dd"));
    if (!midnight.isValid())
        return 0;
    return static_cast<qint32>(midnight.secsTo(currentDateTime()));
}

qint32 dateStringToSecs(const QString &text, const QString &format)
{
    const QDateTime when = QDateTime::fromString(text, format);
    if (!when.isValid())
        return 0;
    return static_cast<qint32>(when.toSecsSinceEpoch());
}
