#include "modules/coach/course/CourseRequestFactory.h"

#include "platform/http/ApiPaths.h"

httpRequest *CourseRequestFactory::createRequest(const QString &path, const ParamMap &params)
{
    return form(path, params);
}

httpRequest *CourseRequestFactory::getCourseSchedulesForLecturer(const ParamMap &params)
{
    return form(ApiPaths::kGetCourseSchedulesForLecturer, params);
}

httpRequest *CourseRequestFactory::schedulesForStudent(const ParamMap &params)
{
    return form(ApiPaths::kSchedulesForStudent, params);
}

httpRequest *CourseRequestFactory::getCourseScheduleDetailForLecturer(const ParamMap &params)
{
    return form(ApiPaths::kGetCourseScheduleDetailForLecturer, params);
}

httpRequest *CourseRequestFactory::getCourseScheduleDetailForStudent(const ParamMap &params)
{
    return form(ApiPaths::kGetCourseScheduleDetailForStudent, params);
}

httpRequest *CourseRequestFactory::getCourseScheduleParticipant(const ParamMap &params)
{
    return form(ApiPaths::kGetCourseScheduleParticipant, params);
}

httpRequest *CourseRequestFactory::prepareCourseSchedule(const ParamMap &params)
{
    return form(ApiPaths::kPrepareCourseSchedule, params);
}

httpRequest *CourseRequestFactory::pushCourseScheduleFeedback(const ParamMap &params)
{
    return form(ApiPaths::kPushCourseScheduleFeedback, params);
}

httpRequest *CourseRequestFactory::pushParticipantCourseScheduleBinaryRecord(const ParamMap &params,
                                                                             const ParamMap &files)
{
    return upload(ApiPaths::kPushParticipantCourseScheduleBinaryRecord, params, files);
}

httpRequest *CourseRequestFactory::updateLiveConfig(const ParamMap &params)
{
    return form(ApiPaths::kLiveConfig, params);
}

httpRequest *CourseRequestFactory::pushCourseScheduleStudentLog(const ParamMap &params, const ParamMap &files)
{
    return upload(ApiPaths::kPushCourseScheduleStudentLog, params, files);
}

httpRequest *CourseRequestFactory::pushLiveStatistics(const ParamMap &params)
{
    return form(ApiPaths::kPushLiveStatistics, params);
}

httpRequest *CourseRequestFactory::pushScheduleStatistics(const ParamMap &params)
{
    return form(ApiPaths::kPushScheduleStatistics, params);
}

httpRequest *CourseRequestFactory::pushScheduleMoments(const ParamMap &params)
{
    return form(ApiPaths::kPushScheduleMoments, params);
}

httpRequest *CourseRequestFactory::getScheduleLiveStream(const ParamMap &params)
{
    return form(ApiPaths::kGetScheduleLiveStream, params);
}

httpRequest *CourseRequestFactory::getScheduleUpStream(const ParamMap &params)
{
    return form(ApiPaths::kGetScheduleUpStream, params);
}

httpRequest *CourseRequestFactory::getTestLiveStream(const ParamMap &params)
{
    return form(ApiPaths::kGetTestLiveStream, params);
}

httpRequest *CourseRequestFactory::participateInCourse(const ParamMap &params)
{
    return form(ApiPaths::kParticipateInCourse, params);
}

httpRequest *CourseRequestFactory::getProductDetail(const ParamMap &params)
{
    return form(ApiPaths::kGetProductDetail, params);
}

httpRequest *CourseRequestFactory::getPurchaseOrder(const ParamMap &params)
{
    return form(ApiPaths::kGetPurchaseOrder, params);
}
