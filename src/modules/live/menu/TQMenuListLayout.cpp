#include "modules/live/menu/TQMenuListLayout.h"

#include "modules/live/menu/TQRightMenuInterface.h"

TQMenuListLayout::TQMenuListLayout(TQRightMenuInterface *rightMenuInterface)
    : m_pRightMenuInterface(rightMenuInterface)
{
}

void TQMenuListLayout::exitClassRoomIconClicked()
{
    if (m_pRightMenuInterface)
        m_pRightMenuInterface->exitClassRoomIconClicked();
}

void TQMenuListLayout::classroomToolIconClicked(QQuickItem *pView)
{
    if (m_pRightMenuInterface)
        m_pRightMenuInterface->classroomToolIconClicked(pView);
}

void TQMenuListLayout::teachingToolsIconClicked()
{
    if (m_pRightMenuInterface)
        m_pRightMenuInterface->teachingToolsIconClicked();
}

void TQMenuListLayout::writingToolsIconClicked()
{
    if (m_pRightMenuInterface)
        m_pRightMenuInterface->writingToolsIconClicked();
}

void TQMenuListLayout::messageIconClicked(QQuickItem *pView)
{
    if (m_pRightMenuInterface)
        m_pRightMenuInterface->messageIconClicked(pView);
}

void TQMenuListLayout::classroomSettingIconClicked(QQuickItem *pView)
{
    if (m_pRightMenuInterface)
        m_pRightMenuInterface->classroomSettingIconClicked(pView);
}
