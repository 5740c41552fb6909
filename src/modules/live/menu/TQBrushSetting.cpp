#include "modules/live/menu/TQBrushSetting.h"

#include "modules/live/draws/TQDrawManager.h"

TQBrushSetting::TQBrushSetting() = default;

int TQBrushSetting::toPenType(int index)
{
    switch (index) {
    case 0:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 100:
    case 101:
        return index;
    default:
        return 1;
    }
}

void TQBrushSetting::setDrawManager(TQDrawManager *drawManager)
{
    m_pDrawManager = drawManager;
}

TQDrawManager *TQBrushSetting::drawManager() const
{
    return static_cast<TQDrawManager *>(m_pDrawManager.data());
}
