#include "modules/live/communications/TQRTMDataHandler.h"

#include "modules/live/communications/TQRealTimeInterface.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/communications/agora/rtm/TQRTMCommon.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

namespace {

constexpr int kKickoutReason = 8;
constexpr int kRtmTypeAgora = 4;
constexpr int kRtmTypeTessel = 5;

} // namespace

TQRTMDataHandler::TQRTMDataHandler(TQRealTimeManager *manager) : m_manager(manager)
{
    // Automatic connections: a report emitted on an SDK thread is queued to
    // this object's (the GUI) thread.
    connect(this, &TQRTMDataHandler::onConnectRTMFailure_signal, this, &TQRTMDataHandler::onConnectRTMFailure_slot);
    connect(this, &TQRTMDataHandler::onLoginRtmSuccess_signal, this, &TQRTMDataHandler::onLoginRtmSuccess_slot);
    connect(this, &TQRTMDataHandler::onLogout_signal, this, &TQRTMDataHandler::onLogout_slot);
    connect(this, &TQRTMDataHandler::onLoginRtmFailure_signal, this, &TQRTMDataHandler::onLoginRtmFailure_slot);
    connect(this, &TQRTMDataHandler::onJoinDataChannelSuccess_signal, this,
            &TQRTMDataHandler::onJoinDataChannelSuccess_slot);
    connect(this, &TQRTMDataHandler::onJoinDataChannelFailure_signal, this,
            &TQRTMDataHandler::onJoinDataChannelFailure_slot);
    connect(this, &TQRTMDataHandler::onGetMainChannelMemberListFailure_signal, this,
            &TQRTMDataHandler::onGetMainChannelMemberListFailure_slot);
    connect(this, &TQRTMDataHandler::onDataChannelTokenExpired_signal, this,
            &TQRTMDataHandler::onDataChannelTokenExpired_slot);
    connect(this, &TQRTMDataHandler::onMessageArrived_signal, this, &TQRTMDataHandler::onMessageArrived_slot);
    connect(this, &TQRTMDataHandler::onMemberJoined_signal, this, &TQRTMDataHandler::onMemberJoined_slot);
    connect(this, &TQRTMDataHandler::onMemberLeft_signal, this, &TQRTMDataHandler::onMemberLeft_slot);
    connect(this, &TQRTMDataHandler::onStateChanged_signal, this, &TQRTMDataHandler::onStateChanged_slot);
    connect(this, &TQRTMDataHandler::onJoinChannelSuccess_signal, this, &TQRTMDataHandler::onJoinChannelSuccess_slot);
    connect(this, &TQRTMDataHandler::onJoinChannelFailure_signal, this, &TQRTMDataHandler::onJoinChannelFailure_slot);
}

TQRTMDataHandler::~TQRTMDataHandler()
{
    CLog::log(QStringLiteral("destructor"), QStringLiteral("TQRTMDataHandler::~TQRTMDataHandler "));
    m_manager = nullptr;
}

// SDK threads: hand over only.

void TQRTMDataHandler::onConnectRTMFailure() { emit onConnectRTMFailure_signal(); }
void TQRTMDataHandler::onLoginRtmSuccess() { emit onLoginRtmSuccess_signal(); }
void TQRTMDataHandler::onLogout() { emit onLogout_signal(); }
void TQRTMDataHandler::onLoginRtmFailure() { emit onLoginRtmFailure_signal(); }
void TQRTMDataHandler::onJoinDataChannelSuccess(bool inMain) { emit onJoinDataChannelSuccess_signal(inMain); }
void TQRTMDataHandler::onJoinDataChannelFailure(bool inMain) { emit onJoinDataChannelFailure_signal(inMain); }
void TQRTMDataHandler::onGetMainChannelMemberListFailure() { emit onGetMainChannelMemberListFailure_signal(); }
void TQRTMDataHandler::onDataChannelTokenExpired() { emit onDataChannelTokenExpired_signal(); }

void TQRTMDataHandler::onMessageArrived(QString messageBody, QByteArray messageData, long uid, bool inMain)
{
    emit onMessageArrived_signal(messageBody, messageData, uid, inMain);
}

void TQRTMDataHandler::onMemberJoined(long uid, bool inMain) { emit onMemberJoined_signal(uid, inMain); }
void TQRTMDataHandler::onMemberLeft(long uid, bool inMain) { emit onMemberLeft_signal(uid, inMain); }
void TQRTMDataHandler::onStateChanged(int state, int reason) { emit onStateChanged_signal(state, reason); }
void TQRTMDataHandler::onJoinChannelSuccess() { emit onJoinChannelSuccess_signal(); }
void TQRTMDataHandler::onJoinChannelFailure() { emit onJoinChannelFailure_signal(); }

// GUI thread.

void TQRTMDataHandler::onConnectRTMFailure_slot()
{
    CLog::print(QStringLiteral("[RTM] TQRTMDataHandler::onConnectRTMFailure"));
}

