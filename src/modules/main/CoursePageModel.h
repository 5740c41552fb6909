#pragma once

#include "modules/main/CourseListModel.h"

#include <QJsonArray>
#include <QObject>

// State of the course page: the week's schedules of the signed-in lecturer
// (earliest first) and the finished ones (latest first), and the pace of the
// refresh entry. The main window owns it; QML reaches it as
// theMainWindow.courseLists.
class CoursePageModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(CourseListModel *weekCourses READ weekCourses CONSTANT)
    Q_PROPERTY(CourseListModel *finishedCourses READ finishedCourses CONSTANT)

public:
    // The refresh entry works at most once in this time.
    static constexpr qint64 kRefreshIntervalMs = 5000;

    explicit CoursePageModel(QObject *parent = nullptr);

    CourseListModel *weekCourses() { return &m_week; }
    CourseListModel *finishedCourses() { return &m_finished; }

    // Keeps the schedules whose lecturer is the signed-in user, earliest first.
    Q_INVOKABLE void setUndergoingCourses(const QJsonArray &schedules);
    // Keeps every schedule, latest first.
    Q_INVOKABLE void setFinishedCourses(const QJsonArray &schedules);
    // Sign-out: both lists empty.
    Q_INVOKABLE void cleanCourses();
    // Whether the refresh entry may refresh now; counts as a refresh when so.
    Q_INVOKABLE bool tryRefresh();

signals:
    // A new finished list arrived (the page scrolls back to its top).
    void finishedCoursesReplaced();

private:
    CourseListModel m_week;
    CourseListModel m_finished;
    qint64 m_lastRefreshMillis = 0;
    bool m_refreshed = false;
};
