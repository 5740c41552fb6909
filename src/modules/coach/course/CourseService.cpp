#include "modules/coach/course/CourseService.h"

#include "modules/coach/course/CourseRequestFactory.h"
#include "modules/coach/course/CourseRequestParams.h"
#include "modules/live/bean/CourseScheduleFeedback.h"
#include "modules/live/bean/SendCourseSchedulePictureBean.h"
#include "platform/http/ApiPaths.h"
#include "utils/CLog.h"

namespace {

httpRequest *refuseNullRecord(const char *function)
{
    CLog::error(QStringLiteral("no record given"), QStringLiteral("%1 ").arg(QLatin1String(function)));
    return nullptr;
}

} // namespace

CourseService::CourseService(QObject *parent) : QObject(parent) {}

httpRequest *CourseService::getCourseSchedulesForLecturer(int page, int sortOrder, int courseScheduleStatus,
                                                          int pageSize, const QString &periodStart,
                                                          const QString &periodEnd)
{
    return CourseRequestFactory::getCourseSchedulesForLecturer(CourseRequestParams::getCourseSchedulesForLecturer(
        page, sortOrder, courseScheduleStatus, pageSize, periodStart, periodEnd));
}

httpRequest *CourseService::getNewCourseSchedules(int page, int pageSize, const QString &periodStart,
                                                  const QString &periodEnd)
{
    return getCourseSchedulesForLecturer(page, kNewSchedules.sortOrder, kNewSchedules.courseScheduleStatus, pageSize,
                                         periodStart, periodEnd);
}

httpRequest *CourseService::getNewCourseSchedules(const QString &periodStart, const QString &periodEnd)
{
    return getNewCourseSchedules(kNewSchedules.page, kNewSchedules.pageSize, periodStart, periodEnd);
}

httpRequest *CourseService::getPastCourseSchedules(int page, int pageSize, const QString &periodStart,
                                                   const QString &periodEnd)
{
    return getCourseSchedulesForLecturer(page, kPastSchedules.sortOrder, kPastSchedules.courseScheduleStatus,
                                         pageSize, periodStart, periodEnd);
}

httpRequest *CourseService::getPastCourseSchedules(const QString &periodStart, const QString &periodEnd)
{
    return getPastCourseSchedules(kPastSchedules.page, kPastSchedules.pageSize, periodStart, periodEnd);
}

httpRequest *CourseService::schedulesForStudent(int page, int sortOrder, int courseScheduleStatus, int pageSize,
                                                const QString &periodStart, const QString &periodEnd)
{
    return CourseRequestFactory::schedulesForStudent(CourseRequestParams::schedulesForStudent(
        page, sortOrder, courseScheduleStatus, pageSize, periodStart, periodEnd));
}

httpRequest *CourseService::schedulesForStudent(const ScheduleList &list, const QString &periodStart,
                                                const QString &periodEnd)
{
    return schedulesForStudent(list.page, list.sortOrder, list.courseScheduleStatus, list.pageSize, periodStart,
                               periodEnd);
}

httpRequest *CourseService::getCourseScheduleDetailForLecturer(int courseScheduleID, int startType)
{
    return CourseRequestFactory::getCourseScheduleDetailForLecturer(
        CourseRequestParams::getCourseScheduleDetailForLecturer(courseScheduleID, startType));
}

httpRequest *CourseService::getCourseScheduleDetailForStudent(int courseScheduleID)
{
    return CourseRequestFactory::getCourseScheduleDetailForStudent(
        CourseRequestParams::getCourseScheduleDetailForStudent(courseScheduleID));
}

httpRequest *CourseService::getCourseScheduleParticipant(int courseScheduleID, const QString &studentID)
{
    return CourseRequestFactory::getCourseScheduleParticipant(
        CourseRequestParams::getCourseScheduleParticipant(courseScheduleID, studentID));
}

httpRequest *CourseService::prepareCourseSchedule(int courseID, int scheduleID, const QString &prepareData,
                                                  bool alternateAssign)
{
    return CourseRequestFactory::prepareCourseSchedule(
        CourseRequestParams::prepareCourseSchedule(courseID, scheduleID, prepareData, alternateAssign));
}

httpRequest *CourseService::pushCourseScheduleFeedback(const CourseScheduleFeedback *feedback)
{
    if (!feedback)
        return refuseNullRecord("CourseService::pushCourseScheduleFeedback");
    return CourseRequestFactory::pushCourseScheduleFeedback(CourseRequestParams::pushCourseScheduleFeedback(
        feedback->courseID, feedback->courseScheduleID, feedback->materialID, feedback->pageNum,
        QByteArray::fromStdString(feedback->targetUserID), feedback->feedbackType,
        QByteArray::fromStdString(feedback->feedbackStr), feedback->timeIntervalSinceClassStart,
        feedback->maxVideoIndex));
}

