#include "modules/live/popover/TQLiveBystanderControlPanel.h"

TQLiveBystanderControlPanel::TQLiveBystanderControlPanel()
    : TQBasePopupWindowPanel(0, nullptr, 0, nullptr)
{
}
