#include "utils/CDataHelper.h"

#include "utils/CLog.h"
#include "utils/KV.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkInterface>
#include <QRandomGenerator>

#include <climits>
#include <cmath>
#include <limits>

namespace {

// Doubles hold every integer up to this magnitude exactly.
constexpr double kExactIntegerLimit = 9007199254740992.0; // 2^53

// A boolean, a number or a numeric text as an integer of type T; 0 when out
// of T's range. A fraction is truncated toward zero, or gives 0 when
// `wholeOnly` is set.
template <typename T>
T integralFromJson(const QJsonValue &value, bool wholeOnly)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? 1 : 0;
    case QJsonValue::Double: {
        const double number = value.toDouble();
        const double whole = std::trunc(number);
        // The limits are powers of two, exact as doubles; converting an
        // out-of-range double would be undefined.
        const double lowest = static_cast<double>(std::numeric_limits<T>::min());
        if ((wholeOnly && whole != number) || !(whole >= lowest && whole < -lowest))
            return 0;
        return static_cast<T>(whole);
    }
    case QJsonValue::String: {
        bool ok = false;
        const qint64 number = value.toString().trimmed().toLongLong(&ok, 10);
        if (!ok || number < std::numeric_limits<T>::min() || number > std::numeric_limits<T>::max())
            return 0;
        return static_cast<T>(number);
    }
    default:
        return 0;
    }
}

QString compactJson(const QJsonValue &value)
{
    const QJsonDocument document = value.isObject() ? QJsonDocument(value.toObject()) : QJsonDocument(value.toArray());
    return QString::fromUtf8(document.toJson(QJsonDocument::Compact));
}

// The hardware address of the first interface that is up, running and not a
// loop-back; "" when there is none.
QString firstHardwareAddress()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning)
            && !flags.testFlag(QNetworkInterface::IsLoopBack))
            return interface.hardwareAddress();
    }
    return QString();
}

} // namespace

int CDataHelper::jsonValueToInt(const QJsonValue &value)
{
    return integralFromJson<int>(value, true);
}

qint32 CDataHelper::jsonValueToLong(const QJsonValue &value)
{
    return integralFromJson<qint32>(value, false);
}

qint64 CDataHelper::jsonValueToLongLong(const QJsonValue &value)
{
    return integralFromJson<qint64>(value, false);
}

double CDataHelper::jsonValueToDouble(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? 1 : 0;
    case QJsonValue::Double:
        return value.toDouble();
    case QJsonValue::String: {
        bool ok = false;
        const double number = value.toString().trimmed().toDouble(&ok);
        return ok && std::isfinite(number) ? number : 0;
    }
    default:
        return 0;
    }
}

QString CDataHelper::jsonValueToString(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QJsonValue::Double: {
        const double number = value.toDouble();
        if (std::trunc(number) == number && std::fabs(number) <= kExactIntegerLimit)
            return QString::number(static_cast<qint64>(number));
        return QString::number(number, 'g', 6);
    }
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Object:
    case QJsonValue::Array:
        return compactJson(value);
    default:
        return QString();
    }
}

std::string CDataHelper::jsonValueToStdString(const QJsonValue &value)
{
    return jsonValueToString(value).toStdString();
}

bool CDataHelper::isAllDigits(const std::string &text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

int CDataHelper::getIntFromString(const std::string &text)
{
    size_t pos = 0;
    while (pos < text.size() && (text[pos] < '0' || text[pos] > '9'))
        ++pos;
    qint64 number = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        number = number * 10 + (text[pos] - '0');
        if (number > INT_MAX)
            return 0;
    }
    return static_cast<int>(number);
}

bool CDataHelper::isVersion2Bigger(const QString &version1, const QString &version2)
{
    const QStringList parts1 = version1.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    const QStringList parts2 = version2.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    bool bigger = false;
    for (int i = 0; i < parts1.size(); ++i) {
        if (i >= parts2.size())
            break;
        const int part1 = parts1.at(i).toInt(nullptr, 10);
        const int part2 = parts2.at(i).toInt(nullptr, 10);
        if (part2 != part1) {
            bigger = part2 > part1;
            break;
        }
    }
    CLog::debug(QStringLiteral("compare %1,%2=>%3").arg(version1, version2).arg(bigger ? 1 : 0),
                QStringLiteral("%1 ").arg(QStringLiteral("CDataHelper::isVersion2Bigger")));
    return bigger;
}

bool CDataHelper::isDirExists(const QString &path)
{
    return !path.isEmpty() && QDir(path).exists();
}

int CDataHelper::checkPhone(const QString &phone)
{
    if (phone.isEmpty())
        return kPhoneEmpty;
    if (phone.size() < 11)
        return kPhoneTooShort;
    if (phone.size() > 11)
        return kPhoneTooLong;
    for (const QChar c : phone) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return kPhoneNotDigits;
    }
    return kCheckValid;
}

int CDataHelper::checkVerifyCode(const QString &code)
{
    return code.isEmpty() ? kVerifyCodeEmpty : kCheckValid;
}

QString CDataHelper::getDeviceId()
{
    const QString stored = KV::get(deviceIdKey());
    if (!stored.isEmpty())
        return stored;

    QString id = firstHardwareAddress();
    id.remove(QLatin1Char(':')).remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    if (id.isEmpty()) {
        // Seeding from the clock would give machines started in the same
        // second the same id; the system generator does not.
        id = QString::number(QRandomGenerator::system()->bounded(1, INT_MAX));
    }
    KV::set(deviceIdKey(), id);
    return id;
}

std::string CDataHelper::deviceIdKey()
{
    return "key_deviece_id";
}

void CDataHelper::printJsonObject(const QJsonObject &object)
{
    qDebug("json doc... %s", QJsonDocument(object).toJson(QJsonDocument::Indented).constData());
}
