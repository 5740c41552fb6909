#pragma once

#include <QtGlobal>

#include <string>

// One classroom event the class window reports to the service (on-line,
// off-line and the like); sent by CourseService::pushCourseScheduleFeedback,
// which reads it during the call only. Texts are UTF-8.
struct CourseScheduleFeedback
{
    int courseID = 0;
    int courseScheduleID = 0;
    int materialID = 0;
    int pageNum = 0;
    std::string targetUserID;
    int feedbackType = 0;
    std::string feedbackStr;
    qint64 timeIntervalSinceClassStart = 0;
    int maxVideoIndex = 0;
};
