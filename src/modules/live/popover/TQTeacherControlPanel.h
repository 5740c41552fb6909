#pragma once

#include "modules/live/popover/TQBasePopupWindowPanel.h"

// The teacher's own popover ("teacherControl"). Filled when shown; the popover
// manager owns it.
class TQTeacherControlPanel : public TQBasePopupWindowPanel
{
    Q_OBJECT

public:
    TQTeacherControlPanel();
};
