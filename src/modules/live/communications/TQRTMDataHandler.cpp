#include "modules/live/communications/TQRTMDataHandler.h"

#include "utils/CLog.h"

TQRTMDataHandler::TQRTMDataHandler(TQRealTimeManager *manager) : m_manager(manager) {}

TQRTMDataHandler::~TQRTMDataHandler()
{
    CLog::log(QStringLiteral("destructor"), QStringLiteral("TQRTMDataHandler::~TQRTMDataHandler "));
    m_manager = nullptr;
}
