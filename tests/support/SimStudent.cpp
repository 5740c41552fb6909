#include "SimStudent.h"
#include "UnsharedCopy.h"

#include "agora/IAgoraRtmService.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

// The id's text before the first "_rtm", read as a decimal number.
qint64 uidOf(const char *id)
{
    const QString text = QString::fromUtf8(id);
    const int cut = text.indexOf(QLatin1String("_rtm"));
    return (cut < 0 ? text : text.left(cut)).toLongLong();
}

// A JSON value read as an integer: a number as it is, a string of decimal
// digits, a bool as 1 or 0, anything else 0.
qint64 integerOf(const QJsonValue &value)
{
    if (value.isDouble())
        return qint64(value.toDouble());
    if (value.isBool())
        return value.toBool() ? 1 : 0;
    return value.toString().toLongLong();
}


QByteArray jsonString(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (uchar(c) < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    return out + "\"";
}

} // namespace

// The two SDK listeners of one student; they hand everything to it.
class SimStudentListeners : public agora::rtm::IRtmServiceEventHandler
{
public:
    explicit SimStudentListeners(SimStudent &student)
        : mStudent(student), main(student, student.mainChannel()), alt(student, student.altChannel())
    {
    }

    void onLoginSuccess() override { mStudent.addEvent(QStringLiteral("login ok")); }
    void onLoginFailure(int code) override { mStudent.addEvent(QStringLiteral("login failed %1").arg(code)); }
    void onLogout(int) override { mStudent.addEvent(QStringLiteral("logout")); }
    void onConnectionStateChanged(int state, int reason) override
    {
        mStudent.addEvent(QStringLiteral("state %1 %2").arg(state).arg(reason));
    }
    void onMessageReceivedFromPeer(const char *peerId, const agora::rtm::IMessage *message) override
    {
        ChannelListener::deliver(mStudent, peerId, message, true, QString());
    }

    class ChannelListener : public agora::rtm::IChannelEventHandler
    {
    public:
        // One listener per channel, so that every report names its channel.
        ChannelListener(SimStudent &student, QString channel) : mStudent(student), mChannel(std::move(channel)) {}
        void onJoinSuccess() override { mStudent.addEvent(QStringLiteral("joined ") + mChannel); }
        void onJoinFailure(int code) override
        {
            mStudent.addEvent(QStringLiteral("join failed %1 %2").arg(mChannel).arg(code));
        }
        void onMessageReceived(const char *userId, const agora::rtm::IMessage *message) override
        {
            deliver(mStudent, userId, message, false, mChannel);
        }
        void onMemberJoined(agora::rtm::IChannelMember *member) override { report("member joined", member); }
        void onMemberLeft(agora::rtm::IChannelMember *member) override { report("member left", member); }

        static void deliver(SimStudent &student, const char *from, const agora::rtm::IMessage *message, bool peer,
                            const QString &channel)
        {
            QByteArray raw;
            if (message->getMessageType() == agora::rtm::MESSAGE_TYPE_RAW && message->getRawMessageData())
                raw = QByteArray(message->getRawMessageData(), message->getRawMessageLength());
            student.receive(from, QByteArray(message->getText()), raw, peer, channel);
        }

    private:
        void report(const char *what, agora::rtm::IChannelMember *member)
        {
            mStudent.addEvent(QStringLiteral("%1 %2 in %3")
                                  .arg(QLatin1String(what), QString::fromUtf8(member->getUserId()),
                                       QString::fromUtf8(member->getChannelId())));
        }
        SimStudent &mStudent;
        const QString mChannel;
    };

private:
    SimStudent &mStudent;

public:
    ChannelListener main;
    ChannelListener alt;
};

SimStudent::SimStudent(qint64 uid, qint64 courseScheduleId)
    : mUid(uid), mCourseScheduleId(courseScheduleId), mListeners(new SimStudentListeners(*this))
{
    mService = agora::rtm::createRtmService();
    if (mService)
        mService->initialize("sim-student", mListeners.get());
}

SimStudent::~SimStudent()
{
    if (mMain)
        mMain->release();
    if (mAlt)
        mAlt->release();
    // Synchronous: no listener call runs or starts once it has returned.
    if (mService)
        mService->release(true);
}