httpRequest *CourseService::pushParticipantCourseScheduleBinaryRecord(const SendCourseSchedulePictureBean *picture)
{
    if (!picture)
        return refuseNullRecord("CourseService::pushParticipantCourseScheduleBinaryRecord");
    const UploadParams upload = CourseRequestParams::pushParticipantCourseScheduleBinaryRecord(
        picture->courseID, picture->courseScheduleID, picture->materialID, picture->pageNum,
        QString::fromStdString(picture->filePath), picture->homeworkID,
        QByteArray::fromStdString(picture->targetUserID));
    return CourseRequestFactory::pushParticipantCourseScheduleBinaryRecord(upload.params, upload.files);
}

httpRequest *CourseService::updateLiveConfig(int cameraOn, const QString &liveProfileURL, int profileFilter)
{
    return CourseRequestFactory::updateLiveConfig(
        CourseRequestParams::updateLiveConfig(cameraOn, liveProfileURL, profileFilter));
}

httpRequest *CourseService::pushCourseScheduleStudentLog(const QString &filePath)
{
    const UploadParams upload = CourseRequestParams::pushCourseScheduleStudentLog(filePath);
    return CourseRequestFactory::pushCourseScheduleStudentLog(upload.params, upload.files);
}

httpRequest *CourseService::pushLiveStatistics(int courseScheduleID, const QString &data, const QString &lecturerData)
{
    return CourseRequestFactory::pushLiveStatistics(
        CourseRequestParams::pushLiveStatistics(courseScheduleID, data, lecturerData));
}

httpRequest *CourseService::pushStageStatistics(int courseScheduleID, const QString &data)
{
    return CourseRequestFactory::pushScheduleStatistics(
        CourseRequestParams::pushStageStatistics(courseScheduleID, data));
}

httpRequest *CourseService::pushSignInStatistics(int courseScheduleID, const QString &data)
{
    return CourseRequestFactory::pushScheduleStatistics(
        CourseRequestParams::pushSignInStatistics(courseScheduleID, data));
}

httpRequest *CourseService::pushScheduleMoments(const QString &courseScheduleID, const QString &moments)
{
    return CourseRequestFactory::pushScheduleMoments(
        CourseRequestParams::pushScheduleMoments(courseScheduleID, moments));
}

httpRequest *CourseService::getScheduleLiveStream(const QString &courseScheduleID)
{
    return CourseRequestFactory::getScheduleLiveStream(CourseRequestParams::getScheduleLiveStream(courseScheduleID));
}

httpRequest *CourseService::getScheduleUpStream(int courseScheduleID)
{
    return CourseRequestFactory::getScheduleUpStream(CourseRequestParams::getScheduleUpStream(courseScheduleID));
}

httpRequest *CourseService::getScheduleMessages(int courseScheduleID, const QString &offset)
{
    return CourseRequestFactory::createRequest(ApiPaths::kGetScheduleMessages,
                                               CourseRequestParams::getScheduleMessages(courseScheduleID, offset));
}

httpRequest *CourseService::pubScheduleMessage(int courseScheduleID, const QString &body)
{
    return CourseRequestFactory::createRequest(ApiPaths::kPubScheduleMessage,
                                               CourseRequestParams::pubScheduleMessage(courseScheduleID, body));
}

httpRequest *CourseService::getTestLiveStream()
{
    return CourseRequestFactory::getTestLiveStream(CourseRequestParams::getTestLiveStream());
}

httpRequest *CourseService::participateInCourse(const QString &courseScheduleID, int bystander)
{
    return CourseRequestFactory::participateInCourse(
        CourseRequestParams::participateInCourse(courseScheduleID, bystander));
}

httpRequest *CourseService::searchProductList(const QString &nameOrID)
{
    return CourseRequestFactory::createRequest(ApiPaths::kSearchProductList,
                                               CourseRequestParams::searchProductList(nameOrID));
}

httpRequest *CourseService::getProductDetail(const QString &orgID, const QString &productIDs)
{
    return CourseRequestFactory::getProductDetail(CourseRequestParams::getProductDetail(orgID, productIDs));
}

httpRequest *CourseService::getPurchaseOrder(const QString &productID, const QString &skuID)
{
    return CourseRequestFactory::getPurchaseOrder(CourseRequestParams::getPurchaseOrder(productID, skuID));
}
