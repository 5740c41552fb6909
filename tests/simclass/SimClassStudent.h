#pragma once

#include <QObject>
#include <QTextStream>
#include <QTimer>

#include <memory>

#include "SimStudent.h"

namespace agora {
namespace rtc {
class IRtcEngine;
} // namespace rtc
namespace media {
class IMediaEngine;
} // namespace media
} // namespace agora

class SimMediaListener;

// What a simulated student does in class; every behaviour on by default.
struct SimClassBehaviour
{
    bool answerPermission = true; // answers a device-permission request (156) with a report (157)
    bool raiseHand = true; // 110, a second after entering
    bool chat = true; // one chat message (129) in the class chat
    bool drawWhenAllowed = true; // a few strokes once given the pen (105)
    bool answerChoice = true; // a choice answer (116)
    bool media = true; // joins the media channel
    bool video = true; // pushes a moving test pattern there (needs media)
};

// One simulated student of the class program: a SimStudent in the course's
// message channels, and on the media channel an engine of its own. It acts
// on what reaches it (polled from the SimStudent, so that the SDK's threads
// only ever collect) and writes one line per thing it did or heard.
class SimClassStudent : public QObject
{
    Q_OBJECT

public:
    SimClassStudent(qint64 uid, qint64 courseScheduleId, const SimClassBehaviour &behaviour, QTextStream &out);
    ~SimClassStudent() override;

    // Logs in, joins the channels (and the media channel), announces itself
    // and asks for the board history; false when the message side failed.
    bool enter();

private:
    void poll();
    void handle(const SimStudent::Envelope &envelope);
    void drawStrokes();
    void pushFrame();
    void say(const QString &line);
    // The control record's elements when tqMsg is "[-1,<code>,...]", else empty.
    static QStringList controlOf(const SimStudent::Envelope &envelope, int code);

    const qint64 mUid;
    const qint64 mSchedule;
    const SimClassBehaviour mBehaviour;
    QTextStream &mOut;
    SimStudent mStudent;
    int mEnvelopesSeen = 0;
    int mEventsSeen = 0;
    int mStrokesDrawn = 0;
    QTimer mPoll;
    QTimer mVideo;
    int mFrameTick = 0;
    std::unique_ptr<SimMediaListener> mMediaListener;
    agora::rtc::IRtcEngine *mEngine = nullptr;
    agora::media::IMediaEngine *mMediaEngine = nullptr;
};
