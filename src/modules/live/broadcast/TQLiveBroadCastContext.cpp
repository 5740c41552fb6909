#include "modules/live/broadcast/TQLiveBroadCastContext.h"

#include "modules/live/communications/TQRealTimeEngineFactory.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/communications/binary/TQBinaryDownloadManager.h"
#include "modules/live/communications/binary/TQBinaryTransporterManager.h"
#include "modules/live/communications/binary/TQBroadCastBinaryTransporterInterface.h"
#include "modules/live/draws/TQStudentWritingManager.h"
#include "modules/live/popover/TQLivePopoverManager.h"
#include "modules/live/videoprocess/camera/TQCameraPlayer.h"

TQLiveBroadCastContext::TQLiveBroadCastContext()
{
    m_pDownloadManager = new TQBinaryDownloadManager(nullptr);
    m_pRealTimeManager = new TQRealTimeManager();
    m_pStudentWritingManager = new TQStudentWritingManager();
    m_pPopoverManager = new TQLivePopoverManager();
    m_pBinaryTransporter = new TQBinaryTransporterManager();
    m_pTransporterInterface = new TQBroadCastBinaryTransporterInterface(m_pRealTimeManager);
    m_pBinaryTransporter->setTransporterInterface(m_pTransporterInterface);

    mDrawSourceContext.downloadManager = m_pDownloadManager;
    mDrawSourceContext.realTimeManager = m_pRealTimeManager;
    mDrawSourceContext.transporter = m_pBinaryTransporter;
}

TQLiveBroadCastContext::~TQLiveBroadCastContext()
{
    delete m_pDownloadManager;
    delete m_pStudentWritingManager;
    delete m_pPopoverManager;
    // The camera player sends through the transporter; the transporter
    // still points at its adapter.
    delete m_pCameraPlayer;
    delete m_pBinaryTransporter;
    delete m_pTransporterInterface;
    if (m_pRealTimeManager) {
        m_pRealTimeManager->clearDelegate();
        m_pRealTimeManager->deleteLater();
    }
}