QString SimStudent::loginId() const
{
    return QStringLiteral("%1_rtm").arg(mUid);
}

QString SimStudent::mainChannel() const
{
    return QStringLiteral("%1_rtm").arg(mCourseScheduleId);
}

QString SimStudent::altChannel() const
{
    return QStringLiteral("%1_alt").arg(mCourseScheduleId);
}

bool SimStudent::enter(int timeoutMs)
{
    if (!mService || mService->login("sim-token", loginId().toUtf8().constData()) != 0)
        return false;
    auto has = [this](const QString &event) { return [this, event] { return events().contains(event); }; };
    if (!waitUntil(has(QStringLiteral("login ok")), timeoutMs))
        return false;
    if (!mMain)
        mMain = mService->createChannel(mainChannel().toUtf8().constData(), &mListeners->main);
    if (!mAlt)
        mAlt = mService->createChannel(altChannel().toUtf8().constData(), &mListeners->alt);
    if (mMain->join() != 0 || !waitUntil(has(QStringLiteral("joined ") + mainChannel()), timeoutMs))
        return false;
    return mAlt->join() == 0 && waitUntil(has(QStringLiteral("joined ") + altChannel()), timeoutMs);
}

void SimStudent::leave()
{
    if (mMain)
        mMain->leave();
    if (mAlt)
        mAlt->leave();
    if (mService)
        mService->logout();
}

QByteArray SimStudent::envelopeText(const QString &tqMsg, int tqType, qint64 tqRec, qint64 tqTm)
{
    return "{\"tqMsg\":" + jsonString(tqMsg) + ",\"tqRec\":\"" + QByteArray::number(tqRec) + "\",\"tqTm\":\""
           + QByteArray::number(tqTm) + "\",\"tqType\":\"" + QByteArray::number(tqType) + "\"}";
}

qint64 SimStudent::nextTime()
{
    std::lock_guard<std::mutex> lock(mMutex);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 tm = mSentTimes.isEmpty() ? now : qMax(now, mSentTimes.last() + 1);
    mSentTimes << tm;
    return tm;
}

int SimStudent::sendEnvelope(const QString &tqMsg, int tqType, bool mainChannel)
{
    return send(envelopeText(tqMsg, tqType, -1, nextTime()), QString(), mainChannel);
}

int SimStudent::sendEnvelopeToPeer(qint64 uid, const QString &tqMsg, int tqType)
{
    return send(envelopeText(tqMsg, tqType, uid, nextTime()), QStringLiteral("%1_rtm").arg(uid), true);
}

int SimStudent::sendText(const QByteArray &text, bool mainChannel)
{
    return send(text, QString(), mainChannel);
}

QByteArray SimStudent::partitionText(const QString &url, const QByteArray &body, const QString &tag, int index,
                                     int total, int useageType)
{
    return "{\"serverURL\":" + jsonString(url) + ",\"partitionBody\":\"" + body + "\",\"partitionMD\":"
           + jsonString(tag) + ",\"partitionIndex\":\"" + QByteArray::number(index) + "\",\"partitionTotal\":\""
           + QByteArray::number(total) + "\",\"partitionFormat\":\"1\",\"receiptID\":\"-1\",\"useageType\":\""
           + QByteArray::number(useageType) + "\"}";
}

int SimStudent::sendImage(const QString &url, const QByteArray &bytes, int useageType, bool raw, int sliceBytes)
{
    const int total = (bytes.size() + sliceBytes - 1) / sliceBytes;
    const QByteArray last = bytes.mid((total - 1) * sliceBytes);
    const QString tag =
        QString::fromLatin1(QCryptographicHash::hash(last, QCryptographicHash::Md5).toHex()).right(4);
    int refused = 0;
    for (int index = 0; index < total; ++index) {
        const QByteArray slice = bytes.mid(index * sliceBytes, sliceBytes);
        const QByteArray record =
            partitionText(url, raw ? QByteArray() : slice.toBase64(), tag, index, total, useageType);
        const QByteArray text = envelopeText(QString::fromUtf8(record), 6, -1, nextTime());
        if (send(text, QString(), true, raw ? slice : QByteArray()) != 0)
            ++refused;
    }
    return refused;
}

