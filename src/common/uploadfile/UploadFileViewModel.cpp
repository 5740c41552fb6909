#include "common/uploadfile/UploadFileViewModel.h"

#include "common/CommonService.h"
#include "modules/coach/course/CourseService.h"
#include "platform/http/ApiCall.h"
#include "platform/http/httpRequest.h"
#include "utils/CImageCompressorUtil.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>

namespace {

// Log packs some push is sending right now: two pushes at once must not
// send the same waiting pack twice.
struct PacksInFlight
{
    QMutex mutex;
    QSet<QString> paths;
};

PacksInFlight &packsInFlight()
{
    static PacksInFlight inFlight;
    return inFlight;
}

bool claimPack(const QString &path)
{
    PacksInFlight &inFlight = packsInFlight();
    QMutexLocker lock(&inFlight.mutex);
    if (inFlight.paths.contains(path))
        return false;
    inFlight.paths.insert(path);
    return true;
}

void releasePack(const QString &path)
{
    PacksInFlight &inFlight = packsInFlight();
    QMutexLocker lock(&inFlight.mutex);
    inFlight.paths.remove(path);
}

QString fileUrlOf(const QJsonObject &response)
{
    return ApiCall::returnResult(response).value(QStringLiteral("file_url")).toString();
}

} // namespace

UploadFileViewModel::UploadFileViewModel(CommonService *commonService, CourseService *courseService)
    : m_pCommonService(commonService), m_pCourseService(courseService)
{
}

template <typename SuccessSlot, typename FailureSlot>
void UploadFileViewModel::execute(httpRequest *request, SuccessSlot onSuccess, FailureSlot onFailure,
                                  const QString &tempCopy)
{
    connect(request, &httpRequest::onSuccess_signal, this, onSuccess);
    connect(request, &httpRequest::onFailure_signal, this, onFailure);
    if (!tempCopy.isEmpty()) {
        // The copy only existed for this upload; the request has closed it.
        connect(request, &QObject::destroyed, [tempCopy] { QFile::remove(tempCopy); });
    }
    request->exec();
}

QString UploadFileViewModel::compressedCopy(const QString &filePath)
{
    return QString::fromStdString(CImageCompressorUtil::lowCompress(filePath.toStdString()));
}

void UploadFileViewModel::uploadImageFile(const QString &filePath, int kind, bool compress, const QString &storeKey)
{
    Q_UNUSED(kind)
    const QString sent = compress ? compressedCopy(filePath) : filePath;
    execute(m_pCommonService->uploadTempFile(sent, 0, storeKey), &UploadFileViewModel::uploadImageFileSuccess_slot,
            &UploadFileViewModel::uploadFileFailure_slot, sent != filePath ? sent : QString());
}

void UploadFileViewModel::uploadLiveImageFile(const QString &filePath)
{
    const QString sent = compressedCopy(filePath);
    execute(m_pCommonService->uploadLiveProfile(sent), &UploadFileViewModel::uploadLiveImageFileSuccess_slot,
            &UploadFileViewModel::failure_slot, sent != filePath ? sent : QString());
}

void UploadFileViewModel::uploadMomentImageFile(const QString &filePath)
{
    execute(m_pCommonService->uploadTempFile(filePath, 1, QString()),
            &UploadFileViewModel::getUploadedMomentFileSuccess_slot, &UploadFileViewModel::failure_slot);
}

void UploadFileViewModel::getUploadedTempFile(const QString &storeKey)
{
    execute(m_pCommonService->getUploadedTempFile(storeKey), &UploadFileViewModel::getUploadedTempFileSuccess_slot,
            &UploadFileViewModel::failure_slot);
}

QStringList UploadFileViewModel::waitingLogPacks()
{
    const QDir tmp(FileUtils::getTmpDir());
    QStringList packs;
    for (const QString &name :
         tmp.entryList({QStringLiteral("ZiraverUroruvo*.zip")}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name))
        packs.append(tmp.filePath(name));
    return packs;
}

QList<httpRequest *> UploadFileViewModel::pushCourseLog()
{
    // Packs whose upload failed before go first; the new pack follows.
    QStringList files = waitingLogPacks();
    for (const QString &file : FileUtils::getCompressedLogFile()) {
        if (!files.contains(file))
            files.append(file);
    }

    QList<httpRequest *> sent;
    for (const QString &file : qAsConst(files)) {
        if (!claimPack(file))
            continue;
        // The service is stateless, so this worker thread may use it too.
        httpRequest *request = m_pCourseService->pushCourseScheduleStudentLog(file);
        request->setThreadMode();
        request->setRemoveFilesAfterSuccess();
        connect(request, &httpRequest::onThreadSuccess_signal, this, &UploadFileViewModel::pushCourseLogSuccess_slot);
        // No failure receiver: a pack that was not accepted stays for the next push.
        connect(request, &QObject::destroyed, [file] { releasePack(file); });
        request->exec();
        sent.append(request);
    }
    return sent;
}

void UploadFileViewModel::failure_slot(Failure &f)
{
    emit failure_signal(f);
}

void UploadFileViewModel::uploadFileFailure_slot(Failure &f)
{
    emit uploadFileFailure_signal(f);
}

void UploadFileViewModel::uploadLiveProfileFailure_slot(Failure &f)
{
    emit uploadLiveProfileFailure_signal(f);
}

void UploadFileViewModel::uploadImageFileSuccess_slot(QJsonObject &response)
{
    ApiCall::relayResult(this, &UploadFileViewModel::uploadFileSuccess_signal, response);
}

void UploadFileViewModel::uploadLiveImageFileSuccess_slot(QJsonObject &response)
{
    ApiCall::relayResult(this, &UploadFileViewModel::uploadLiveImageFileSuccess, response);
}

void UploadFileViewModel::getUploadedTempFileSuccess_slot(QJsonObject &response)
{
    emit getUploadedTempFileSuccess_signal(fileUrlOf(response));
}

void UploadFileViewModel::getUploadedMomentFileSuccess_slot(QJsonObject &response)
{
    emit uploadMomentImageFileSuccess(fileUrlOf(response));
}

void UploadFileViewModel::pushCourseLogSuccess_slot(QJsonObject responseDataForPushCourseLog)
{
    CLog::printf("UploadFileViewModel::pushCourseLogSuccess_slot pushLogSuccess");
    ApiCall::relayResult(this, &UploadFileViewModel::pushCourseLogSuccess, responseDataForPushCourseLog);
}
