#pragma once

#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class TQBinaryPartition;
class TQBinaryTransporterInterface;

// Images over the data channel. Sending cuts a cached file or a frame into
// slices of 28,000 bytes that travel raw beside their partition record; file
// transfers are paced, frames go at once. Receiving collects a sender's
// partitions by URL and index on the text path (Base64 bodies) and on the raw
// path, checks the 4-hex MD5 tag of the last slice, and then writes a file
// (use type 0) or hands a frame to the student list (use type 1).
//
// Received data is not trusted: a set whose tag does not match, or whose
// body does not decode, is thrown away and may be sent again; a file is
// written only for a URL expected from that sender, never for a page of the
// current course, and only into the received-files folder, never into the
// shared download cache. Incomplete sets time out and their number is capped.
// GUI thread only.
//
// Ownership: partitions handed in belong to the manager from the call on.
class TQBinaryTransporterManager : public QObject,
                                   public TQBroadCastDrawDataSourceInterface::BinaryTransporterManager
{
    Q_OBJECT

public:
    static constexpr int kSliceBytes = 28000;
    // A batch leaves only when more than this has passed since the last one.
    static constexpr qint64 kBatchGapMs = 500;
    static constexpr int kImmediateBatch = 15;
    static constexpr int kNormalBatch = 5;
    // An incomplete set is dropped this long after its first partition came.
    static constexpr qint64 kPendingSetTimeoutMs = 30000;
    // Incomplete sets kept at once, both paths together; the oldest goes first.
    static constexpr int kMaxPendingSets = 64;
    // Completed transfers remembered to drop late duplicates of them.
    static constexpr int kCompletedUrlMemory = 256;
    // Files expected from senders at once; the oldest expectation goes first.
    static constexpr int kMaxExpectedFiles = 256;

    explicit TQBinaryTransporterManager(QObject *parent = nullptr);
    ~TQBinaryTransporterManager() override;

    // Not owned. Also forgets what was queued and what was sent.
    void setTransporterInterface(TQBinaryTransporterInterface *transporter);

    // True for a URL shorter than 2 characters, or one whose transfer was
    // handed to the channel whole.
    bool isUrlTransported(const std::string &url) override;
    // Queues the cached file of `url` (immediate: sent before the normal
    // queue) and sends what is due. A URL queued or sent already is ignored
    // unless `resend` is set.
    void sendImageFileForUrl(const std::string &url, int format, int receiptID, bool immediate,
                             bool resend) override;
    // Sends a camera or screen frame at once, to everybody.
    void sendImageData(const QByteArray &bytes);
    // One batch: up to 15 immediate partitions, else up to 5 normal ones.
    void sendPendingPartitions();

    // A partition whose slice is Base64 in its body.
    void receivePartitions(TQBinaryPartition *partition);
    // A partition whose slice came as the message's raw bytes.
    void receiveRawBinaryPartitions(TQBinaryPartition *partition);

    // Allows one file of use type 0 for `url` from the user `fromId` (decimal
    // text); the one who shows what that user sends says so beforehand.
    void expectFileFrom(const std::string &fromId, const std::string &url);
    // Where a file received for `url` from `fromId` is kept.
    static QString receivedFilePath(const std::string &fromId, const std::string &url);

    // The slices of `bytes`, every one with the tag of the last; null when
    // there are no bytes. The caller owns the list and its partitions.
    static std::vector<TQBinaryPartition *> *sliceRawData(const QByteArray &bytes, const std::string &url,
                                                          int useageType, int format, int receiptID);

    // What is held, for the owner's checks.
    int queuedPartitionCount() const { return int(immediateQueue.size() + normalQueue.size()); }
    int pendingSetCount() const { return int(textInbox.pendingSets.size() + rawInbox.pendingSets.size()); }
    int pendingPartitionCount() const;
    int completedUrlCount() const { return int(completedUrls.size()); }
    int expectedFileCount() const { return int(expectedFiles.size()); }

signals:
    // A joined frame of use type 1; whoever receives it owns the array.
    void dispatchBinaryData(QString fromId, int useType, QByteArray *rawDataArray);

private:
    // One sender's partitions of one URL, by index.
    struct PendingSet
    {
        int total = 0;
        int useageType = 0;
        std::string tag;
        qint64 firstMs = 0;
        std::map<int, TQBinaryPartition *> partitions;
    };
    using SetKey = std::pair<std::string, std::string>; // (sender, url)

    // What one receive path collects.
    struct Inbox
    {
        bool raw = false;
        std::map<SetKey, PendingSet> pendingSets;
    };

    void sendPartitionBatch(std::vector<TQBinaryPartition *> &queue, int n);
    // Drops the queued partitions of `url` after a failed hand-over.
    void dropQueuedTransfer(const std::string &url);

    void receive(Inbox &inbox, TQBinaryPartition *partition);
    // Why `partition` cannot join `inbox`, or "" when it can.
    QString refusalOf(const Inbox &inbox, const TQBinaryPartition &partition) const;
    void merge(Inbox &inbox, const SetKey &key);
    // The slices of a complete set in index order, or false when one is
    // missing or its body does not decode.
    static bool sliceBytes(const Inbox &inbox, const PendingSet &set, std::vector<QByteArray> *slices);
    void writeReceivedFile(const SetKey &key, const QByteArray &bytes);
    void dropSet(Inbox &inbox, std::map<SetKey, PendingSet>::iterator it);
    void dropStaleSets(qint64 now);
    void rememberCompleted(const std::string &url);
    bool isCompleted(const std::string &url) const;
    static bool isCoursePage(const std::string &url);

    std::vector<TQBinaryPartition *> immediateQueue; // owned
    std::vector<TQBinaryPartition *> normalQueue;    // owned
    // URLs whose transfer was handed to the channel whole.
    std::map<std::string, bool> sentUrls;
    // URLs sliced into a queue and not yet handed over whole.
    std::set<std::string> queuedUrls;
    qint64 lastBatchMs = 0;
    TQBinaryTransporterInterface *transporterInterface = nullptr; // not owned

    Inbox textInbox;
    Inbox rawInbox{true, {}};
    // Recently completed URLs, newest last.
    std::list<std::string> completedUrls;
    // Files allowed from senders, oldest first.
    std::list<SetKey> expectedFiles;
};
