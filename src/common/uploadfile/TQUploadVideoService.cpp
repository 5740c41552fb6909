#include "common/uploadfile/TQUploadVideoService.h"

#include "common/CommonService.h"
#include "common/uploadfile/TQUploadVideoContext.h"
#include "platform/http/httpRequest.h"
#include "utils/CLog.h"

#include <memory>

TQUploadVideoService::TQUploadVideoService(CommonService *commonService) : m_pCommonService(commonService) {}

void TQUploadVideoService::uploadClassVideo(const QString &filePath, long courseID, long courseScheduleID,
                                            qlonglong sketchNum)
{
    // Ids are 32-bit on the wire whatever `long` is here.
    auto *context = new TQUploadVideoContext{filePath, qint32(courseID), qint32(courseScheduleID), sketchNum};
    httpRequest *request = m_pCommonService->pushCourseScheduleBinaryRecord(filePath, context->courseID,
                                                                            context->courseScheduleID, sketchNum);
    request->setContext(context);
    connect(request, &httpRequest::onSuccessWithContext_signal, this,
            &TQUploadVideoService::uploadClassVideoSuccess_slot);
    connect(request, &httpRequest::onFailureWithContext_signal, this,
            &TQUploadVideoService::uploadClassVideoFailur_slot);
    request->exec();
}

void TQUploadVideoService::uploadClassVideoSuccess_slot(QJsonObject &responseForUploadClassVideo, void *pContext)
{
    const std::unique_ptr<TQUploadVideoContext> context(static_cast<TQUploadVideoContext *>(pContext));
    if (!context) {
        CLog::error(QStringLiteral("no context"), QStringLiteral("TQUploadVideoService::uploadClassVideoSuccess_slot "));
        return;
    }
    emit uploadClassVideoSuccess_signal(responseForUploadClassVideo, context->filePath, context->courseID,
                                        context->courseScheduleID, context->sketchNum);
}

void TQUploadVideoService::uploadClassVideoFailur_slot(Failure &f, void *pContext)
{
    const std::unique_ptr<TQUploadVideoContext> context(static_cast<TQUploadVideoContext *>(pContext));
    if (!context) {
        CLog::error(QStringLiteral("no context"), QStringLiteral("TQUploadVideoService::uploadClassVideoFailur_slot "));
        return;
    }
    emit uploadClassVideoFailed_signal(f, context->filePath, context->courseID, context->courseScheduleID,
                                       context->sketchNum);
}

void TQUploadVideoService::handleFailure_slot(Failure &f)
{
    emit failure_signal(f);
}
