#include "SimClassStudent.h"

#include "agora/IAgoraRtcEngine.h"

#include <vector>

// The media listener only writes down that the join went through.
class SimMediaListener : public agora::rtc::IRtcEngineEventHandler
{
public:
    std::atomic<bool> joined { false };
    void onJoinChannelSuccess(const char *, agora::rtc::uid_t, int) override { joined = true; }
};

namespace {
// Wire texts of what a student sends, as the student's client writes them.
const int kDrawingEnvelope = 0;
const int kStatusEnvelope = 1;
const int kControlEnvelope = 3;
const int kPublicMessageEnvelope = 5;
const char kChatBodyMark[] = "&#12&+-X?";
const int kStrokes = 3;
const int kPatternWidth = 160;
const int kPatternHeight = 120;
} // namespace

SimClassStudent::SimClassStudent(qint64 uid, qint64 courseScheduleId, const SimClassBehaviour &behaviour,
                                 QTextStream &out)
    : mUid(uid), mSchedule(courseScheduleId), mBehaviour(behaviour), mOut(out), mStudent(uid, courseScheduleId)
{
    connect(&mPoll, &QTimer::timeout, this, &SimClassStudent::poll);
    connect(&mVideo, &QTimer::timeout, this, &SimClassStudent::pushFrame);
}

SimClassStudent::~SimClassStudent()
{
    mVideo.stop();
    if (mEngine)
        mEngine->release(true);
}

void SimClassStudent::say(const QString &line)
{
    mOut << "student " << mUid << ' ' << line << Qt::endl;
}

bool SimClassStudent::enter()
{
    if (!mStudent.enter(10000)) {
        say(QStringLiteral("could not enter"));
        return false;
    }
    say(QStringLiteral("entered"));
    mPoll.start(50);
    mStudent.sendEnvelope(QStringLiteral("[0,127,0]"), kControlEnvelope);
    mStudent.sendEnvelope(QStringLiteral("[-1,107,0,0]"), kControlEnvelope);

    if (mBehaviour.raiseHand)
        QTimer::singleShot(1000, this, [this] {
            mStudent.sendEnvelope(QStringLiteral("[-1,110,%1]").arg(mUid), kControlEnvelope);
            say(QStringLiteral("raised hand"));
        });
    if (mBehaviour.chat)
        QTimer::singleShot(1500, this, [this] {
            const QString text = QStringLiteral("老师好，我是%1").arg(mUid);
            mStudent.sendEnvelope(QStringLiteral("0,%1,1,").arg(mUid) + QLatin1String(kChatBodyMark) + text,
                                  kPublicMessageEnvelope);
            say(QStringLiteral("chat ") + text);
        });
    if (mBehaviour.answerChoice)
        QTimer::singleShot(2000, this, [this] {
            const int letter = 'A' + int(mUid % 4);
            mStudent.sendEnvelope(QStringLiteral("[-1,116,%1]").arg(letter), kControlEnvelope);
            say(QStringLiteral("chose %1").arg(QChar(letter)));
        });

    if (mBehaviour.media) {
        mMediaListener = std::make_unique<SimMediaListener>();
        mEngine = createAgoraRtcEngine();
        agora::rtc::RtcEngineContext context;
        context.eventHandler = mMediaListener.get();
        context.appId = "sim-class";
        mEngine->initialize(context);
        void *media = nullptr;
        mEngine->queryInterface(agora::rtc::IID_MEDIA_ENGINE, &media);
        mMediaEngine = static_cast<agora::media::IMediaEngine *>(media);
        if (mBehaviour.video && mMediaEngine)
            mMediaEngine->setExternalVideoSource(true, false);
        const int rc = mEngine->joinChannel("", QByteArray::number(mSchedule).constData(), "", agora::rtc::uid_t(mUid));
        say(QStringLiteral("media join %1").arg(rc));
        if (rc == 0 && mBehaviour.video && mMediaEngine)
            mVideo.start(100);
    }
    return true;
}

QStringList SimClassStudent::controlOf(const SimStudent::Envelope &envelope, int code)
{
    QString text = envelope.tqMsg;
    if (!text.startsWith(QLatin1Char('[')) || !text.endsWith(QLatin1Char(']')))
        return QStringList();
    const QStringList elements = text.mid(1, text.size() - 2).split(QLatin1Char(','));
    if (elements.size() < 3 || elements.at(1) != QString::number(code))
        return QStringList();
    return elements;
}

