#include "modules/live/popover/TQStudentControlPanel.h"

TQStudentControlPanel::TQStudentControlPanel()
    : TQBasePopupWindowPanel(0, nullptr, 0, nullptr)
{
}
