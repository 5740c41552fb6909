#include "modules/live/broadcast/TQBroadCastMethodService.h"

#include <QBasicTimer>

TQBroadCastMethodService::TQBroadCastMethodService(TQLiveBroadCastActivity *activity, TQLiveBroadCastContext *context)
    : mActivity(activity)
    , mContext(context)
    , mTimer(new QBasicTimer)
{
}

TQBroadCastMethodService::~TQBroadCastMethodService()
{
    mTimer->stop();
    delete mTimer;
}

TQDrawManager *TQBroadCastMethodService::getDrawManager() const { return nullptr; }
void TQBroadCastMethodService::startTeachingOrLearning() {}
void TQBroadCastMethodService::requestPermissionInfo(bool) {}
void TQBroadCastMethodService::studentOffStage(int) {}
void TQBroadCastMethodService::studentFullscreen(int) {}
void TQBroadCastMethodService::exitStudentFullscreen(int) {}
void TQBroadCastMethodService::allStudentFullscreen() {}
void TQBroadCastMethodService::exitAllStudentFullscreen() {}
void TQBroadCastMethodService::teacherOffStage() {}
void TQBroadCastMethodService::allOffStage() {}
void TQBroadCastMethodService::assignWritingRight(int) {}
void TQBroadCastMethodService::assignStudentWriting(int) {}
void TQBroadCastMethodService::revokeStudentWriting(int, int) {}
void TQBroadCastMethodService::revokeAllStudentWriting() {}
bool TQBroadCastMethodService::suspendAllStudentWriting(int) { return false; }
void TQBroadCastMethodService::restoreStudentWriting() {}
void TQBroadCastMethodService::commonStudentIconClicked(long) {}
void TQBroadCastMethodService::showTeacherPopover(int, int) {}
void TQBroadCastMethodService::refreshListenArea() {}
void TQBroadCastMethodService::refreshBlackRoomPanel() {}
void TQBroadCastMethodService::refreshBystanderPanel() {}
void TQBroadCastMethodService::timerEvent(QTimerEvent *) {}
