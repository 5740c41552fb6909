#pragma once

#include "platform/http/ApiRequestParams.h"

#include <QByteArray>

// Parameters of the course schedule and trade endpoints. Each starts from
// the common parameters (but getTestLiveStream) and adds the endpoint's own.
class CourseRequestParams : public ApiRequestParams
{
public:
    // The lecturer's and the student's schedule lists: "pageSize" only when
    // above 0, the periods only when not empty.
    static ParamMap getCourseSchedulesForLecturer(int page, int sortOrder, int courseScheduleStatus, int pageSize,
                                                  const QString &periodStart, const QString &periodEnd);
    static ParamMap schedulesForStudent(int page, int sortOrder, int courseScheduleStatus, int pageSize,
                                        const QString &periodStart, const QString &periodEnd);

    // "preview" = "1" only for the rehearsal start (start type 2).
    static ParamMap getCourseScheduleDetailForLecturer(int courseScheduleID, int startType);
    static ParamMap getCourseScheduleDetailForStudent(int courseScheduleID);
    static ParamMap getCourseScheduleParticipant(int courseScheduleID, const QString &studentID);
    static ParamMap prepareCourseSchedule(int courseID, int scheduleID, const QString &prepareData,
                                          bool alternateAssign);

    static ParamMap pushCourseScheduleFeedback(int courseID, int courseScheduleID, int materialID, int pageNum,
                                               const QByteArray &targetUserID, int feedbackType,
                                               const QByteArray &feedbackStr, qint64 timeIntervalSinceClassStart,
                                               int maxVideoIndex);
    // A homework picture: "homeworkID" only when not 0, "targetUserID" only
    // when not empty; file field "binary_file".
    static UploadParams pushParticipantCourseScheduleBinaryRecord(int courseID, int courseScheduleID, int materialID,
                                                                  int pageNum, const QString &filePath,
                                                                  int homeworkID, const QByteArray &targetUserID);
    // "cameraOn" only when 0 or 1, "liveProfileURL" only when not empty,
    // "profileFilter" only when 0 or more.
    static ParamMap updateLiveConfig(int cameraOn, const QString &liveProfileURL, int profileFilter);
    // File field "course_log".
    static UploadParams pushCourseScheduleStudentLog(const QString &filePath);

    static ParamMap pushLiveStatistics(int courseScheduleID, const QString &data, const QString &lecturerData);
    static ParamMap pushStageStatistics(int courseScheduleID, const QString &data);
    static ParamMap pushSignInStatistics(int courseScheduleID, const QString &data);
    static ParamMap pushScheduleMoments(const QString &courseScheduleID, const QString &moments);

    static ParamMap getScheduleLiveStream(const QString &courseScheduleID);
    static ParamMap getScheduleUpStream(int courseScheduleID);

    // "offset" only when it is not empty, not "0" and longer than 10
    // characters; "pageSize" is always "50".
    static ParamMap getScheduleMessages(int courseScheduleID, const QString &offset);
    static ParamMap pubScheduleMessage(int courseScheduleID, const QString &body);

    // "userID" and "userToken" only.
    static ParamMap getTestLiveStream();
    static ParamMap participateInCourse(const QString &courseScheduleID, int bystander);
    static ParamMap searchProductList(const QString &nameOrID);
    // The caller's "orgID" replaces the common one.
    static ParamMap getProductDetail(const QString &orgID, const QString &productIDs);
    static ParamMap getPurchaseOrder(const QString &productID, const QString &skuID);

private:
    // The common parameters and "courseScheduleID".
    static ParamMap forSchedule(const QString &courseScheduleID);
    static ParamMap scheduleList(int page, int sortOrder, int courseScheduleStatus, int pageSize,
                                 const QString &periodStart, const QString &periodEnd);
    static ParamMap scheduleStatistics(int courseScheduleID, const QString &type, const QString &data);
};
