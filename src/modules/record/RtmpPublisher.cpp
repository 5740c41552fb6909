#include "modules/record/RtmpPublisher.h"

#include "utils/CLog.h"

RtmpPublisher &RtmpPublisher::instance()
{
    static RtmpPublisher publisher;
    return publisher;
}

RtmpPublisher::RtmpPublisher() = default;

bool RtmpPublisher::StartThread()
{
    mErrorText = "no stream encoder";
    CLog::log(QStringLiteral("start refused: %1").arg(QString::fromStdString(mErrorText)),
              QStringLiteral("RtmpPublisher::StartThread "));
    return false;
}

