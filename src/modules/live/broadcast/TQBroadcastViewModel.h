#pragma once

#include "modules/live/broadcast/TQStageTimeSpan.h"
#include "platform/http/Failure.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

class CourseScheduleFeedback;
class CourseService;
class httpRequest;
struct SendCourseSchedulePictureBean;

// The live-class window's gateway to the course endpoints: each operation
// sends one request through the course service and passes its
// "returnResult" on as one signal. Holds no state beyond the service.
class TQBroadcastViewModel : public QObject
{
    Q_OBJECT

public:
    // `courseService` is not owned and must outlive this object.
    explicit TQBroadcastViewModel(CourseService *courseService);

    void getCourseScheduleDetail(int courseScheduleID, int startType);
    void getCourseScheduleDetailForStudent(int courseScheduleID);
    void requestCourseScheduleParticipant(int courseScheduleID, const QString &studentID);
    // `feedback` stays the caller's.
    void sendFeedbackToServer(const CourseScheduleFeedback *feedback);
    // Takes `bean`: handed to the success signal's receiver, deleted on failure.
    void sendCourseSchedulePicture(SendCourseSchedulePictureBean *bean);
    void updateLiveConfig(int cameraOn, const QString &liveProfileURL, int profileFilter);
    // Sends nothing for empty data.
    void sendToServerStudentDurationStatus(int courseScheduleID, const QString &data, const QString &lecturerData);
    // Results are only logged.
    void sendScheduleStudentStatusStatistics(int courseScheduleID, const QList<TQStageTimeSpan> &spans);
    void sendSignInStatistics(int courseScheduleID, const QString &data);
    void uploadWonderfulMoment(const QString &courseScheduleID, const QString &moments);
    void getCourseLiveStreamInfo(const QString &courseScheduleID);
    void getRtmpUrl(int courseScheduleID);
    void getMessageListForWX(int courseScheduleID, const QString &offset);
    void sendMessageForWXClass(int courseScheduleID, const QString &body);

    // The compact JSON array of the spans' JSON, in list order.
    static QString stageSpansJson(const QList<TQStageTimeSpan> &spans);

signals:
    void failure_signal(Failure &f);
    void getCourseScheduleDetailSuccess_signal(QJsonObject &responseForCourseScheduleDetail);
    void requestCourseScheduleParticipantSuccess_signal(QJsonObject &responseForCourseScheduleParticipant);
    void sendFeedbackToServerSuccess_signal(QJsonObject &responseForFeedBack);
    void sendToServerStudentDurationStatusSuccess_signal(QJsonObject &responseForStudentDuration);
    void sendStudentDurationFailure_signal(Failure &f);
    // The receiver takes the bean.
    void sendCourseSchedulePictureSuccess_signal(SendCourseSchedulePictureBean *bean);
    void updateLiveConfigSuccess_signal();
    void getCourseLiveStreamInfoSuccess_signal(QJsonObject &response);
    void onSuccessFetchRtmpUrl_signal(QString url);
    void onGetRtmpUrlFailed_signal(Failure &f);
    void onGetMessageListSuccess_signal(QJsonArray &msgList);

public slots:
    void handleFailure_slot(Failure &f);
    void getCourseScheduleDetailSuccess_slot(QJsonObject &responseForCourseScheduleDetail);
    void requestCourseScheduleParticipantSuccess_slot(QJsonObject &responseForCourseScheduleParticipant);
    void sendFeedbackToServerSuccess_slot(QJsonObject &responseForFeedBack);
    void sendToServerStudentDurationStatusSuccess_slot(QJsonObject &responseForStudentDuration);
    void handleSendStudentDurationFailure_slot(Failure &f);
    void sendCourseSchedulePictureSuccess_slot(QJsonObject &response, void *pContext);
    void sendCourseSchedulePictureFailure_slot(Failure &f, void *pContext);
    void updateLiveConfigSuccess_slot(QJsonObject &responseForUpdateLiveConfig);
    void sendToServerStudentStatusStatisticsSuccess_slot(QJsonObject &responseForStudentStatus);
    void handleSendStudentStatusStatisticsFailure_slot(Failure &f);
    void uploadWonderfulMomentSuccess_slot(QJsonObject &responseForStudentStatus);
    void getCourseLiveStreamInfoSuccess_slot(QJsonObject &response);
    void getRtmpUrlSuccess_slot(QJsonObject &response);
    void getRtmpUrlFailed_slot(Failure &f);
    void getMessageListForWXSuccess_slot(QJsonObject &response);
    void sendMessageForWXClassSuccess_slot(QJsonObject &response);

private:
    void send(httpRequest *request, void (TQBroadcastViewModel::*onSuccess)(QJsonObject &),
              void (TQBroadcastViewModel::*onFailure)(Failure &) = &TQBroadcastViewModel::handleFailure_slot);

    CourseService *m_courseService;
};
