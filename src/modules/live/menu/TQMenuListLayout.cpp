#include "modules/live/menu/TQMenuListLayout.h"

TQMenuListLayout::TQMenuListLayout(TQRightMenuInterface *rightMenuInterface)
    : m_pRightMenuInterface(rightMenuInterface)
{
}
