#include "modules/live/broadcast/TQBroadCastRandomSelectInterface.h"

#include "actions/control/TQControlRandomSelectExit.h"
#include "actions/control/TQControlRandomSelectIDsAndRolls.h"
#include "actions/control/TQControlRandomSelectPick.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/communications/TQRealTimeManager.h"

#include <string>

namespace {

void sendToEveryone(TQLiveBroadCastContext *context, TQAction *action)
{
    if (context && context->m_pRealTimeManager)
        context->m_pRealTimeManager->sendControlAction(action);
    else
        delete action;
}

} // namespace

TQBroadCastRandomSelectInterface::TQBroadCastRandomSelectInterface(TQBroadCastMethodService *methodService,
                                                                   TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

void TQBroadCastRandomSelectInterface::startRandomSelect(const std::vector<std::string> &userIds)
{
    auto *roll = new TQControlRandomSelectIDsAndRolls;
    roll->mCandidateIDs = userIds;
    sendToEveryone(liveContext(), roll);
}

void TQBroadCastRandomSelectInterface::stopRandomSelect(int userId)
{
    auto *pick = new TQControlRandomSelectPick;
    pick->mText = std::to_string(userId);
    sendToEveryone(liveContext(), pick);
}

void TQBroadCastRandomSelectInterface::closeRandomSelect()
{
    if (TQLiveBroadCastContext *context = liveContext())
        context->m_pRunningRandomSelect = nullptr;
    if (CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse)
        course->mRandomPickRunning = false;
    auto *exit = new TQControlRandomSelectExit;
    exit->mText = "0";
    sendToEveryone(liveContext(), exit);
}

void TQBroadCastRandomSelectInterface::upstage(int userId)
{
    // The students' pick closes before the stage changes.
    closeRandomSelect();
    (void)userId;
}
