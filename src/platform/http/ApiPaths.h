#pragma once

#include <QString>

// The service's endpoints, full paths under "/biz_mv/edu/". A path is put
// behind the API host when the request is made (httpRequest::buildUrl).
namespace ApiPaths {

inline const QString kPrefix = QStringLiteral("/biz_mv/edu/");

// Sign-in and user.
inline const QString kSendVerificationCode = QStringLiteral("/biz_mv/edu/user/sendVerificationCode");
inline const QString kLoginCheck = QStringLiteral("/biz_mv/edu/user/loginCheck");
inline const QString kGetLecturerInfo = QStringLiteral("/biz_mv/edu/v1/user/getLecturerInfo");
inline const QString kGetUserAccount = QStringLiteral("/biz_mv/edu/v1/trade/getUserAccount");
inline const QString kGenerateTempToken = QStringLiteral("/biz_mv/edu/user/generateTempToken");

// Course schedules and classroom records.
inline const QString kPushParticipantCourseScheduleBinaryRecord =
    QStringLiteral("/biz_mv/edu/courses/pushParticipantCourseScheduleBinaryRecord");
inline const QString kPrepareCourseSchedule = QStringLiteral("/biz_mv/edu/courses/prepareCourseSchedule");
inline const QString kGetCourseSchedulesForLecturer =
    QStringLiteral("/biz_mv/edu/v3/courses/getCourseSchedulesForLecturer");
inline const QString kSchedulesForStudent = QStringLiteral("/biz_mv/edu/courses/schedulesForStudent");
inline const QString kGetCourseScheduleDetailForLecturer =
    QStringLiteral("/biz_mv/edu/v3/courses/getCourseScheduleDetailForLecturer");
inline const QString kGetCourseScheduleDetailForStudent =
    QStringLiteral("/biz_mv/edu/v3/courses/getCourseScheduleDetailForStudent");
inline const QString kGetCourseScheduleParticipant =
    QStringLiteral("/biz_mv/edu/v2/courses/getCourseScheduleParticipant");
inline const QString kPushCourseScheduleFeedback = QStringLiteral("/biz_mv/edu/courses/pushCourseScheduleFeedback");
inline const QString kPushLiveStatistics = QStringLiteral("/biz_mv/edu/trade/pushLiveStatistics");
inline const QString kPushCourseScheduleStudentLog =
    QStringLiteral("/biz_mv/edu/courses/pushCourseScheduleStudentLog");
inline const QString kLiveConfig = QStringLiteral("/biz_mv/edu/v1/user/liveConfig");
inline const QString kGetTestLiveStream = QStringLiteral("/biz_mv/edu/file/getTestLiveStream");
inline const QString kParticipateInCourse = QStringLiteral("/biz_mv/edu/v1/courses/participateInCourse");
inline const QString kPushScheduleStatistics = QStringLiteral("/biz_mv/edu/courses/pushScheduleStatistics");
inline const QString kPushScheduleMoments = QStringLiteral("/biz_mv/edu/courses/pushScheduleMoments");
inline const QString kGetScheduleLiveStream = QStringLiteral("/biz_mv/edu/courses/getScheduleLiveStream");
inline const QString kGetScheduleUpStream = QStringLiteral("/biz_mv/edu/courses/getScheduleUpStream");
inline const QString kGetScheduleMessages = QStringLiteral("/biz_mv/edu/courses/getScheduleMessages");
inline const QString kPubScheduleMessage = QStringLiteral("/biz_mv/edu/courses/pubScheduleMessage");
inline const QString kSearchProductList = QStringLiteral("/biz_mv/edu/trade/searchProductList");
inline const QString kGetProductDetail = QStringLiteral("/biz_mv/edu/trade/getProductDetail");
inline const QString kGetPurchaseOrder = QStringLiteral("/biz_mv/edu/trade/getPurchaseOrder");

// Materials.
inline const QString kGetDirContents = QStringLiteral("/biz_mv/edu/file/getDirContents");
inline const QString kGetCourseMaterialDetail = QStringLiteral("/biz_mv/edu/v1/materials/getCourseMaterialDetail");

// Configuration and files.
inline const QString kUploadTempFile = QStringLiteral("/biz_mv/edu/file/uploadTempFile");
inline const QString kAppRemoteConfig = QStringLiteral("/biz_mv/edu/config/appRemoteConfig");
inline const QString kGetLiveConfig = QStringLiteral("/biz_mv/edu/v1/user/getLiveConfig");
inline const QString kPushCourseScheduleBinaryRecord =
    QStringLiteral("/biz_mv/edu/courses/pushCourseScheduleBinaryRecord");
inline const QString kGetUploadedTempFile = QStringLiteral("/biz_mv/edu/file/getUploadedTempFile");

} // namespace ApiPaths
