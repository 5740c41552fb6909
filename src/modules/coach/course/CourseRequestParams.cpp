#include "modules/coach/course/CourseRequestParams.h"

#include "modules/login/LoginManager.h"

ParamMap CourseRequestParams::scheduleList(int page, int sortOrder, int courseScheduleStatus, int pageSize,
                                           const QString &periodStart, const QString &periodEnd)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("courseScheduleStatus"), number(courseScheduleStatus));
    params.insert(QStringLiteral("page"), number(page));
    params.insert(QStringLiteral("sortOrder"), number(sortOrder));
    insertIf(params, pageSize > 0, QStringLiteral("pageSize"), number(pageSize));
    insertIf(params, !periodStart.isEmpty(), QStringLiteral("periodStart"), periodStart);
    insertIf(params, !periodEnd.isEmpty(), QStringLiteral("periodEnd"), periodEnd);
    return params;
}

ParamMap CourseRequestParams::getCourseSchedulesForLecturer(int page, int sortOrder, int courseScheduleStatus,
                                                            int pageSize, const QString &periodStart,
                                                            const QString &periodEnd)
{
    return scheduleList(page, sortOrder, courseScheduleStatus, pageSize, periodStart, periodEnd);
}

ParamMap CourseRequestParams::schedulesForStudent(int page, int sortOrder, int courseScheduleStatus, int pageSize,
                                                  const QString &periodStart, const QString &periodEnd)
{
    return scheduleList(page, sortOrder, courseScheduleStatus, pageSize, periodStart, periodEnd);
}

ParamMap CourseRequestParams::forSchedule(const QString &courseScheduleID)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("courseScheduleID"), courseScheduleID);
    return params;
}

ParamMap CourseRequestParams::getCourseScheduleDetailForLecturer(int courseScheduleID, int startType)
{
    ParamMap params = forSchedule(number(courseScheduleID));
    insertIf(params, startType == 2, QStringLiteral("preview"), QStringLiteral("1"));
    return params;
}

ParamMap CourseRequestParams::getCourseScheduleDetailForStudent(int courseScheduleID)
{
    return forSchedule(number(courseScheduleID));
}

ParamMap CourseRequestParams::getCourseScheduleParticipant(int courseScheduleID, const QString &studentID)
{
    ParamMap params = forSchedule(number(courseScheduleID));
    params.insert(QStringLiteral("studentID"), studentID);
    return params;
}

ParamMap CourseRequestParams::prepareCourseSchedule(int courseID, int scheduleID, const QString &prepareData,
                                                    bool alternateAssign)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("courseID"), number(courseID));
    params.insert(QStringLiteral("scheduleID"), number(scheduleID));
    params.insert(QStringLiteral("assignType"), alternateAssign ? QStringLiteral("2") : QStringLiteral("1"));
    params.insert(QStringLiteral("undo"), QStringLiteral("0"));
    params.insert(QStringLiteral("prepareData"), prepareData);
    return params;
}

ParamMap CourseRequestParams::pushCourseScheduleFeedback(int courseID, int courseScheduleID, int materialID,
                                                         int pageNum, const QByteArray &targetUserID,
                                                         int feedbackType, const QByteArray &feedbackStr,
                                                         qint64 timeIntervalSinceClassStart, int maxVideoIndex)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("courseID"), number(courseID));
    params.insert(QStringLiteral("courseScheduleID"), number(courseScheduleID));
    params.insert(QStringLiteral("materialID"), number(materialID));
    params.insert(QStringLiteral("feedbackStr"), QString::fromUtf8(feedbackStr));
    params.insert(QStringLiteral("maxVideoIndex"), number(maxVideoIndex));
    params.insert(QStringLiteral("pageNum"), number(pageNum));
    params.insert(QStringLiteral("targetUserID"), QString::fromUtf8(targetUserID));
    params.insert(QStringLiteral("timeIntervalSinceClassStart"), number(timeIntervalSinceClassStart));
    params.insert(QStringLiteral("feedbackType"), number(feedbackType));
    return params;
}

UploadParams CourseRequestParams::pushParticipantCourseScheduleBinaryRecord(int courseID, int courseScheduleID,
                                                                            int materialID, int pageNum,
                                                                            const QString &filePath, int homeworkID,
                                                                            const QByteArray &targetUserID)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("courseID"), number(courseID));
    params.insert(QStringLiteral("courseScheduleID"), number(courseScheduleID));
    params.insert(QStringLiteral("materialID"), number(materialID));
    params.insert(QStringLiteral("pageNum"), number(pageNum));
    insertIf(params, homeworkID != 0, QStringLiteral("homeworkID"), number(homeworkID));
    insertIf(params, !targetUserID.isEmpty(), QStringLiteral("targetUserID"), QString::fromUtf8(targetUserID));
    return upload(params, QStringLiteral("binary_file"), filePath);
}

