#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <mutex>
#include <memory>

namespace agora {
namespace rtm {
class IChannel;
class IRtmService;
} // namespace rtm
} // namespace agora

class SimStudentListeners;

// A simulated student on the stand-in real-time SDK: logs in as "<uid>_rtm",
// joins the class's "<csid>_rtm" and "<csid>_alt" channels, sends envelopes
// written from literal texts (so that the wire form is checked apart from
// the product's own writer) and collects what reaches it: envelopes decoded
// with QJsonDocument, and images put together from their raw partitions with
// their 4-hex MD5 tag checked. The SDK calls its listeners on SDK threads;
// everything collected is guarded, so any thread may read it.
class SimStudent
{
public:
    struct Envelope
    {
        QString tqMsg;
        int tqType = 0;
        qint64 tqRec = 0;
        qint64 tqTm = 0;
        qint64 fromUid = 0;  // the sender's id before "_rtm"
        bool peer = false;   // sent to this student alone
        QString channel;     // the channel it came on; empty for a peer message
        QByteArray raw;      // raw bytes that came with it
    };

    struct Image
    {
        QString url;
        QByteArray bytes;    // every slice, in index order
        QString tag;         // partitionMD as sent
        bool tagMatches = false; // the MD5 of the last slice ends with the tag
        int useageType = 0;
        qint64 fromUid = 0;
    };

    SimStudent(qint64 uid, qint64 courseScheduleId);
    ~SimStudent();
    SimStudent(const SimStudent &) = delete;
    SimStudent &operator=(const SimStudent &) = delete;

    qint64 uid() const { return mUid; }
    QString loginId() const;
    QString mainChannel() const;
    QString altChannel() const;

    // Logs in and joins both channels; true once the SDK reported all three.
    bool enter(int timeoutMs = 5000);
    // Leaves both channels and logs out.
    void leave();

    // The envelope's wire text: members in the order tqMsg, tqRec, tqTm,
    // tqType, every value a JSON string.
    static QByteArray envelopeText(const QString &tqMsg, int tqType, qint64 tqRec, qint64 tqTm);
    // Sends an envelope with the next time stamp on a channel (tqRec -1) or
    // to one peer; the SDK call's result.
    int sendEnvelope(const QString &tqMsg, int tqType, bool mainChannel = true);
    int sendEnvelopeToPeer(qint64 uid, const QString &tqMsg, int tqType);
    // Sends a text as it is, for input that is no envelope.
    int sendText(const QByteArray &text, bool mainChannel = true);
    // A partition record as a student writes it: every value a JSON string.
    static QByteArray partitionText(const QString &url, const QByteArray &body, const QString &tag, int index,
                                    int total, int useageType);
    // Sends an image to the class as envelopes of type 6, cut into slices of
    // `sliceBytes`, every record with the 4-hex MD5 tag of the last slice:
    // the slice as the message's raw bytes, or (raw false) as Base64 in the
    // record's body. Returns how many sends the SDK refused.
    int sendImage(const QString &url, const QByteArray &bytes, int useageType, bool raw, int sliceBytes = 28000);
    // Time stamps handed out so far, strictly increasing.
    QList<qint64> sentTimes() const;

    QList<Envelope> envelopes() const;
    QList<Image> images() const;
    // Received texts that were no envelope, and partitions that were refused.
    QStringList refused() const;
    // Service and channel events: "login ok", "login failed C", "state S R",
    // "joined CH", "join failed CH C",
    // "member joined ID in CH", "member left ID in CH", "logout".
    QStringList events() const;

    bool waitForEnvelopes(int count, int timeoutMs = 5000) const;
    bool waitForImages(int count, int timeoutMs = 5000) const;
    // Waits, processing events, until `done` holds.
    static bool waitUntil(const std::function<bool()> &done, int timeoutMs = 5000);

private:
    friend class SimStudentListeners;

    void addEvent(const QString &event);
    void receive(const char *senderId, const QByteArray &text, const QByteArray &raw, bool peer,
                 const QString &channel);
    void collectPartition(const Envelope &envelope);
    int send(const QByteArray &text, const QString &peerId, bool mainChannel, const QByteArray &raw = QByteArray());
    qint64 nextTime();

    const qint64 mUid;
    const qint64 mCourseScheduleId;
    std::unique_ptr<SimStudentListeners> mListeners;
    agora::rtm::IRtmService *mService = nullptr;
    agora::rtm::IChannel *mMain = nullptr;
    agora::rtm::IChannel *mAlt = nullptr;

    // std::mutex rather than QMutex: ThreadSanitizer sees it.
    mutable std::mutex mMutex;
    QList<qint64> mSentTimes;
    QList<Envelope> mEnvelopes;
    QList<Image> mImages;
    QStringList mRefused;
    QStringList mEvents;
    // Slices of images still incomplete: (url, total) -> index -> bytes.
    QMap<QPair<QString, int>, QMap<int, QByteArray>> mSlices;
    QMap<QPair<QString, int>, QString> mTags;
};
