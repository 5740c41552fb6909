#pragma once

#include "modules/live/popover/TQBasePopupWindowPanel.h"

// The black-room popover ("blackRoomPanel"). Filled when shown; the popover
// manager owns it.
class TQBlackRoomControlPanel : public TQBasePopupWindowPanel
{
    Q_OBJECT

public:
    TQBlackRoomControlPanel();
};