int SimStudent::send(const QByteArray &text, const QString &peerId, bool mainChannel, const QByteArray &raw)
{
    if (!mService)
        return -1;
    agora::rtm::IMessage *message =
        raw.isEmpty() ? mService->createMessage() : mService->createRawMessage(raw.constData(), raw.size());
    message->setText(text.constData());
    int rc;
    if (!peerId.isEmpty())
        rc = mService->sendMessageToPeer(peerId.toUtf8().constData(), message, agora::rtm::SendMessageOptions());
    else {
        agora::rtm::IChannel *channel = mainChannel ? mMain : mAlt;
        rc = channel ? channel->sendMessage(message) : -1;
    }
    message->release();
    return rc;
}

void SimStudent::addEvent(const QString &event)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mEvents << event;
}

void SimStudent::receive(const char *senderId, const QByteArray &text, const QByteArray &raw, bool peer,
                         const QString &channel)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        std::lock_guard<std::mutex> lock(mMutex);
        mRefused << QString::fromUtf8(text);
        return;
    }
    const QJsonObject object = document.object();
    Envelope envelope;
    envelope.tqMsg = object.value(QLatin1String("tqMsg")).toString();
    envelope.tqType = int(integerOf(object.value(QLatin1String("tqType"))));
    envelope.tqRec = integerOf(object.value(QLatin1String("tqRec")));
    envelope.tqTm = integerOf(object.value(QLatin1String("tqTm")));
    envelope.fromUid = uidOf(senderId);
    envelope.peer = peer;
    envelope.channel = channel;
    envelope.raw = raw;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mEnvelopes << envelope;
    }
    if (envelope.tqType == 6)
        collectPartition(envelope);
}

void SimStudent::collectPartition(const Envelope &envelope)
{
    const QJsonObject partition = QJsonDocument::fromJson(envelope.tqMsg.toUtf8()).object();
    const QString url = partition.value(QLatin1String("serverURL")).toString();
    const int index = int(integerOf(partition.value(QLatin1String("partitionIndex"))));
    const int total = int(integerOf(partition.value(QLatin1String("partitionTotal"))));
    const QByteArray bytes = !envelope.raw.isEmpty()
        ? envelope.raw
        : QByteArray::fromBase64(partition.value(QLatin1String("partitionBody")).toString().toLatin1());

    std::lock_guard<std::mutex> lock(mMutex);
    if (total < 1 || index < 0 || index >= total || bytes.isEmpty()) {
        mRefused << envelope.tqMsg;
        return;
    }
    const QPair<QString, int> key(url, total);
    QMap<int, QByteArray> &slices = mSlices[key];
    slices.insert(index, bytes);
    mTags[key] = partition.value(QLatin1String("partitionMD")).toString();
    if (slices.size() < total)
        return;

    Image image;
    image.url = url;
    for (const QByteArray &slice : slices)
        image.bytes += slice;
    image.tag = mTags.take(key);
    const QString md5 = QString::fromLatin1(QCryptographicHash::hash(slices.last(), QCryptographicHash::Md5).toHex());
    image.tagMatches = image.tag.size() == 4 && md5.endsWith(image.tag, Qt::CaseInsensitive);
    image.useageType = int(integerOf(partition.value(QLatin1String("useageType"))));
    image.fromUid = envelope.fromUid;
    mSlices.remove(key);
    mImages << image;
}

QList<qint64> SimStudent::sentTimes() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return unsharedCopy(mSentTimes);
}

QList<SimStudent::Envelope> SimStudent::envelopes() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return unsharedCopy(mEnvelopes);
}

QList<SimStudent::Image> SimStudent::images() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return unsharedCopy(mImages);
}

QStringList SimStudent::refused() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return unsharedCopy(mRefused);
}

QStringList SimStudent::events() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return unsharedCopy(mEvents);
}

bool SimStudent::waitForEnvelopes(int count, int timeoutMs) const
{
    return waitUntil([&] { return envelopes().size() >= count; }, timeoutMs);
}

bool SimStudent::waitForImages(int count, int timeoutMs) const
{
    return waitUntil([&] { return images().size() >= count; }, timeoutMs);
}

bool SimStudent::waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(5);
    }
    return true;
}
