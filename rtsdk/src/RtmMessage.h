#pragma once

#include <string>

#include "CallLog.h"
#include "Codes.h"
#include "Runtime.h"
#include "Transport.h"

namespace rtsdk {

/** A message of vendor Api. Made by a service for the caller (logged under
 *  its name, freed by release) or built by the SDK around a received packet
 *  for one listener call (not logged, release does nothing). */
template <class Api> class RtmMessage final : public Api::IMessage
{
public:
    RtmMessage(std::string logName, Packet packet)
        : mPacket(std::move(packet))
        , mLogName(std::move(logName))
    { }
    explicit RtmMessage(const Packet &received)
        : mPacket(received)
    { }
    ~RtmMessage() override = default;

    long long getMessageId() const override { return mPacket.id; }
    int getMessageType() const override { return mPacket.type; }
    void setText(const char *text) override
    {
        mPacket.text = text ? text : "";
        record("setText(" + CallLog::quoted(text) + ")");
    }
    const char *getText() const override { return mPacket.text.c_str(); }
    const char *getRawMessageData() const override
    {
        return mPacket.type == msgtype::Raw && !mPacket.raw.empty() ? mPacket.raw.data() : nullptr;
    }
    int getRawMessageLength() const override
    {
        return mPacket.type == msgtype::Raw ? static_cast<int>(mPacket.raw.size()) : 0;
    }
    void release() override
    {
        if (mLogName.empty())
            return;
        record("release()");
        delete this;
    }

    const Packet &packet() const { return mPacket; }

private:
    void record(const std::string &call) const
    {
        if (!mLogName.empty())
            Runtime::instance().log().record(mLogName, call);
    }

    Packet mPacket;
    const std::string mLogName;
};

} // namespace rtsdk
