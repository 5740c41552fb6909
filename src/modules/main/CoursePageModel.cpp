#include "modules/main/CoursePageModel.h"

#include "modules/login/LoginManager.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <algorithm>

namespace {

// Received lists are untrusted: anything but an object is left out.
QVector<CourseScheduleEntry> entriesOf(const QJsonArray &schedules)
{
    QVector<CourseScheduleEntry> entries;
    entries.reserve(schedules.size());
    for (const QJsonValue &value : schedules) {
        if (value.isObject())
            entries.append(CourseScheduleEntry(value.toObject()));
        else
            CLog::log(QStringLiteral("course schedule is no object, left out"),
                      QStringLiteral("CoursePageModel::entriesOf "));
    }
    return entries;
}

// By start time, the unreadable ones last in either order.
void sortByStart(QVector<CourseScheduleEntry> &entries, bool ascending)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [ascending](const CourseScheduleEntry &a, const CourseScheduleEntry &b) {
                         const qint64 x = a.startMillis();
                         const qint64 y = b.startMillis();
                         if (x < 0 || y < 0)
                             return x >= 0 && y < 0;
                         return ascending ? x < y : x > y;
                     });
}

} // namespace

CoursePageModel::CoursePageModel(QObject *parent)
    : QObject(parent)
{
}

void CoursePageModel::setUndergoingCourses(const QJsonArray &schedules)
{
    const QString userID = LoginManager::getUserID();
    QVector<CourseScheduleEntry> entries = entriesOf(schedules);
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&userID](const CourseScheduleEntry &entry) {
                                     return userID.isEmpty() || entry.lecturerId() != userID;
                                 }),
                  entries.end());
    sortByStart(entries, true);
    m_week.setEntries(entries);
}

void CoursePageModel::setFinishedCourses(const QJsonArray &schedules)
{
    QVector<CourseScheduleEntry> entries = entriesOf(schedules);
    sortByStart(entries, false);
    m_finished.setEntries(entries);
    emit finishedCoursesReplaced();
}

void CoursePageModel::cleanCourses()
{
    m_week.clear();
    m_finished.clear();
}

bool CoursePageModel::tryRefresh()
{
    const qint64 now = currentTimeMillis();
    if (m_refreshed && now - m_lastRefreshMillis < kRefreshIntervalMs && now >= m_lastRefreshMillis)
        return false;
    m_refreshed = true;
    m_lastRefreshMillis = now;
    return true;
}
