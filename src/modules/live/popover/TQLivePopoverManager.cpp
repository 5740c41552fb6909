#include "modules/live/popover/TQLivePopoverManager.h"

#include "modules/live/popover/TQBlackRoomControlPanel.h"
#include "modules/live/popover/TQLiveBystanderControlPanel.h"
#include "modules/live/popover/TQStudentControlPanel.h"
#include "modules/live/popover/TQTeacherControlPanel.h"

TQLivePopoverManager::TQLivePopoverManager()
    : m_pTeacherPanel(new TQTeacherControlPanel)
    , m_pStudentPanel(new TQStudentControlPanel)
    , m_pBlackRoomPanel(new TQBlackRoomControlPanel)
    , m_pBystanderPanel(new TQLiveBystanderControlPanel)
{
}

TQLivePopoverManager::~TQLivePopoverManager()
{
    delete m_pTeacherPanel;
    delete m_pStudentPanel;
    delete m_pBlackRoomPanel;
    delete m_pBystanderPanel;
}

void TQLivePopoverManager::setPopoverInterface(TQPopoverInterface *popoverInterface,
                                               TQBroadCastMethodService *methodService,
                                               TQLiveBroadCastContext *context)
{
    m_pPopoverInterface = popoverInterface;
    m_pMethodService = methodService;
    m_pContext = context;
}
