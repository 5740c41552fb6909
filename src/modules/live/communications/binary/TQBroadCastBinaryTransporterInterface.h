#pragma once

#include "modules/live/communications/binary/TQBinaryTransporterInterface.h"

class TQRealTimeManager;

// The class window's transporter interface: partitions go out through the
// real-time manager's raw partition send, addressed to the partition's
// receipt id (-1 the whole class).
class TQBroadCastBinaryTransporterInterface : public TQBinaryTransporterInterface
{
public:
    // `manager` is not owned and must outlive this object.
    explicit TQBroadCastBinaryTransporterInterface(TQRealTimeManager *manager);

    bool sendPartition(const std::string &partitionJson, const QByteArray *raw, int receiptID) override;

private:
    TQRealTimeManager *mRealTimeManager = nullptr;
};