ParamMap CourseRequestParams::updateLiveConfig(int cameraOn, const QString &liveProfileURL, int profileFilter)
{
    ParamMap params = commonParams();
    insertIf(params, cameraOn == 0 || cameraOn == 1, QStringLiteral("cameraOn"), number(cameraOn));
    insertIf(params, !liveProfileURL.isEmpty(), QStringLiteral("liveProfileURL"), liveProfileURL);
    insertIf(params, profileFilter >= 0, QStringLiteral("profileFilter"), number(profileFilter));
    return params;
}

UploadParams CourseRequestParams::pushCourseScheduleStudentLog(const QString &filePath)
{
    return upload(commonParams(), QStringLiteral("course_log"), filePath);
}

ParamMap CourseRequestParams::pushLiveStatistics(int courseScheduleID, const QString &data,
                                                 const QString &lecturerData)
{
    ParamMap params = forSchedule(number(courseScheduleID));
    params.insert(QStringLiteral("data"), data);
    insertIf(params, !lecturerData.isEmpty(), QStringLiteral("lecturerData"), lecturerData);
    return params;
}

ParamMap CourseRequestParams::scheduleStatistics(int courseScheduleID, const QString &type, const QString &data)
{
    ParamMap params = forSchedule(number(courseScheduleID));
    params.insert(QStringLiteral("type"), type);
    params.insert(QStringLiteral("data"), data);
    return params;
}

ParamMap CourseRequestParams::pushStageStatistics(int courseScheduleID, const QString &data)
{
    return scheduleStatistics(courseScheduleID, QStringLiteral("1"), data);
}

ParamMap CourseRequestParams::pushSignInStatistics(int courseScheduleID, const QString &data)
{
    return scheduleStatistics(courseScheduleID, QStringLiteral("2"), data);
}

ParamMap CourseRequestParams::pushScheduleMoments(const QString &courseScheduleID, const QString &moments)
{
    ParamMap params = forSchedule(courseScheduleID);
    params.insert(QStringLiteral("moments"), moments);
    return params;
}

ParamMap CourseRequestParams::getScheduleLiveStream(const QString &courseScheduleID)
{
    return forSchedule(courseScheduleID);
}

ParamMap CourseRequestParams::getScheduleUpStream(int courseScheduleID)
{
    return forSchedule(number(courseScheduleID));
}

ParamMap CourseRequestParams::getScheduleMessages(int courseScheduleID, const QString &offset)
{
    ParamMap params = forSchedule(number(courseScheduleID));
    params.insert(QStringLiteral("pageSize"), QStringLiteral("50"));
    // The board's offsets are long server cursors; an empty, "0" or short
    // one asks for the newest page.
    insertIf(params, offset.size() > 10, QStringLiteral("offset"), offset);
    return params;
}

ParamMap CourseRequestParams::pubScheduleMessage(int courseScheduleID, const QString &body)
{
    ParamMap params = forSchedule(number(courseScheduleID));
    params.insert(QStringLiteral("body"), body);
    return params;
}

ParamMap CourseRequestParams::getTestLiveStream()
{
    ParamMap params = commonParams();
    params.remove(QStringLiteral("orgID"));
    return params;
}

ParamMap CourseRequestParams::participateInCourse(const QString &courseScheduleID, int bystander)
{
    ParamMap params = forSchedule(courseScheduleID);
    params.insert(QStringLiteral("studentID"), LoginManager::getUserID());
    params.insert(QStringLiteral("bystander"), number(bystander));
    return params;
}

ParamMap CourseRequestParams::searchProductList(const QString &nameOrID)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("includeAllOpenCourses"), QStringLiteral("1"));
    params.insert(QStringLiteral("includeVideoProduct"), QStringLiteral("1"));
    params.insert(QStringLiteral("includeCourseProduct"), QStringLiteral("1"));
    params.insert(QStringLiteral("orgSearchOption"), QStringLiteral("2"));
    params.insert(QStringLiteral("nameOrID"), nameOrID);
    return params;
}

ParamMap CourseRequestParams::getProductDetail(const QString &orgID, const QString &productIDs)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("orgID"), orgID);
    params.insert(QStringLiteral("productIDs"), QLatin1Char('[') + productIDs + QLatin1Char(']'));
    params.insert(QStringLiteral("needPurchaseInfo"), QStringLiteral("1"));
    return params;
}

ParamMap CourseRequestParams::getPurchaseOrder(const QString &productID, const QString &skuID)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("productID"), productID);
    insertIf(params, !skuID.isEmpty(), QStringLiteral("skuID"), skuID);
    params.insert(QStringLiteral("purchasedFor"), LoginManager::getUserID());
    params.insert(QStringLiteral("contactUserName"), LoginManager::getNickName());
    params.insert(QStringLiteral("contactUserPhoneNumber"), LoginManager::getMobilePhone());
    return params;
}
