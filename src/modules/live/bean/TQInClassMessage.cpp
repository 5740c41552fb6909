#include "modules/live/bean/TQInClassMessage.h"

#include "utils/TextFill.h"

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
