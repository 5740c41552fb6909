// The class start: from the course detail to a teaching class, with the
// real-time connection, the forced start and the live-stream set-up.
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"

#include <QBasicTimer>

void TQLiveBroadCastActivity::resetCourseAndConnect() {}
void TQLiveBroadCastActivity::connectToRealTimeNetworks() {}
void TQLiveBroadCastActivity::beforeTeaching() {}
void TQLiveBroadCastActivity::startTeachingOrLearning() {}
void TQLiveBroadCastActivity::clearAllAndOpenDefaultMaterial() {}
void TQLiveBroadCastActivity::showBalanceWarning(double, double) {}
void TQLiveBroadCastActivity::onCourseLiveStreamInfoGet(TQLiveStreamInfo) {}
void TQLiveBroadCastActivity::handleRtcType() {}
void TQLiveBroadCastActivity::checkForceStartTeaching() {}
void TQLiveBroadCastActivity::setupLiveCourse(TQLiveStreamInfo) {}
void TQLiveBroadCastActivity::handleDataConnectFailure() {}
void TQLiveBroadCastActivity::scheduleAutoRecordCheck() {}
void TQLiveBroadCastActivity::reportOnlineToServer() {}
bool TQLiveBroadCastActivity::confirmPayForCommunication() { return false; }
void TQLiveBroadCastActivity::showSpeakingModeNotice() {}
void TQLiveBroadCastActivity::emitCourseType() {}
void TQLiveBroadCastActivity::updateSecondsToStart() {}
void TQLiveBroadCastActivity::timedPostDelayCheck() {}
void TQLiveBroadCastActivity::lbca_checkAutoRecord() {}

bool TQLiveBroadCastActivity::isPostDelayTimerActive() const
{
    return m_pPostDelayTimer && m_pPostDelayTimer->isActive();
}

bool TQLiveBroadCastActivity::admitCourse(const QJsonObject &) { return true; }
QString TQLiveBroadCastActivity::balanceText(double, int, int) { return QString(); }
void TQLiveBroadCastActivity::startPostDelayTimer(int) {}
void TQLiveBroadCastActivity::loadMediaEngine() {}
