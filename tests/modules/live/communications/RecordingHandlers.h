#pragma once

#include "modules/live/communications/TQAudioVolumeInfo.h"
#include "modules/live/communications/TQDataEventHandlerInterface.h"
#include "modules/live/communications/TQRTCEventHandlerInterface.h"

#include "UnsharedCopy.h"

#include <QStringList>
#include <QThread>

#include <mutex>

// Writes down every report it gets, as "name(arg,arg)", with the thread it
// came on. Reports may come on any thread.
class ReportLog
{
public:
    void add(const QString &report)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_reports.append(report);
        m_threads.append(QThread::currentThread());
    }
    QStringList reports() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return unsharedCopy(m_reports);
    }
    QList<QThread *> threads() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return unsharedCopy(m_threads);
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_reports.clear();
        m_threads.clear();
    }

private:
    mutable std::mutex m_mutex;
    QStringList m_reports;
    QList<QThread *> m_threads;
};

inline QString joinArgs(std::initializer_list<qint64> args)
{
    QStringList parts;
    for (qint64 a : args)
        parts.append(QString::number(a));
    return parts.join(QLatin1Char(','));
}

class RecordingRTCHandler : public TQRTCEventHandlerInterface, public ReportLog
{
public:
    void onFirstLocalVideoFrame(int w, int h, int e) override { rec("onFirstLocalVideoFrame", {w, h, e}); }
    void onUserJoinedRTC(long uid, int e) override { rec("onUserJoinedRTC", {uid, e}); }
    void onUserOffLineRTC(long uid, int r) override { rec("onUserOffLineRTC", {uid, r}); }
    void onStreamMessageRTC(long uid, QString body) override
    {
        add(QStringLiteral("onStreamMessageRTC(%1,%2)").arg(uid).arg(body));
    }
    void onJoinChannelSuccessRTC(long uid, int e) override { rec("onJoinChannelSuccessRTC", {uid, e}); }
    void onLeaveChannelRTC() override { rec("onLeaveChannelRTC", {}); }
    void onRemoteVideoStateChanged(long uid, int s, int r, int e) override { rec("onRemoteVideoStateChanged", {uid, s, r, e}); }
    void onRemoteAudioStateChanged(long uid, int s, int r, int e) override { rec("onRemoteAudioStateChanged", {uid, s, r, e}); }
    void onNetworkQuality(long uid, int tx, int rx) override { rec("onNetworkQuality", {uid, tx, rx}); }
    void onRemoteVideoStats(long uid, int a, int b, int c, int d, int e, int f, int g, int h, int i) override
    {
        rec("onRemoteVideoStats", {uid, a, b, c, d, e, f, g, h, i});
    }
    void onRemoteAudioStats(long uid, int a, int b, int c, int d, int e, int f, int g, int h, int i) override
    {
        rec("onRemoteAudioStats", {uid, a, b, c, d, e, f, g, h, i});
    }
    void onLocalVideoFallBackToAudioOnly(bool v) override { rec("onLocalVideoFallBackToAudioOnly", {v}); }
    void onRemoteVideoFallBackToAudioOnly(long uid, bool v) override { rec("onRemoteVideoFallBackToAudioOnly", {uid, v}); }
    void onUserAudioVolumeIndication(TQAudioVolumeInfo *info) override
    {
        rec("onUserAudioVolumeIndication", {info->totalVolume});
        delete info;
    }
    void onAudioMixingStateChanged(int s, int e) override { rec("onAudioMixingStateChanged", {s, e}); }
    void onLocalVideoStateChanged(bool v) override { rec("onLocalVideoStateChanged", {v}); }
    void onLocalAudioStateChanged(bool v) override { rec("onLocalAudioStateChanged", {v}); }
    void onClientRoleChanged(int o, int n) override { rec("onClientRoleChanged", {o, n}); }

private:
    void rec(const char *name, std::initializer_list<qint64> args)
    {
        add(QStringLiteral("%1(%2)").arg(QLatin1String(name), joinArgs(args)));
    }
};

class RecordingDataHandler : public TQDataEventHandlerInterface, public ReportLog
{
public:
    void onConnectRTMFailure() override { rec("onConnectRTMFailure", {}); }
    void onLoginRtmSuccess() override { rec("onLoginRtmSuccess", {}); }
    void onLogout() override { rec("onLogout", {}); }
    void onLoginRtmFailure() override { rec("onLoginRtmFailure", {}); }
    void onJoinDataChannelSuccess(bool main) override { rec("onJoinDataChannelSuccess", {main}); }
    void onJoinDataChannelFailure(bool main) override { rec("onJoinDataChannelFailure", {main}); }
    void onGetMainChannelMemberListFailure() override { rec("onGetMainChannelMemberListFailure", {}); }
    void onDataChannelTokenExpired() override { rec("onDataChannelTokenExpired", {}); }
    void onMessageArrived(QString body, QByteArray data, long uid, bool main) override
    {
        add(QStringLiteral("onMessageArrived(%1,%2,%3,%4)")
                .arg(body, data.isNull() ? QStringLiteral("null") : QString::fromLatin1(data.toHex()))
                .arg(uid)
                .arg(main ? 1 : 0));
    }
    void onMemberJoined(long uid, bool main) override { rec("onMemberJoined", {uid, main}); }
    void onMemberLeft(long uid, bool main) override { rec("onMemberLeft", {uid, main}); }
    void onStateChanged(int s, int r) override { rec("onStateChanged", {s, r}); }
    void onJoinChannelSuccess() override { rec("onJoinChannelSuccess", {}); }
    void onJoinChannelFailure() override { rec("onJoinChannelFailure", {}); }

private:
    void rec(const char *name, std::initializer_list<qint64> args)
    {
        add(QStringLiteral("%1(%2)").arg(QLatin1String(name), joinArgs(args)));
    }
};
