#include "modules/live/menu/TQBrushSetting.h"

#include "modules/live/draws/TQDrawManager.h"

TQBrushSetting::TQBrushSetting() = default;

void TQBrushSetting::setDrawManager(TQDrawManager *drawManager)
{
    m_pDrawManager = drawManager;
}

TQDrawManager *TQBrushSetting::drawManager() const
{
    return static_cast<TQDrawManager *>(m_pDrawManager.data());
}
