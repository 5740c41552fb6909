#include "modules/live/communications/agora/rtm/TQRTMSendData.h"

#include <utility>

TQRTMSendData::TQRTMSendData(std::string messageBody, char *rawData, int rawLength,
                             bool thruMainChannel, long targetUserID)
    : messageBody(std::move(messageBody))
    , thruMainChannel(thruMainChannel)
    , targetUserID(targetUserID)
    , rawData(rawData)
    , rawLength(rawLength)
{
}

TQRTMSendData::TQRTMSendData(std::string messageBody, bool thruMainChannel, long targetUserID)
    : TQRTMSendData(std::move(messageBody), nullptr, 0, thruMainChannel, targetUserID)
{
}

TQRTMSendData::~TQRTMSendData()
{
    magic = 0;
    delete[] rawData;
    rawData = nullptr;
    rawLength = 0;
}
