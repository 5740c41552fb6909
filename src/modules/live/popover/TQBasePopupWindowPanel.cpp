#include "modules/live/popover/TQBasePopupWindowPanel.h"

#include "modules/live/popover/TQPopoverRequestData.h"

TQBasePopupWindowPanel::TQBasePopupWindowPanel(int popoverType, TQPopoverRequestData *requestData, int userId,
                                               TQPopoverInterface *popoverInterface)
    : mPopoverType(popoverType)
    , mUserId(userId)
    , m_pRequestData(requestData)
    , m_pPopoverInterface(popoverInterface)
{
}

TQBasePopupWindowPanel::~TQBasePopupWindowPanel()
{
    emit popupWindowDismiss_signal();
    delete m_pRequestData;
}