void TQRTMDataHandler::onLoginRtmSuccess_slot()
{
    if (!m_manager || !m_manager->getRtmEngine())
        return;
    m_manager->handleLoginStatus(true);
    m_manager->getRtmEngine()->onLoginSuccess();
}

void TQRTMDataHandler::onLoginRtmFailure_slot()
{
    if (!m_manager || !m_manager->getRtmEngine())
        return;
    m_manager->handleLoginStatus(false);
    m_manager->getRtmEngine()->onLoginFailure();
    if (TQRealTimeInterface *delegate = m_manager->getDelegate())
        delegate->dataNetworkConnectFailure();
}

void TQRTMDataHandler::onLogout_slot()
{
    CLog::print(QStringLiteral("[RTM] TQRTMDataHandler::onLogout_slot"));
    if (m_manager && m_manager->getDelegate())
        m_manager->getDelegate()->logoutData();
}

void TQRTMDataHandler::onJoinChannelSuccess_slot()
{
    if (m_manager && m_manager->getRtmEngine())
        m_manager->getRtmEngine()->onJoinChannelSuccess();
}

void TQRTMDataHandler::onJoinChannelFailure_slot()
{
    if (m_manager && m_manager->getRtmEngine())
        m_manager->getRtmEngine()->onJoinChannelFailure();
}

void TQRTMDataHandler::onJoinDataChannelSuccess_slot(bool inMainDataChannel)
{
    CLog::printf("[RTM] TQRTMDataHandler::onJoinDataChannelSuccess inMainDataChannel=%d", inMainDataChannel ? 1 : 0);
    if (inMainDataChannel && m_manager && m_manager->getDelegate())
        m_manager->getDelegate()->dataNetworkConnected();
}

void TQRTMDataHandler::onJoinDataChannelFailure_slot(bool inMainDataChannel)
{
    CLog::printf("[RTM] TQRTMDataHandler::onJoinDataChannelFailure inMainDataChannel=%d", inMainDataChannel ? 1 : 0);
    if (inMainDataChannel && m_manager && m_manager->getDelegate())
        m_manager->getDelegate()->dataNetworkConnectFailure();
}

void TQRTMDataHandler::onGetMainChannelMemberListFailure_slot()
{
    CLog::print(QStringLiteral("[RTM] TQRTMDataHandler::onGetMainChannelMemberListFailure"));
}

void TQRTMDataHandler::onDataChannelTokenExpired_slot()
{
    CLog::print(QStringLiteral("[RTM] TQRTMDataHandler::onDataChannelTokenExpired"));
}

void TQRTMDataHandler::onMemberJoined_slot(long uid, bool inMainDataChannel)
{
    CLog::printf("[RTM] TQRTMDataHandler::onMemberJoined uid=%ld, inMainDataChannel=%d", uid, inMainDataChannel ? 1 : 0);
    if (inMainDataChannel && m_manager && m_manager->getDelegate())
        m_manager->getDelegate()->userGetOnlineData(uid);
}

void TQRTMDataHandler::onMemberLeft_slot(long uid, bool inMainDataChannel)
{
    CLog::printf("[RTM] TQRTMDataHandler::onMemberLeft uid=%ld, inMainDataChannel=%d", uid, inMainDataChannel ? 1 : 0);
    if (inMainDataChannel && m_manager && m_manager->getDelegate())
        m_manager->getDelegate()->userGetOfflineData(uid);
}

void TQRTMDataHandler::onStateChanged_slot(int state, int reason)
{
    CLog::printf("[RTM] TQRTMDataHandler::onStateChanged state=%d reason=%d", state, reason);
    if (!m_manager)
        return;
    m_manager->setRtmState(state);
    const int rtmType = m_manager->getRtmType();
    TQRealTimeInterface *delegate = m_manager->getDelegate();
    if (delegate && (rtmType == kRtmTypeTessel || rtmType == kRtmTypeAgora)) {
        if (reason == kKickoutReason) {
            delegate->onDataChannelKickout();
        } else if (state == 1 || state == 5) {
            CLog::log(rtmType == kRtmTypeTessel ? QStringLiteral("tessel rtm connect error")
                                                : QStringLiteral("agora rtm connect error"),
                      QStringLiteral("TQRTMDataHandler::onStateChanged_slot "));
        }
    }
    if (state == 3)
        m_manager->emitDataNetworkChange(true);
    else if (state == 1 || state == 4 || state == 5)
        m_manager->emitDataNetworkChange(false);
}

void TQRTMDataHandler::onMessageArrived_slot(QString messageBody, QByteArray messageData, long uid,
                                             bool inMainDataChannel)
{
    Q_UNUSED(inMainDataChannel)
    if (!m_manager)
        return;
    // The channel echoes nothing to its sender, but a second client signed in
    // as the same teacher would: never act on the teacher's own envelopes.
    bool ownOk = false;
    const long ownUid = LoginManager::getUserID().toLong(&ownOk, 10);
    if (ownOk && uid == ownUid)
        return;
    m_manager->setLastDataReceiveMs(currentTimeMillis());
    m_manager->deliverFromStudent(messageBody.toStdString(), messageData.isNull() ? nullptr : &messageData, uid);
}
