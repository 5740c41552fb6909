#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/menu/TQRightMenuInterface.h"

// The class's answer to the right menu: only the classroom tools do anything.
class TQBroadCastRightMenuInterface : public TQRightMenuInterface, public TQLiveClassAccess
{
public:
    TQBroadCastRightMenuInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

    void exitClassRoomIconClicked() override;
    void classroomToolIconClicked(QQuickItem *pView) override;
    void teachingToolsIconClicked() override;
    void writingToolsIconClicked() override;
    void messageIconClicked(QQuickItem *pView) override;
    void classroomSettingIconClicked(QQuickItem *pView) override;
};
