#include "CourseWithHistory.h"

#include "actions/TQDrawingAction.h"
#include "modules/live/bean/CourseDetailBean.h"

#include <QJsonObject>

#include <string>

namespace {

class HistoryStroke : public TQDrawingAction
{
public:
    explicit HistoryStroke(int index) : TQDrawingAction(77) { drawingIndex = index; }
    void toString(std::string &out) const override { out = "[" + std::to_string(drawingIndex) + ",77,1,2]"; }
    TQDrawingAction *clone() const override { return new HistoryStroke(*this); }
};

} // namespace

CourseDetailBean *newCourseWithHistory(long scheduleId, int history)
{
    auto *course = new CourseDetailBean(QJsonObject{});
    course->course_id = "11";
    course->course_schedule_id = std::to_string(scheduleId);
    course->app_id = "app";
    course->dynamic_key = "key";
    course->rtm_token = "tok";
    for (int i = 0; i < history; ++i)
        course->addDrawingAction(new HistoryStroke(i), -1);
    return course;
}
