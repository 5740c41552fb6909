#pragma once

#include <QByteArray>
#include <QJsonObject>

#include <string>

// One slice of an image sent over the data channel (at most 28,000 bytes),
// described by a small JSON record; the bytes travel raw beside it or as
// Base64 in partitionBody.
class TQBinaryPartition
{
public:
    // Bytes of one slice.
    static constexpr int kSliceBytes = 28000;
    // Most slices one transfer may have (about 28 MB): a received total above
    // it is refused rather than waited for.
    static constexpr int kMaxTotal = 1024;

    TQBinaryPartition() = default;
    TQBinaryPartition(std::string url, std::string md, int index, int total, int format, int receiptID,
                      int useageType);

    // Compact JSON with every value as a string: "serverURL", "partitionBody",
    // "partitionMD", "partitionIndex", "partitionTotal", "partitionFormat",
    // "receiptID", "useageType".
    std::string toJson() const;

    // A new partition from a received record, or null (logged) when its index
    // lies outside 0..total-1, its total is below 1 or above kMaxTotal, or its
    // body is not Base64. Missing strings read as "", numbers may be JSON
    // numbers or decimal text. The caller owns the result.
    static TQBinaryPartition *fromJson(const QJsonObject &object);

    // The transfer's key: the file's URL, or a made-up path for frames.
    std::string serverURL;
    // Base64 of the slice on the text path; empty when the bytes travel raw.
    std::string partitionBody;
    // Last 4 hex characters of the MD5 of the transfer's last slice.
    std::string partitionMD;
    int partitionIndex = 0;
    int partitionTotal = 0;
    // Image format code of the sender; carried, not interpreted.
    int partitionFormat = 0;
    // Target user id of the transfer, -1 for the whole class.
    int receiptID = 0;
    // 0 a file for the download cache, 1 a frame for the student list.
    int useageType = 0;
    // The slice's bytes when they travel raw (a shallow copy of the message's
    // payload); empty otherwise.
    QByteArray raw;
    // The sender's user id as decimal text, set when a received partition is unpacked.
    std::string fromId;
};
