#pragma once

#include <QObject>
#include <QString>

class httpRequest;
struct CourseScheduleFeedback;
struct SendCourseSchedulePictureBean;

// The course schedule and trade requests. Stateless: every operation
// returns a new, unsent request; the caller connects it and calls exec(),
// after which it deletes itself.
class CourseService : public QObject
{
    Q_OBJECT

public:
    // The four numbers that choose one of the schedule lists (the sort
    // order and status codes are the server's).
    struct ScheduleList
    {
        int page;
        int pageSize;
        int sortOrder;
        int courseScheduleStatus;
    };
    static constexpr ScheduleList kNewSchedules{1, 20, 2, 3};
    static constexpr ScheduleList kPastSchedules{1, 5, 3, 20};
    static constexpr ScheduleList kNewSchedulesForStudent{1, 20, 2, 3};
    static constexpr ScheduleList kPastSchedulesForStudent{1, 10, 3, 20};

    explicit CourseService(QObject *parent = nullptr);

    // Periods are sent only when not empty, "pageSize" only when above 0.
    httpRequest *getCourseSchedulesForLecturer(int page, int sortOrder, int courseScheduleStatus, int pageSize,
                                               const QString &periodStart, const QString &periodEnd);
    httpRequest *getNewCourseSchedules(int page, int pageSize, const QString &periodStart, const QString &periodEnd);
    httpRequest *getNewCourseSchedules(const QString &periodStart, const QString &periodEnd);
    httpRequest *getPastCourseSchedules(int page, int pageSize, const QString &periodStart, const QString &periodEnd);
    httpRequest *getPastCourseSchedules(const QString &periodStart, const QString &periodEnd);
    httpRequest *schedulesForStudent(int page, int sortOrder, int courseScheduleStatus, int pageSize,
                                     const QString &periodStart, const QString &periodEnd);
    httpRequest *schedulesForStudent(const ScheduleList &list, const QString &periodStart, const QString &periodEnd);

    // startType 2 (rehearsal) asks for a preview.
    httpRequest *getCourseScheduleDetailForLecturer(int courseScheduleID, int startType);
    httpRequest *getCourseScheduleDetailForStudent(int courseScheduleID);
    httpRequest *getCourseScheduleParticipant(int courseScheduleID, const QString &studentID);
    // `prepareData`: the chosen materials as compact JSON.
    httpRequest *prepareCourseSchedule(int courseID, int scheduleID, const QString &prepareData, bool alternateAssign);

    // The records are read during the call only; null gives no request.
    httpRequest *pushCourseScheduleFeedback(const CourseScheduleFeedback *feedback);
    httpRequest *pushParticipantCourseScheduleBinaryRecord(const SendCourseSchedulePictureBean *picture);
    // cameraOn other than 0/1, an empty URL and a negative filter are left out.
    httpRequest *updateLiveConfig(int cameraOn, const QString &liveProfileURL, int profileFilter);
    // Also called on the log worker's thread; the request lives there.
    httpRequest *pushCourseScheduleStudentLog(const QString &filePath);

    httpRequest *pushLiveStatistics(int courseScheduleID, const QString &data, const QString &lecturerData);
    httpRequest *pushStageStatistics(int courseScheduleID, const QString &data);
    httpRequest *pushSignInStatistics(int courseScheduleID, const QString &data);
    httpRequest *pushScheduleMoments(const QString &courseScheduleID, const QString &moments);

    httpRequest *getScheduleLiveStream(const QString &courseScheduleID);
    httpRequest *getScheduleUpStream(int courseScheduleID);

    // 50 messages per page; `offset` only when it is a real cursor.
    httpRequest *getScheduleMessages(int courseScheduleID, const QString &offset);
    httpRequest *pubScheduleMessage(int courseScheduleID, const QString &body);

    httpRequest *getTestLiveStream();
    httpRequest *participateInCourse(const QString &courseScheduleID, int bystander);
    httpRequest *searchProductList(const QString &nameOrID);
    httpRequest *getProductDetail(const QString &orgID, const QString &productIDs);
    httpRequest *getPurchaseOrder(const QString &productID, const QString &skuID);
};
