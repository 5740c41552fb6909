#include "modules/live/popover/TQBlackRoomControlPanel.h"

TQBlackRoomControlPanel::TQBlackRoomControlPanel()
    : TQBasePopupWindowPanel(0, nullptr, 0, nullptr)
{
}
