#pragma once

#include "actions/TQActionsFromNet.h"
#include "modules/live/communications/TQAudioVolumeInfo.h"
#include "modules/live/communications/TQRealTimeInterface.h"

#include <QCoreApplication>
#include <QStringList>
#include <QThread>

#include <functional>

// A class window stand-in for the real-time layer: notes every call as text
// ("dataNetworkConnected", "online 42", "kickout", "actions from 42 type 3:
// 2", "volume 30", ...) and whether all came on the GUI thread. Records
// handed over are shown to `inspect` and then deleted, as the window does.
class RecordingWindow : public TQRealTimeInterface
{
public:
    QStringList calls;
    bool allOnGuiThread = true;
    std::function<void(TQActionsFromNet &)> inspect;

    int count(const QString &call) const { return int(calls.count(call)); }

    void mediaNetworkConnected() override { note("mediaNetworkConnected"); }
    void mediaNetworkConnectFailure() override { note("mediaNetworkConnectFailure"); }
    void dataNetworkConnected() override { note("dataNetworkConnected"); }
    void dataNetworkConnectFailure() override { note("dataNetworkConnectFailure"); }
    void logoutData() override { note("logoutData"); }
    void logoutRtc() override { note("logoutRtc"); }
    void userGetOnlineRTC(long uid) override { note(QStringLiteral("rtc online %1").arg(uid)); }
    void userGetOfflineRTC(long uid) override { note(QStringLiteral("rtc offline %1").arg(uid)); }
    void userGetOnlineData(long uid) override { note(QStringLiteral("online %1").arg(uid)); }
    void userGetOfflineData(long uid) override { note(QStringLiteral("offline %1").arg(uid)); }
    void onRemoteAudioStateChanged(long uid, int, int) override { note(QStringLiteral("audio state %1").arg(uid)); }
    void onRemoteVideoStateChanged(long uid, int, int) override { note(QStringLiteral("video state %1").arg(uid)); }
    void actionMessageFromStudent(TQActionsFromNet *actions) override { received("actions", actions); }
    void durationActionsFromStudent(TQActionsFromNet *actions) override { received("durations", actions); }
    void onNetworkQuality(long, int, int) override {}
    void onRemoteVideoStats(long, int, int, int, int, int, int, int, int, int) override {}
    void onRemoteAudioStats(long, int, int, int, int, int, int, int, int, int) override {}
    void onDataChannelKickout() override { note("kickout"); }
    void onLocalVideoFallBackToAudioOnly(bool) override {}
    void onUserAudioVolumeIndication(TQAudioVolumeInfo *info) override
    {
        note(QStringLiteral("volume %1").arg(info->totalVolume));
    }
    void onAudioMixingStateChanged(int, int) override {}
    void onLocalVideoStateChanged(bool) override {}
    void onLocalAudioStateChanged(bool) override {}
    void onClientRoleChanged(int, int) override {}

private:
    void note(const QString &call)
    {
        allOnGuiThread = allOnGuiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        calls.append(call);
    }

    void received(const char *kind, TQActionsFromNet *actions)
    {
        note(QStringLiteral("%1 from %2 type %3: %4")
                 .arg(QLatin1String(kind))
                 .arg(actions->from)
                 .arg(actions->type)
                 .arg(actions->mActionArray.size()));
        if (inspect)
            inspect(*actions);
        delete actions;
    }
};
