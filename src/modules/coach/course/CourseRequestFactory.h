#pragma once

#include "platform/http/ApiRequestFactory.h"

// Requests of the course schedule and trade endpoints, made from the
// parameters of CourseRequestParams; new, unsent, self-deleting.
class CourseRequestFactory : public ApiRequestFactory
{
public:
    // A form request for a path the caller chooses (the message board and
    // the product search).
    static httpRequest *createRequest(const QString &path, const ParamMap &params);

    static httpRequest *getCourseSchedulesForLecturer(const ParamMap &params);
    static httpRequest *schedulesForStudent(const ParamMap &params);
    static httpRequest *getCourseScheduleDetailForLecturer(const ParamMap &params);
    static httpRequest *getCourseScheduleDetailForStudent(const ParamMap &params);
    static httpRequest *getCourseScheduleParticipant(const ParamMap &params);
    static httpRequest *prepareCourseSchedule(const ParamMap &params);
    static httpRequest *pushCourseScheduleFeedback(const ParamMap &params);
    static httpRequest *pushParticipantCourseScheduleBinaryRecord(const ParamMap &params, const ParamMap &files);
    static httpRequest *updateLiveConfig(const ParamMap &params);
    static httpRequest *pushCourseScheduleStudentLog(const ParamMap &params, const ParamMap &files);
    static httpRequest *pushLiveStatistics(const ParamMap &params);
    static httpRequest *pushScheduleStatistics(const ParamMap &params);
    static httpRequest *pushScheduleMoments(const ParamMap &params);
    static httpRequest *getScheduleLiveStream(const ParamMap &params);
    static httpRequest *getScheduleUpStream(const ParamMap &params);
    static httpRequest *getTestLiveStream(const ParamMap &params);
    static httpRequest *participateInCourse(const ParamMap &params);
    static httpRequest *getProductDetail(const ParamMap &params);
    static httpRequest *getPurchaseOrder(const ParamMap &params);
};
