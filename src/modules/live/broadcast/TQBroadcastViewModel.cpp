#include "modules/live/broadcast/TQBroadcastViewModel.h"

#include "modules/coach/course/CourseService.h"
#include "modules/live/bean/SendCourseSchedulePictureBean.h"
#include "platform/http/ApiCall.h"
#include "platform/http/httpRequest.h"
#include "utils/CLog.h"

#include <QJsonDocument>

namespace {

const char *const kMomentTag = "[WONDERFUL_MOMENT]";

} // namespace

TQBroadcastViewModel::TQBroadcastViewModel(CourseService *courseService) : m_courseService(courseService) {}

void TQBroadcastViewModel::send(httpRequest *request, void (TQBroadcastViewModel::*onSuccess)(QJsonObject &),
                                void (TQBroadcastViewModel::*onFailure)(Failure &))
{
    ApiCall::send(request, this, onSuccess, onFailure);
}

void TQBroadcastViewModel::getCourseScheduleDetail(int courseScheduleID, int startType)
{
    send(m_courseService->getCourseScheduleDetailForLecturer(courseScheduleID, startType),
         &TQBroadcastViewModel::getCourseScheduleDetailSuccess_slot);
}

void TQBroadcastViewModel::getCourseScheduleDetailForStudent(int courseScheduleID)
{
    send(m_courseService->getCourseScheduleDetailForStudent(courseScheduleID),
         &TQBroadcastViewModel::getCourseScheduleDetailSuccess_slot);
}

void TQBroadcastViewModel::requestCourseScheduleParticipant(int courseScheduleID, const QString &studentID)
{
    send(m_courseService->getCourseScheduleParticipant(courseScheduleID, studentID),
         &TQBroadcastViewModel::requestCourseScheduleParticipantSuccess_slot);
}

void TQBroadcastViewModel::sendFeedbackToServer(const CourseScheduleFeedback *feedback)
{
    send(m_courseService->pushCourseScheduleFeedback(feedback), &TQBroadcastViewModel::sendFeedbackToServerSuccess_slot);
}

void TQBroadcastViewModel::sendCourseSchedulePicture(SendCourseSchedulePictureBean *bean)
{
    httpRequest *request = m_courseService->pushParticipantCourseScheduleBinaryRecord(bean);
    if (!request) {
        // No request will hand the bean back: it ends here.
        CLog::error(QStringLiteral("LiveBroadcast:no upload request for the picture"),
                    QStringLiteral("TQBroadcastViewModel::sendCourseSchedulePicture "));
        delete bean;
        return;
    }
    request->setContext(bean);
    connect(request, &httpRequest::onSuccessWithContext_signal, this,
            &TQBroadcastViewModel::sendCourseSchedulePictureSuccess_slot, Qt::DirectConnection);
    connect(request, &httpRequest::onFailureWithContext_signal, this,
            &TQBroadcastViewModel::sendCourseSchedulePictureFailure_slot, Qt::DirectConnection);
    request->exec();
}

void TQBroadcastViewModel::updateLiveConfig(int cameraOn, const QString &liveProfileURL, int profileFilter)
{
    send(m_courseService->updateLiveConfig(cameraOn, liveProfileURL, profileFilter),
         &TQBroadcastViewModel::updateLiveConfigSuccess_slot);
}

void TQBroadcastViewModel::sendToServerStudentDurationStatus(int courseScheduleID, const QString &data,
                                                             const QString &lecturerData)
{
    if (data.isEmpty())
        return;
    send(m_courseService->pushLiveStatistics(courseScheduleID, data, lecturerData),
         &TQBroadcastViewModel::sendToServerStudentDurationStatusSuccess_slot,
         &TQBroadcastViewModel::handleSendStudentDurationFailure_slot);
}

