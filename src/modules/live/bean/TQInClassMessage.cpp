#include "modules/live/bean/TQInClassMessage.h"

#include "utils/TextFill.h"
#include "utils/TimeUtils.h"

std::string TQInClassMessage::toString() const
{
    return fillPlaceholders(QStringLiteral("TQInClassMessage(mMessageBody='%1', mFromUserID=%2, mFromSeqNum=%3, "
                                           "mAlreadyRead=%4, mIndexStamp=%5, mReceivingTimeStamp=%6, "
                                           "mFromUserName='%7')"),
                            {QString::fromStdString(mMessageBody), QString::number(mFromUserID),
                             QString::number(mFromSeqNum), QString::number(mAlreadyRead ? 1 : 0),
                             QString::number(mIndexStamp), QString::number(mReceivingTimeStamp),
                             QString::fromStdString(mFromUserName)})
        .toStdString();
}

QJsonObject TQInClassMessage::toJson() const
{
    qint64 timeMs = 0; // now
    if (mFromSeqNum != 0)
        timeMs = referenceSecsToMillis(mFromSeqNum);
    else if (mReceivingTimeStamp != 0)
        timeMs = mReceivingTimeStamp;
    QJsonObject json;
    json.insert(QStringLiteral("userID"), QString::number(mFromUserID));
    json.insert(QStringLiteral("fromSeqNum"), QString::number(mFromSeqNum));
    json.insert(QStringLiteral("userName"), QString::fromStdString(mFromUserName));
    json.insert(QStringLiteral("alreadyRead"), mAlreadyRead ? QStringLiteral("1") : QStringLiteral("0"));
    json.insert(QStringLiteral("indexStamp"), QString::number(mIndexStamp));
    json.insert(QStringLiteral("receivingTimeStamp"), QString::number(mReceivingTimeStamp));
    json.insert(QStringLiteral("messageTime"), formatTimeMillis(QStringLiteral("hh:mm:ss"), timeMs));
    json.insert(QStringLiteral("messageBody"), QString::fromStdString(mMessageBody));
    return json;
}
