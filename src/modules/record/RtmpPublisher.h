#pragma once

#include <string>

#include "modules/record/TQDataThread.h"

class RtmpPublisherInterface;
class TQCaptureVideoMainThread;

// Publishes the board and the microphone of a big class as one RTMP stream.
// One per process (instance), living until the process ends. The class window
// sets its board source, its owner and the stream address on the GUI thread
// while the publisher is stopped.
class RtmpPublisher : public TQDataThread
{
    Q_OBJECT

public:
    static RtmpPublisher &instance();

    void setCaptureSource(TQCaptureVideoMainThread *captureSource) { m_pCaptureSource = captureSource; }
    TQCaptureVideoMainThread *captureSource() const { return m_pCaptureSource; }
    void setInterface(RtmpPublisherInterface *owner) { m_pInterface = owner; }
    RtmpPublisherInterface *publisherInterface() const { return m_pInterface; }
    void setStreamAddress(const std::string &url) { mUrl = url; }
    const std::string &streamAddress() const { return mUrl; }
    // Why the last start failed.
    const std::string &errorText() const { return mErrorText; }

    // This build carries no stream encoder: the start fails, says why in the
    // error text and leaves nothing running.
    bool StartThread() override;

private:
    RtmpPublisher();

    std::string mUrl;
    std::string mErrorText;
    RtmpPublisherInterface *m_pInterface = nullptr;
    TQCaptureVideoMainThread *m_pCaptureSource = nullptr;
};
