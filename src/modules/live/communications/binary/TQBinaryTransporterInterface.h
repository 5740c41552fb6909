#pragma once

#include <QByteArray>

#include <string>

// Where the binary transporter hands its partitions: one message-channel
// message each, the partition's JSON with its slice as raw bytes.
class TQBinaryTransporterInterface
{
public:
    // True when the message channel took the partition; false when it was
    // lost (no channel, or the channel is not logged in), so the transfer it
    // belongs to counts as not sent. The caller keeps `raw`.
    virtual bool sendPartition(const std::string &partitionJson, const QByteArray *raw, int receiptID) = 0;
    virtual ~TQBinaryTransporterInterface() = default;
};