void SimClassStudent::poll()
{
    const QStringList events = mStudent.events();
    for (; mEventsSeen < events.size(); ++mEventsSeen)
        say(events.at(mEventsSeen));
    const QList<SimStudent::Envelope> envelopes = mStudent.envelopes();
    for (; mEnvelopesSeen < envelopes.size(); ++mEnvelopesSeen)
        handle(envelopes.at(mEnvelopesSeen));
}

void SimClassStudent::handle(const SimStudent::Envelope &envelope)
{
    // History chunks can be long: only their head and end.
    if (envelope.tqMsg.startsWith(QLatin1String("[-1,108,"))) {
        say(QStringLiteral("history chunk%1").arg(envelope.tqMsg.endsWith(QLatin1String(",[end]")) ? " end" : ""));
        return;
    }
    say(QStringLiteral("received ") + envelope.tqMsg.left(200));
    const QString me = QString::number(mUid);
    const QStringList permission = controlOf(envelope, 156);
    if (mBehaviour.answerPermission && !permission.isEmpty() && (permission.at(2) == me || permission.at(2) == "-1")) {
        // Camera, photos and microphone allowed; a desktop client of a recent version.
        mStudent.sendEnvelope(QStringLiteral("[-1,157,1,1,1,0,2,300,310,50,0,0,0,0]"), kStatusEnvelope);
        say(QStringLiteral("answered permission"));
    }
    const QStringList pen = controlOf(envelope, 105);
    if (mBehaviour.drawWhenAllowed && !pen.isEmpty() && pen.at(2) == me)
        drawStrokes();
}

void SimClassStudent::drawStrokes()
{
    // Pen strokes: index 0, material 0, page 0, no offsets, a 3280 x 2080
    // canvas, width 3, pen type 1, no eraser, the sender, not straight, the
    // stroke id, red, no alpha, then the points in quarter units.
    for (int i = 0; i < kStrokes; ++i) {
        const int stroke = int(mUid % 1000) * 100 + mStrokesDrawn + 1;
        const int y = 400 + 300 * i + int(mUid % 7) * 40;
        QString text = QStringLiteral("[0,0,0,0,0,0,3280,2080,3,1,0,%1,0,%2,FF0000FF,0").arg(mUid).arg(stroke);
        for (int x = 0; x <= 6; ++x)
            text += QStringLiteral(",(%1,%2,0)").arg(400 + x * 150).arg(y + (x % 2) * 60);
        text += QLatin1Char(']');
        mStudent.sendEnvelope(text, kDrawingEnvelope);
        ++mStrokesDrawn;
    }
    say(QStringLiteral("drew %1 strokes").arg(kStrokes));
}

void SimClassStudent::pushFrame()
{
    // A grey ramp from luma 32 (the SDK's own pattern starts at 16) with a
    // bar that moves down, tinted per student.
    std::vector<unsigned char> pixels(kPatternWidth * kPatternHeight * 3 / 2);
    const int bar = (mFrameTick++ * 4) % kPatternHeight;
    for (int y = 0; y < kPatternHeight; ++y)
        for (int x = 0; x < kPatternWidth; ++x)
            pixels[size_t(y * kPatternWidth + x)] = (std::abs(y - bar) < 8) ? 235 : 32 + x;
    const size_t luma = size_t(kPatternWidth * kPatternHeight);
    std::fill(pixels.begin() + long(luma), pixels.begin() + long(luma * 5 / 4), (unsigned char)(40 + mUid * 37 % 180));
    std::fill(pixels.begin() + long(luma * 5 / 4), pixels.end(), (unsigned char)(200 - mUid * 53 % 160));
    agora::media::ExternalVideoFrame frame;
    frame.format = agora::media::ExternalVideoFrame::VIDEO_PIXEL_I420;
    frame.buffer = pixels.data();
    frame.stride = kPatternWidth;
    frame.height = kPatternHeight;
    frame.timestamp = mFrameTick * 100;
    mMediaEngine->pushVideoFrame(&frame);
}
