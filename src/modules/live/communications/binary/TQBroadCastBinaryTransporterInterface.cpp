#include "modules/live/communications/binary/TQBroadCastBinaryTransporterInterface.h"

#include "modules/live/communications/TQRealTimeManager.h"

TQBroadCastBinaryTransporterInterface::TQBroadCastBinaryTransporterInterface(TQRealTimeManager *manager)
    : mRealTimeManager(manager)
{
}

bool TQBroadCastBinaryTransporterInterface::sendPartition(const std::string &partitionJson, const QByteArray *raw,
                                                          int receiptID)
{
    return mRealTimeManager && mRealTimeManager->sendBinaryPartition(partitionJson, raw, receiptID);
}
