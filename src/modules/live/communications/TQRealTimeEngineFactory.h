#pragma once

class TQRTCCommon;
class TQRTMCommon;

// Makes the media engine and the message channel the real-time manager
// chose. The manager owns what it returns; null means this build has no
// engine of that kind, which the manager reports as a failed join.
class TQRealTimeEngineFactory
{
public:
    enum Kind { Local, Agora, Tessel };

    TQRealTimeEngineFactory() = default;
    virtual ~TQRealTimeEngineFactory();
    TQRealTimeEngineFactory(const TQRealTimeEngineFactory &) = delete;
    TQRealTimeEngineFactory &operator=(const TQRealTimeEngineFactory &) = delete;

    virtual TQRTCCommon *createRTC(Kind kind);
    virtual TQRTMCommon *createRTM(Kind kind);
};
