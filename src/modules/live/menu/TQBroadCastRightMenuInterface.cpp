#include "modules/live/menu/TQBroadCastRightMenuInterface.h"

#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "utils/CLog.h"

TQBroadCastRightMenuInterface::TQBroadCastRightMenuInterface(TQBroadCastMethodService *methodService,
                                                             TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

void TQBroadCastRightMenuInterface::exitClassRoomIconClicked()
{
}

void TQBroadCastRightMenuInterface::classroomToolIconClicked(QQuickItem *pView)
{
    Q_UNUSED(pView);
    CLog::print(QStringLiteral("menu class room tool clicked"));
    if (!liveContext() || !liveContext()->m_pPopoverManager) {
        CLog::error(QStringLiteral("you need init TQLivePopoverManager"),
                    QStringLiteral("TQBroadCastRightMenuInterface::classroomToolIconClicked"));
        return;
    }
    // The classroom-tools popover has no content in this client: the popover
    // manager shows nothing for it, so there is nothing to open.
}

void TQBroadCastRightMenuInterface::teachingToolsIconClicked()
{
}

void TQBroadCastRightMenuInterface::writingToolsIconClicked()
{
}

void TQBroadCastRightMenuInterface::messageIconClicked(QQuickItem *pView)
{
    Q_UNUSED(pView);
}

void TQBroadCastRightMenuInterface::classroomSettingIconClicked(QQuickItem *pView)
{
    Q_UNUSED(pView);
}