QString TQBroadcastViewModel::stageSpansJson(const QList<TQStageTimeSpan> &spans)
{
    QJsonArray array;
    for (const TQStageTimeSpan &span : spans)
        array.append(span.toJson());
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

void TQBroadcastViewModel::sendScheduleStudentStatusStatistics(int courseScheduleID, const QList<TQStageTimeSpan> &spans)
{
    const QString data = stageSpansJson(spans);
    CLog::printf("%s:TQBroadcastViewModel::sendScheduleStudentStatusStatistics courseScheduleID=%d jsonArrayStr=%s",
                 kMomentTag, courseScheduleID, data.toUtf8().constData());
    send(m_courseService->pushStageStatistics(courseScheduleID, data),
         &TQBroadcastViewModel::sendToServerStudentStatusStatisticsSuccess_slot,
         &TQBroadcastViewModel::handleSendStudentStatusStatisticsFailure_slot);
}

void TQBroadcastViewModel::sendSignInStatistics(int courseScheduleID, const QString &data)
{
    send(m_courseService->pushSignInStatistics(courseScheduleID, data),
         &TQBroadcastViewModel::sendToServerStudentStatusStatisticsSuccess_slot,
         &TQBroadcastViewModel::handleSendStudentStatusStatisticsFailure_slot);
}

void TQBroadcastViewModel::uploadWonderfulMoment(const QString &courseScheduleID, const QString &moments)
{
    send(m_courseService->pushScheduleMoments(courseScheduleID, moments),
         &TQBroadcastViewModel::uploadWonderfulMomentSuccess_slot);
}

void TQBroadcastViewModel::getCourseLiveStreamInfo(const QString &courseScheduleID)
{
    send(m_courseService->getScheduleLiveStream(courseScheduleID),
         &TQBroadcastViewModel::getCourseLiveStreamInfoSuccess_slot);
}

void TQBroadcastViewModel::getRtmpUrl(int courseScheduleID)
{
    send(m_courseService->getScheduleUpStream(courseScheduleID), &TQBroadcastViewModel::getRtmpUrlSuccess_slot,
         &TQBroadcastViewModel::getRtmpUrlFailed_slot);
}

void TQBroadcastViewModel::getMessageListForWX(int courseScheduleID, const QString &offset)
{
    send(m_courseService->getScheduleMessages(courseScheduleID, offset),
         &TQBroadcastViewModel::getMessageListForWXSuccess_slot);
}

void TQBroadcastViewModel::sendMessageForWXClass(int courseScheduleID, const QString &body)
{
    send(m_courseService->pubScheduleMessage(courseScheduleID, body),
         &TQBroadcastViewModel::sendMessageForWXClassSuccess_slot);
}

// Results ---------------------------------------------------------------------

void TQBroadcastViewModel::handleFailure_slot(Failure &f)
{
    emit failure_signal(f);
}

void TQBroadcastViewModel::getCourseScheduleDetailSuccess_slot(QJsonObject &responseForCourseScheduleDetail)
{
    QJsonObject result = ApiCall::returnResult(responseForCourseScheduleDetail);
    emit getCourseScheduleDetailSuccess_signal(result);
}

void TQBroadcastViewModel::requestCourseScheduleParticipantSuccess_slot(QJsonObject &responseForCourseScheduleParticipant)
{
    QJsonObject result = ApiCall::returnResult(responseForCourseScheduleParticipant);
    emit requestCourseScheduleParticipantSuccess_signal(result);
}

void TQBroadcastViewModel::sendFeedbackToServerSuccess_slot(QJsonObject &responseForFeedBack)
{
    QJsonObject result = ApiCall::returnResult(responseForFeedBack);
    emit sendFeedbackToServerSuccess_signal(result);
}

void TQBroadcastViewModel::sendToServerStudentDurationStatusSuccess_slot(QJsonObject &responseForStudentDuration)
{
    QJsonObject result = ApiCall::returnResult(responseForStudentDuration);
    emit sendToServerStudentDurationStatusSuccess_signal(result);
}

void TQBroadcastViewModel::handleSendStudentDurationFailure_slot(Failure &f)
{
    emit sendStudentDurationFailure_signal(f);
}

void TQBroadcastViewModel::sendCourseSchedulePictureSuccess_slot(QJsonObject &response, void *pContext)
{
    auto *bean = static_cast<SendCourseSchedulePictureBean *>(pContext);
    if (!bean)
        return;
    bean->fileUrl = ApiCall::returnResult(response).value(QStringLiteral("file_url")).toString().toStdString();
    emit sendCourseSchedulePictureSuccess_signal(bean);
}

void TQBroadcastViewModel::sendCourseSchedulePictureFailure_slot(Failure &f, void *pContext)
{
    emit failure_signal(f);
    if (!pContext)
        return;
    CLog::error(QStringLiteral("LiveBroadcast:http failure:requestCourseScheduleParticipant"),
                QStringLiteral("TQBroadcastViewModel::sendCourseSchedulePictureFailure_slot "));
    delete static_cast<SendCourseSchedulePictureBean *>(pContext);
}

void TQBroadcastViewModel::updateLiveConfigSuccess_slot(QJsonObject &)
{
    emit updateLiveConfigSuccess_signal();
}

void TQBroadcastViewModel::sendToServerStudentStatusStatisticsSuccess_slot(QJsonObject &)
{
    CLog::log(QStringLiteral("%1:TQBroadcastViewModel::sendToServerStudentStatusStatisticsSuccess_slot 推送成功")
                  .arg(QLatin1String(kMomentTag)),
              QStringLiteral("TQBroadcastViewModel::sendToServerStudentStatusStatisticsSuccess_slot "));
}

void TQBroadcastViewModel::handleSendStudentStatusStatisticsFailure_slot(Failure &)
{
    CLog::log(QStringLiteral("%1:TQBroadcastViewModel::handleSendStudentStatusStatisticsFailure_slot 推送失败")
                  .arg(QLatin1String(kMomentTag)),
              QStringLiteral("TQBroadcastViewModel::handleSendStudentStatusStatisticsFailure_slot "));
}

void TQBroadcastViewModel::uploadWonderfulMomentSuccess_slot(QJsonObject &) {}

void TQBroadcastViewModel::getCourseLiveStreamInfoSuccess_slot(QJsonObject &response)
{
    QJsonObject result = ApiCall::returnResult(response);
    emit getCourseLiveStreamInfoSuccess_signal(result);
}

void TQBroadcastViewModel::getRtmpUrlSuccess_slot(QJsonObject &response)
{
    const QString url = ApiCall::returnResult(response).value(QStringLiteral("rtmp")).toString();
    CLog::printf("TQBroadcastViewModel::getRtmpUrlSuccess_slot rtmp=%s", url.toUtf8().constData());
    emit onSuccessFetchRtmpUrl_signal(url);
}

void TQBroadcastViewModel::getRtmpUrlFailed_slot(Failure &f)
{
    emit onGetRtmpUrlFailed_signal(f);
}

void TQBroadcastViewModel::getMessageListForWXSuccess_slot(QJsonObject &response)
{
    QJsonArray messages = response.value(QStringLiteral("returnResult")).toArray();
    emit onGetMessageListSuccess_signal(messages);
}

void TQBroadcastViewModel::sendMessageForWXClassSuccess_slot(QJsonObject &) {}
