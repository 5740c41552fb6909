#pragma once

#include "modules/live/popover/TQBasePopupWindowPanel.h"

// The bystander popover ("bystanderControlPanel"). Filled when shown; the popover
// manager owns it.
class TQLiveBystanderControlPanel : public TQBasePopupWindowPanel
{
    Q_OBJECT

public:
    TQLiveBystanderControlPanel();
};
