#include "modules/live/communications/binary/TQBinaryPartition.h"

#include "actions/TQJsonValues.h"
#include "utils/CLog.h"

#include <QJsonDocument>

#include <utility>

TQBinaryPartition::TQBinaryPartition(std::string url, std::string md, int index, int total, int format,
                                     int receiptID, int useageType)
    : serverURL(std::move(url))
    , partitionMD(std::move(md))
    , partitionIndex(index)
    , partitionTotal(total)
    , partitionFormat(format)
    , receiptID(receiptID)
    , useageType(useageType)
{
}

std::string TQBinaryPartition::toJson() const
{
    QJsonObject object;
    object.insert(QStringLiteral("serverURL"), QString::fromStdString(serverURL));
    object.insert(QStringLiteral("partitionBody"), QString::fromStdString(partitionBody));
    object.insert(QStringLiteral("partitionMD"), QString::fromStdString(partitionMD));
    object.insert(QStringLiteral("partitionIndex"), QString::number(partitionIndex));
    object.insert(QStringLiteral("partitionTotal"), QString::number(partitionTotal));
    object.insert(QStringLiteral("partitionFormat"), QString::number(partitionFormat));
    object.insert(QStringLiteral("receiptID"), QString::number(receiptID));
    object.insert(QStringLiteral("useageType"), QString::number(useageType));
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

TQBinaryPartition *TQBinaryPartition::fromJson(const QJsonObject &object)
{
    auto *partition = new TQBinaryPartition;
    partition->serverURL = jsonToStdString(object.value(QLatin1String("serverURL")));
    partition->partitionBody = jsonToStdString(object.value(QLatin1String("partitionBody")));
    partition->partitionMD = jsonToStdString(object.value(QLatin1String("partitionMD")));
    partition->partitionIndex = jsonToInt(object.value(QLatin1String("partitionIndex")));
    partition->partitionTotal = jsonToInt(object.value(QLatin1String("partitionTotal")));
    partition->partitionFormat = jsonToInt(object.value(QLatin1String("partitionFormat")));
    partition->receiptID = jsonToLong(object.value(QLatin1String("receiptID")));
    partition->useageType = jsonToInt(object.value(QLatin1String("useageType")));

    // The receiver collects slices by index until it holds total of them: a
    // wrong index or total would make it wait forever or index past the end.
    QString fault;
    if (partition->partitionTotal < 1 || partition->partitionTotal > kMaxTotal)
        fault = QStringLiteral("total %1 out of range").arg(partition->partitionTotal);
    else if (partition->partitionIndex < 0 || partition->partitionIndex >= partition->partitionTotal)
        fault = QStringLiteral("index %1 outside total %2").arg(partition->partitionIndex).arg(partition->partitionTotal);
    else if (!partition->partitionBody.empty()
             && QByteArray::fromBase64Encoding(QByteArray::fromStdString(partition->partitionBody),
                                               QByteArray::AbortOnBase64DecodingErrors)
                        .decodingStatus
                 != QByteArray::Base64DecodingStatus::Ok)
        fault = QStringLiteral("body is not base64");
    if (fault.isEmpty())
        return partition;
    CLog::error(QStringLiteral("refused partition of %1: %2").arg(QString::fromStdString(partition->serverURL), fault),
                QStringLiteral("TQBinaryPartition::fromJson "));
    delete partition;
    return nullptr;
}
