#pragma once

#include <QtGlobal>

#include <string>

// One message waiting for the send thread. It owns its raw bytes.
class TQRTMSendData
{
public:
    static constexpr quint32 kMagic = 0xFC1024CF;

    // Takes rawData (allocated with new[]).
    TQRTMSendData(std::string messageBody, char *rawData, int rawLength, bool thruMainChannel,
                  long targetUserID);
    TQRTMSendData(std::string messageBody, bool thruMainChannel, long targetUserID);
    ~TQRTMSendData();
    TQRTMSendData(const TQRTMSendData &) = delete;
    TQRTMSendData &operator=(const TQRTMSendData &) = delete;

    quint32 magic = kMagic;
    std::string messageBody;
    bool thruMainChannel = true;
    long targetUserID = -1; // -1: the whole channel
    char *rawData = nullptr;
    int rawLength = 0;
};
