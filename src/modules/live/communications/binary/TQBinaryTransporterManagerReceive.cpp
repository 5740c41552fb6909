// Receiving: collecting a sender's partitions, checking and joining them.
#include "modules/live/communications/binary/TQBinaryTransporterManager.h"

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"
#include "utils/TimeUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>

#include <algorithm>

namespace {

const QString kTag = QStringLiteral("TQBinaryTransporterManager::receivePartitions ");

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

bool isDecimal(const std::string &s)
{
    const size_t start = !s.empty() && s[0] == '-' ? 1 : 0;
    return s.size() > start && s.size() < 21
           && std::all_of(s.begin() + long(start), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

void TQBinaryTransporterManager::receivePartitions(TQBinaryPartition *partition)
{
    if (!partition)
        return;
    CLog::log(QStringLiteral("TQBinaryTransporterManager:receivePartitions url=%1 index=%2 total=%3")
                  .arg(text(partition->serverURL))
                  .arg(partition->partitionIndex)
                  .arg(partition->partitionTotal));
    receive(textInbox, partition);
}

void TQBinaryTransporterManager::receiveRawBinaryPartitions(TQBinaryPartition *partition)
{
    if (partition)
        receive(rawInbox, partition);
}

void TQBinaryTransporterManager::expectFileFrom(const std::string &fromId, const std::string &url)
{
    const SetKey key(fromId, url);
    expectedFiles.remove(key);
    expectedFiles.push_back(key);
    while (int(expectedFiles.size()) > kMaxExpectedFiles)
        expectedFiles.pop_front();
}

QString TQBinaryTransporterManager::receivedFilePath(const std::string &fromId, const std::string &url)
{
    // The sender's id names its folder only when it is a plain number.
    const QString sender = isDecimal(fromId) ? text(fromId) : md5Hex(QByteArray::fromStdString(fromId));
    return FileUtils::getResourceDir() + QStringLiteral("/received/") + sender + QLatin1Char('/')
           + md5Hex(QByteArray::fromStdString(url));
}

int TQBinaryTransporterManager::pendingPartitionCount() const
{
    int count = 0;
    for (const Inbox *inbox : {&textInbox, &rawInbox}) {
        for (const auto &entry : inbox->pendingSets)
            count += int(entry.second.partitions.size());
    }
    return count;
}

void TQBinaryTransporterManager::receive(Inbox &inbox, TQBinaryPartition *partition)
{
    const qint64 now = currentTimeMillis();
    dropStaleSets(now);

    const SetKey key(partition->fromId, partition->serverURL);
    auto it = inbox.pendingSets.find(key);
    if (it != inbox.pendingSets.end() && it->second.partitions.count(partition->partitionIndex)) {
        delete partition; // a copy of one already here
        return;
    }
    const QString refusal = refusalOf(inbox, *partition);
    if (!refusal.isEmpty()) {
        CLog::error(QStringLiteral("refused partition url=%1 index=%2 total=%3 from=%4: %5")
                        .arg(text(partition->serverURL))
                        .arg(partition->partitionIndex)
                        .arg(partition->partitionTotal)
                        .arg(text(partition->fromId), refusal),
                    kTag);
        delete partition;
        return;
    }
    if (it == inbox.pendingSets.end()) {
        if (pendingSetCount() >= kMaxPendingSets) {
            // Make room by giving up the set that has waited longest.
            Inbox *oldestInbox = nullptr;
            std::map<SetKey, PendingSet>::iterator oldest;
            for (Inbox *candidate : {&textInbox, &rawInbox}) {
                for (auto at = candidate->pendingSets.begin(); at != candidate->pendingSets.end(); ++at) {
                    if (!oldestInbox || at->second.firstMs < oldest->second.firstMs) {
                        oldestInbox = candidate;
                        oldest = at;
                    }
                }
            }
            CLog::error(QStringLiteral("too many incomplete sets, dropped %1").arg(text(oldest->first.second)), kTag);
            dropSet(*oldestInbox, oldest);
        }
        PendingSet set;
        set.total = partition->partitionTotal;
        set.useageType = partition->useageType;
        set.tag = partition->partitionMD;
        set.firstMs = now;
        it = inbox.pendingSets.emplace(key, std::move(set)).first;
    }
    it->second.partitions[partition->partitionIndex] = partition;
    if (int(it->second.partitions.size()) == it->second.total)
        merge(inbox, key);
}

QString TQBinaryTransporterManager::refusalOf(const Inbox &inbox, const TQBinaryPartition &p) const
{
    if (p.serverURL.size() < 2)
        return QStringLiteral("no url");
    if (p.partitionTotal < 1 || p.partitionTotal > TQBinaryPartition::kMaxTotal)
        return QStringLiteral("total out of range");
    if (p.partitionIndex < 0 || p.partitionIndex >= p.partitionTotal)
        return QStringLiteral("index outside the total");
    if (p.useageType != 0 && p.useageType != 1)
        return QStringLiteral("unknown use type");
    if (inbox.raw ? p.raw.isEmpty() : p.partitionBody.empty())
        return QStringLiteral("no slice");
    if (isCompleted(p.serverURL))
        return QStringLiteral("transfer already complete");

    const auto it = inbox.pendingSets.find(SetKey(p.fromId, p.serverURL));
    if (it != inbox.pendingSets.end()) {
        const PendingSet &set = it->second;
        if (set.total != p.partitionTotal)
            return QStringLiteral("a second total for the url");
        if (set.useageType != p.useageType || set.tag != p.partitionMD)
            return QStringLiteral("use type or tag differs within the transfer");
        return QString();
    }
    if (p.useageType == 0) {
        // Files: only what the teacher's side expects from this sender, and
        // never a course page, which every student would be shown.
        if (isCoursePage(p.serverURL))
            return QStringLiteral("a page of the course");
        const SetKey key(p.fromId, p.serverURL);
        if (std::find(expectedFiles.begin(), expectedFiles.end(), key) == expectedFiles.end())
            return QStringLiteral("file not expected from this sender");
        if (QFileInfo::exists(receivedFilePath(p.fromId, p.serverURL)))
            return QStringLiteral("we already have this file");
    }
    return QString();
}

bool TQBinaryTransporterManager::sliceBytes(const Inbox &inbox, const PendingSet &set,
                                            std::vector<QByteArray> *slices)
{
    slices->reserve(size_t(set.total));
    for (int index = 0; index < set.total; ++index) {
        const auto it = set.partitions.find(index);
        if (it == set.partitions.end())
            return false;
        if (inbox.raw) {
            slices->push_back(it->second->raw);
            continue;
        }
        auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(it->second->partitionBody),
                                                      QByteArray::AbortOnBase64DecodingErrors);
        if (decoded.decodingStatus != QByteArray::Base64DecodingStatus::Ok || decoded.decoded.isEmpty())
            return false;
        slices->push_back(decoded.decoded);
    }
    return true;
}

void TQBinaryTransporterManager::merge(Inbox &inbox, const SetKey &key)
{
    const auto it = inbox.pendingSets.find(key);
    const PendingSet &set = it->second;
    const int useageType = set.useageType;
    const std::string &url = key.second;

    std::vector<QByteArray> slices;
    QString fault;
    QString rawDataMd5;
    if (!sliceBytes(inbox, set, &slices)) {
        fault = QStringLiteral("a slice does not decode");
    } else {
        rawDataMd5 = md5Hex(slices.back());
        if (set.tag.size() != 4 || !rawDataMd5.endsWith(text(set.tag), Qt::CaseInsensitive))
            fault = QStringLiteral("md5 check error");
    }
    if (!fault.isEmpty()) {
        // Thrown away with its keys, so that a resend is taken.
        CLog::printf("TQBinaryTransporterManager md5 check error useType=%d,url=%s,md5=%s rawDataMd5=%s (%s)",
                     useageType, url.c_str(), set.tag.c_str(), rawDataMd5.toUtf8().constData(),
                     fault.toUtf8().constData());
        dropSet(inbox, it);
        return;
    }

    QByteArray joined;
    int size = 0;
    for (const QByteArray &slice : slices)
        size += slice.size();
    joined.reserve(size);
    for (const QByteArray &slice : slices)
        joined += slice;
    const QString fromId = text(set.partitions.rbegin()->second->fromId);
    rememberCompleted(url);
    // The set goes before anyone hears of it, so that a listener may feed
    // the manager again.
    dropSet(inbox, it);

    if (useageType == 1) {
        // Nobody would free an array that nobody receives.
        if (isSignalConnected(QMetaMethod::fromSignal(&TQBinaryTransporterManager::dispatchBinaryData)))
            emit dispatchBinaryData(fromId, 1, new QByteArray(joined));
    } else {
        writeReceivedFile(key, joined);
    }
}

void TQBinaryTransporterManager::writeReceivedFile(const SetKey &key, const QByteArray &bytes)
{
    const QString path = receivedFilePath(key.first, key.second);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written beside, checked and moved into place, so that a reader never
    // sees half a file.
    const QString part = path + QStringLiteral(".part");
    QFile file(part);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
                         && file.flush();
    file.close();
    if (!written || !QFile::rename(part, path)) {
        QFile::remove(part);
        CLog::error(QStringLiteral("could not write %1").arg(path), kTag);
        return;
    }
    expectedFiles.remove(key);
    CLog::printf("TQBinaryTransporterManager::mergePartitions receive RTM binary file: file(%s), url(%s) size %d",
                 path.toUtf8().constData(), key.second.c_str(), int(bytes.size()));
}

void TQBinaryTransporterManager::dropSet(Inbox &inbox, std::map<SetKey, PendingSet>::iterator it)
{
    for (auto &slice : it->second.partitions)
        delete slice.second;
    inbox.pendingSets.erase(it);
}

void TQBinaryTransporterManager::dropStaleSets(qint64 now)
{
    for (Inbox *inbox : {&textInbox, &rawInbox}) {
        for (auto it = inbox->pendingSets.begin(); it != inbox->pendingSets.end();) {
            const auto next = std::next(it);
            if (now - it->second.firstMs > kPendingSetTimeoutMs) {
                CLog::error(QStringLiteral("incomplete set of %1 timed out with %2 of %3")
                                .arg(text(it->first.second))
                                .arg(it->second.partitions.size())
                                .arg(it->second.total),
                            kTag);
                dropSet(*inbox, it);
            }
            it = next;
        }
    }
}

void TQBinaryTransporterManager::rememberCompleted(const std::string &url)
{
    completedUrls.push_back(url);
    while (int(completedUrls.size()) > kCompletedUrlMemory)
        completedUrls.pop_front();
}

bool TQBinaryTransporterManager::isCompleted(const std::string &url) const
{
    return std::find(completedUrls.rbegin(), completedUrls.rend(), url) != completedUrls.rend();
}

bool TQBinaryTransporterManager::isCoursePage(const std::string &url)
{
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    return course && course->findMaterialPageByUrl(text(url)).first != -1;
}
