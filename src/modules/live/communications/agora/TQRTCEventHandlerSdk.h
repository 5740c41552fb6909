#pragma once

#include "modules/live/communications/TQAudioVolumeInfo.h"
#include "modules/live/communications/TQRTCEventDelegate.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"

#include <QString>

#include <utility>

// The translation both SDKs' engine listeners share: each SDK callback
// becomes one report on every handler of the delegate, on the SDK's thread.
// Traits give the SDK's listener base and the few log lines that differ.
template <class Traits>
class TQRTCEventHandlerSdk : public Traits::Base
{
public:
    using uid_t = typename Traits::uid_t;

    explicit TQRTCEventHandlerSdk(TQRTCEventDelegate *delegate)
        : m_pEventDelegate(delegate)
    {
    }
    ~TQRTCEventHandlerSdk() override { m_pEventDelegate = nullptr; }

    // Remote states as the class window keeps them: 0 off, 1 held up by the
    // network, 2 playing, with the reason the window shows.
    static std::pair<int, int> mapAudioState(int state)
    {
        if (state == 0 || state == 4)
            return { 0, 2 };
        if (state == 3)
            return { 1, 1 };
        return { 2, 3 };
    }
    static std::pair<int, int> mapVideoState(int state, int reason)
    {
        if (state == 0 || state == 1 || state == 4)
            return { 0, 2 };
        if (state == 3)
            return { 1, reason == 8 ? 5 : 1 };
        return { 2, reason == 9 ? 6 : 3 };
    }

