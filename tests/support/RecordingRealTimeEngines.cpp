#include "RecordingRealTimeEngines.h"

#include "actions/TQActionsFromNet.h"
#include "modules/live/communications/TQRTCEventDelegate.h"
#include "modules/live/communications/TQRTMEventDelegate.h"
#include "modules/live/videoprocess/ExternalVideoFrame.h"
#include "utils/TimeUtils.h"

RecordingRTC::~RecordingRTC()
{
    m_journal->events << QStringLiteral("rtc deleted");
}

int RecordingRTC::loadRTC(TQRTCLoadConfig config)
{
    m_delegate = config.eventDelegate;
    m_journal->events << QStringLiteral("rtc load");
    if (m_journal->loadResults.empty())
        return 0;
    const int result = m_journal->loadResults.front();
    m_journal->loadResults.erase(m_journal->loadResults.begin());
    return result;
}

void RecordingRTC::leaveRTC()
{
    m_journal->events << QStringLiteral("rtc leave");
    m_journal->rtcHandlersAtLeave.push_back(m_delegate ? m_delegate->size() : -1);
}

int RecordingRTC::pushExternalVideoFrame(ExternalVideoFrame *frame)
{
    delete frame;
    return 0;
}

void RecordingRTC::sendRTCMessage(std::string messageBody)
{
    ++m_journal->mediaCount;
    if (!m_journal->countOnly)
        m_journal->media.push_back({currentTimeMillis(), std::move(messageBody)});
}

RecordingRTM::~RecordingRTM()
{
    m_journal->events << QStringLiteral("rtm deleted");
}

void RecordingRTM::initDataChannels(TQRTMLoadConfig config)
{
    m_delegate = config.eventDelegate;
    m_journal->events << QStringLiteral("rtm init");
}

void RecordingRTM::leaveDataChannels()
{
    m_journal->events << QStringLiteral("rtm leave");
    m_journal->rtmHandlersAtLeave.push_back(m_delegate ? m_delegate->size() : -1);
}

void RecordingRTM::sendDataMessage(std::string messageBody, char *rawData, int rawLength, bool thruMainChannel,
                                   long targetUserID)
{
    ++m_journal->channelCount;
    m_journal->channelBytes += (long long)messageBody.size();
    if (!m_journal->countOnly) {
        QByteArray raw = rawData ? QByteArray(rawData, rawLength) : QByteArray();
        m_journal->channel.push_back({currentTimeMillis(), std::move(messageBody), raw, thruMainChannel, targetUserID});
    }
    delete[] rawData;
}

void RecordingRTM::sendDataMessage(std::string messageBody, bool thruMainChannel, long targetUserID)
{
    sendDataMessage(std::move(messageBody), nullptr, 0, thruMainChannel, targetUserID);
}

TQRTCCommon *RecordingEngineFactory::createRTC(Kind kind)
{
    m_journal->rtcKinds.push_back(kind);
    return new RecordingRTC(m_journal);
}

TQRTMCommon *RecordingEngineFactory::createRTM(Kind kind)
{
    m_journal->rtmKinds.push_back(kind);
    return new RecordingRTM(m_journal);
}

void CountingRealTimeDelegate::actionMessageFromStudent(TQActionsFromNet *actions)
{
    delete actions;
}

void CountingRealTimeDelegate::durationActionsFromStudent(TQActionsFromNet *actions)
{
    delete actions;
}
