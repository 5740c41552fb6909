#include "modules/live/popover/TQTeacherControlPanel.h"

TQTeacherControlPanel::TQTeacherControlPanel()
    : TQBasePopupWindowPanel(0, nullptr, 0, nullptr)
{
}