    void onJoinChannelSuccess(const char *channel, uid_t uid, int elapsed) override
    {
        Traits::logJoin(channel, uid, elapsed);
        report([&](TQRTCEventHandlerInterface *h) { h->onJoinChannelSuccessRTC(long(uid), elapsed); });
    }
    void onRejoinChannelSuccess(const char *channel, uid_t uid, int elapsed) override
    {
        Traits::logRejoin(channel, uid, elapsed);
        report([&](TQRTCEventHandlerInterface *h) { h->onJoinChannelSuccessRTC(long(uid), elapsed); });
    }
    void onLeaveChannel(const typename Traits::RtcStats &) override
    {
        Traits::logLeave();
        report([](TQRTCEventHandlerInterface *h) { h->onLeaveChannelRTC(); });
    }
    void onClientRoleChanged(int oldRole, int newRole) override
    {
        report([&](TQRTCEventHandlerInterface *h) { h->onClientRoleChanged(oldRole, newRole); });
    }
    void onUserJoined(uid_t uid, int elapsed) override
    {
        Traits::logUserJoined(uid, elapsed);
        report([&](TQRTCEventHandlerInterface *h) { h->onUserJoinedRTC(long(uid), elapsed); });
    }
    void onUserOffline(uid_t uid, int reason) override
    {
        Traits::logUserOffline(uid, reason);
        report([&](TQRTCEventHandlerInterface *h) { h->onUserOffLineRTC(long(uid), reason); });
    }
    void onNetworkQuality(uid_t uid, int txQuality, int rxQuality) override
    {
        // 0 unknown, 6 down, 8 detecting: nothing to show.
        auto unusable = [](int q) { return q == 0 || q == 6 || q == 8; };
        if (unusable(txQuality) || unusable(rxQuality))
            return;
        const long who = uid == 0 ? LoginManager::getUserID().toLong() : long(uid);
        report([&](TQRTCEventHandlerInterface *h) { h->onNetworkQuality(who, txQuality, rxQuality); });
    }
    void onLastmileQuality(int) override { }
    void onRemoteVideoStats(const typename Traits::RemoteVideoStats &s) override
    {
        report([&](TQRTCEventHandlerInterface *h) {
            h->onRemoteVideoStats(long(s.uid), s.width, s.height, s.receivedBitrate, s.decoderOutputFrameRate,
                                  s.rendererOutputFrameRate, s.packetLossRate, s.rxStreamType, s.frozenRate,
                                  s.totalFrozenTime);
        });
    }
    void onRemoteAudioStats(const typename Traits::RemoteAudioStats &s) override
    {
        report([&](TQRTCEventHandlerInterface *h) {
            h->onRemoteAudioStats(long(s.uid), s.quality, s.networkTransportDelay, s.jitterBufferDelay, s.audioLossRate,
                                  s.numChannels, s.receivedSampleRate, s.receivedBitrate, s.totalFrozenTime,
                                  s.frozenRate);
        });
    }
    void onLocalAudioStateChanged(int state, int) override
    {
        report([&](TQRTCEventHandlerInterface *h) { h->onLocalAudioStateChanged(state != 0); });
    }
    void onRemoteAudioStateChanged(uid_t uid, int state, int reason, int elapsed) override
    {
        Traits::logRemoteAudioState(uid, state, reason, elapsed);
        const auto mapped = mapAudioState(state);
        report([&](TQRTCEventHandlerInterface *h) {
            h->onRemoteAudioStateChanged(long(uid), mapped.first, mapped.second, elapsed);
        });
    }
    void onAudioVolumeIndication(const typename Traits::AudioVolumeInfo *speakers, unsigned int speakerNumber,
                                 int totalVolume) override
    {
        // One record per handler: each queued receiver deletes its own.
        report([&](TQRTCEventHandlerInterface *h) {
            auto *info = new TQAudioVolumeInfo;
            if (speakers) {
                for (unsigned int i = 0; i < speakerNumber; ++i) {
                    info->userIds.push_back(int(speakers[i].uid));
                    info->volumes.push_back(int(speakers[i].volume));
                }
            }
            info->totalVolume = totalVolume;
            h->onUserAudioVolumeIndication(info);
        });
    }
    void onFirstLocalVideoFrame(int width, int height, int elapsed) override
    {
        Traits::logFirstLocalVideoFrame(width, height, elapsed);
        report([&](TQRTCEventHandlerInterface *h) { h->onFirstLocalVideoFrame(width, height, elapsed); });
    }
    void onAudioMixingStateChanged(int state, int errorCode) override
    {
        report([&](TQRTCEventHandlerInterface *h) { h->onAudioMixingStateChanged(state, errorCode); });
    }
    void onLocalVideoStateChanged(int state, int) override
    {
        report([&](TQRTCEventHandlerInterface *h) { h->onLocalVideoStateChanged(state != 0); });
    }
    void onRemoteVideoStateChanged(uid_t uid, int state, int reason, int elapsed) override
    {
        const auto mapped = mapVideoState(state, reason);
        report([&](TQRTCEventHandlerInterface *h) {
            CLog::printf("[RTC] %s::onRemoteVideoStateChanged uid=%d state=%d reason=%d, handler=%p", Traits::kName,
                         int(uid), state, reason, static_cast<void *>(h));
            h->onRemoteVideoStateChanged(long(uid), mapped.first, mapped.second, elapsed);
        });
    }
    void onStreamMessage(uid_t uid, int, const char *data, unsigned long length) override
    {
        if (!data)
            return;
        const QString body = QString::fromUtf8(data, int(length));
        report([&](TQRTCEventHandlerInterface *h) { h->onStreamMessageRTC(long(uid), body); });
    }
    void onAudioRouteChanged(int routing) override
    {
        CLog::printf("[RTC] %s:onAudioRouteChanged routing=%d", Traits::kName, routing);
    }
    void onLocalPublishFallbackToAudioOnly(bool fallback) override
    {
        report([&](TQRTCEventHandlerInterface *h) { h->onLocalVideoFallBackToAudioOnly(fallback); });
    }
    void onRemoteSubscribeFallbackToAudioOnly(uid_t uid, bool fallback) override
    {
        report([&](TQRTCEventHandlerInterface *h) { h->onRemoteVideoFallBackToAudioOnly(long(uid), fallback); });
    }

private:
    template <class Report>
    void report(Report r) const
    {
        if (m_pEventDelegate)
            m_pEventDelegate->forEachHandler(r);
    }

    TQRTCEventDelegate *m_pEventDelegate; // not owned
};
