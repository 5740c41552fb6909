#include "modules/live/communications/agora/rtm/TQRTMCommon.h"

namespace {

const QString kMainSuffix = QStringLiteral("_rtm");

std::string withSuffix(const QString &id, const char *suffix)
{
    return (id + QLatin1String(suffix)).toStdString();
}

bool isDecimal(const QString &text)
{
    const int start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() == start)
        return false;
    for (int i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

std::string TQRTMCommon::loginId(const QString &userId)
{
    return withSuffix(userId, "_rtm");
}

std::string TQRTMCommon::mainChannelName(long courseScheduleId)
{
    return withSuffix(QString::number(courseScheduleId), "_rtm");
}

std::string TQRTMCommon::altChannelName(long courseScheduleId)
{
    return withSuffix(QString::number(courseScheduleId), "_alt");
}

std::string TQRTMCommon::peerId(long targetUserID)
{
    return withSuffix(QString::number(targetUserID), "_rtm");
}

long TQRTMCommon::uidFromServiceId(const QString &serviceId)
{
    const int end = serviceId.indexOf(kMainSuffix);
    const QString number = end < 0 ? serviceId : serviceId.left(end);
    if (!isDecimal(number))
        return 0;
    bool ok = false;
    const long uid = number.toLong(&ok, 10);
    return ok ? uid : 0;
}

bool TQRTMCommon::isMainChannelId(const QString &channelId)
{
    return channelId.contains(kMainSuffix);
}
