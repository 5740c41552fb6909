#pragma once

#include "modules/live/popover/TQBasePopupWindowPanel.h"

// The student popover of the page ("studentControl"). Filled when shown; the popover
// manager owns it.
class TQStudentControlPanel : public TQBasePopupWindowPanel
{
    Q_OBJECT

public:
    TQStudentControlPanel();
};
