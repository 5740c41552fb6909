// Slicing, sending and pacing; receiving is in TQBinaryTransporterManagerReceive.cpp.
#include "modules/live/communications/binary/TQBinaryTransporterManager.h"

#include "modules/live/communications/binary/TQBinaryPartition.h"
#include "modules/live/communications/binary/TQBinaryTransporterInterface.h"
#include "modules/login/LoginManager.h"
#include "utils/CFileDownloader.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QFile>

#include <algorithm>

TQBinaryTransporterManager::TQBinaryTransporterManager(QObject *parent)
    : QObject(parent)
{
}

TQBinaryTransporterManager::~TQBinaryTransporterManager()
{
    for (auto *queue : {&immediateQueue, &normalQueue}) {
        for (TQBinaryPartition *partition : *queue)
            delete partition;
    }
    for (Inbox *inbox : {&textInbox, &rawInbox}) {
        for (auto &entry : inbox->pendingSets) {
            for (auto &slice : entry.second.partitions)
                delete slice.second;
        }
    }
}

void TQBinaryTransporterManager::setTransporterInterface(TQBinaryTransporterInterface *transporter)
{
    transporterInterface = transporter;
    for (auto *queue : {&immediateQueue, &normalQueue}) {
        for (TQBinaryPartition *partition : *queue)
            delete partition;
        queue->clear();
    }
    sentUrls.clear();
    queuedUrls.clear();
}

bool TQBinaryTransporterManager::isUrlTransported(const std::string &url)
{
    return url.size() < 2 || sentUrls.count(url) > 0;
}

std::vector<TQBinaryPartition *> *TQBinaryTransporterManager::sliceRawData(const QByteArray &bytes,
                                                                           const std::string &url, int useageType,
                                                                           int format, int receiptID)
{
    const int size = bytes.size();
    const int total = size / kSliceBytes + (size % kSliceBytes ? 1 : 0);
    if (total < 1)
        return nullptr;
    auto *partitions = new std::vector<TQBinaryPartition *>;
    partitions->reserve(size_t(total));
    for (int offset = 0, index = 0; offset < size; offset += kSliceBytes, ++index) {
        auto *partition = new TQBinaryPartition(url, std::string(), index, total, format, receiptID, useageType);
        partition->raw = bytes.mid(offset, kSliceBytes);
        partitions->push_back(partition);
    }
    const QString md5 = md5Hex(partitions->back()->raw);
    if (md5.size() < 5) {
        CLog::log(QStringLiteral("TQBinaryTransporterManager sliceRawData md5 less than 5"));
        for (TQBinaryPartition *partition : *partitions)
            delete partition;
        delete partitions;
        return nullptr;
    }
    const std::string tag = md5.right(4).toStdString();
    for (TQBinaryPartition *partition : *partitions)
        partition->partitionMD = tag;
    return partitions;
}

void TQBinaryTransporterManager::sendImageFileForUrl(const std::string &url, int format, int receiptID,
                                                     bool immediate, bool resend)
{
    const QString tag = QStringLiteral("TQBinaryTransporterManager::sendImageFileForUrl ");
    if (url.size() < 2) {
        CLog::error(QStringLiteral("error url ,length<2"), tag);
        return;
    }
    if (!resend && (sentUrls.count(url) || queuedUrls.count(url)))
        return;
    const QString fileUrl = QString::fromStdString(url);
    const QString local = CFileDownloader::getDownloadedFile(fileUrl);
    if (local.isEmpty()) {
        CLog::error(QStringLiteral("url %1, local file is not exists").arg(fileUrl), tag);
        return;
    }
    QFile file(local);
    if (!file.open(QIODevice::ReadOnly)) {
        CLog::error(QStringLiteral("open file %1 failed").arg(local), tag);
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.isEmpty()) {
        CLog::error(QStringLiteral("file %1 data null").arg(local), tag);
        return;
    }
    std::vector<TQBinaryPartition *> *partitions = sliceRawData(bytes, url, 0, format, receiptID);
    if (!partitions)
        return;
    queuedUrls.insert(url);
    std::vector<TQBinaryPartition *> &queue = immediate ? immediateQueue : normalQueue;
    queue.insert(queue.end(), partitions->begin(), partitions->end());
    delete partitions;
    CLog::log(QStringLiteral("TQBinaryTransporterManager mArrayOfDataImmediateSend count:%1").arg(immediateQueue.size()));
    sendPendingPartitions();
}

void TQBinaryTransporterManager::sendImageData(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    const std::string url =
        QStringLiteral("user/image/%1/%2").arg(LoginManager::getUserID()).arg(currentTimeMillis()).toStdString();
    std::vector<TQBinaryPartition *> *partitions = sliceRawData(bytes, url, 1, 1, -1);
    if (!partitions)
        return;
    for (TQBinaryPartition *partition : *partitions) {
        // A lost frame is not sent again: the next one replaces it.
        if (transporterInterface)
            transporterInterface->sendPartition(partition->toJson(), &partition->raw, partition->receiptID);
        delete partition;
    }
    delete partitions;
}

void TQBinaryTransporterManager::sendPendingPartitions()
{
    // The status tick also ends the wait of sets nobody completes.
    dropStaleSets(currentTimeMillis());
    if (currentTimeMillis() - lastBatchMs <= kBatchGapMs)
        return;
    if (!immediateQueue.empty())
        sendPartitionBatch(immediateQueue, kImmediateBatch);
    else if (!normalQueue.empty())
        sendPartitionBatch(normalQueue, kNormalBatch);
}

void TQBinaryTransporterManager::sendPartitionBatch(std::vector<TQBinaryPartition *> &queue, int n)
{
    if (queue.empty())
        return;
    lastBatchMs = currentTimeMillis();
    for (int sent = 0; sent < n && !queue.empty(); ++sent) {
        TQBinaryPartition *partition = queue.front();
        queue.erase(queue.begin());
        const bool handedOver = transporterInterface
            && transporterInterface->sendPartition(partition->toJson(), &partition->raw, partition->receiptID);
        const std::string url = partition->serverURL;
        const bool last = partition->partitionIndex == partition->partitionTotal - 1;
        const int index = partition->partitionIndex;
        delete partition;
        if (!handedOver) {
            // The rest of the transfer would be of no use to anybody; the
            // URL stays unsent, so the next request sends it whole.
            CLog::error(QStringLiteral("partition %1 of %2 was not sent, transfer dropped")
                            .arg(index)
                            .arg(QString::fromStdString(url)),
                        QStringLiteral("TQBinaryTransporterManager::sendPartitionBatch "));
            dropQueuedTransfer(url);
        } else if (last) {
            sentUrls[url] = true;
            queuedUrls.erase(url);
        }
    }
}

void TQBinaryTransporterManager::dropQueuedTransfer(const std::string &url)
{
    for (auto *queue : {&immediateQueue, &normalQueue}) {
        const auto firstDropped = std::stable_partition(queue->begin(), queue->end(),
                                                        [&](TQBinaryPartition *p) { return p->serverURL != url; });
        for (auto it = firstDropped; it != queue->end(); ++it)
            delete *it;
        queue->erase(firstDropped, queue->end());
    }
    queuedUrls.erase(url);
}
