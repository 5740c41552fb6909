// The course lists as the course page gets them: which schedules, in which
// order, with which texts and button states, the week's request period and
// the pace of the refresh entry. Runs in Berlin time (see CMakeLists.txt) so
// that China time, local time and daylight saving differ.
#include "ServiceFixtures.h"
#include "TestClock.h"

#include "modules/login/LoginManager.h"
#include "modules/main/CourseListModel.h"
#include "modules/main/CoursePageModel.h"
#include "modules/main/CourseScheduleEntry.h"
#include "modules/main/mainWindow.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

namespace {

QJsonObject schedule(const QString &scheduleId, const QString &time, const QString &lecturer = QStringLiteral("10001"))
{
    return QJsonObject{{"course_id", "2001"},
                       {"course_schedule_id", scheduleId},
                       {"course_content", QStringLiteral("讲次 ") + scheduleId},
                       {"course_time", time},
                       {"lecture_teacher_id", lecturer},
                       {"course_schedule_status", 1},
                       {"live_valid", 0},
                       {"teaching_method", 1}};
}

QStringList scheduleIds(const CourseListModel *model)
{
    QStringList ids;
    for (int row = 0; row < model->rowCount(); ++row)
        ids << QString::number(model->data(model->index(row), CourseListModel::CourseScheduleIdRole).toInt());
    return ids;
}

qint64 berlinMillis(const QString &text)
{
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm:ss")).toMSecsSinceEpoch();
}

} // namespace

class TestCourseLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cardTexts_data();
    void cardTexts();
    void buttonState_data();
    void buttonState();
    void startTimeIsChinaTimeShownLocally_data();
    void startTimeIsChinaTimeShownLocally();
    void weekListKeepsOwnLecturesEarliestFirst();
    void weekListIsEmptyWithoutSignedInUser();
    void finishedListKeepsAllLatestFirst();
    void fixtureListsAsTheServiceSendsThem();
    void weekPeriod_data();
    void weekPeriod();
    void refreshEntryPace();
};

void TestCourseLists::initTestCase()
{
    QCOMPARE(QDateTime::currentDateTime().timeZone().id(), QByteArray("Europe/Berlin"));
    ServiceFixtures::storeSignedInTeacher();
    QCOMPARE(LoginManager::getUserID(), QStringLiteral("10001"));
}

void TestCourseLists::cardTexts_data()
{
    QTest::addColumn<QJsonObject>("fields");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("size");

    QTest::newRow("password course") << QJsonObject{{"course_id", "2003"}, {"price_type", 3}, {"password", "8848"},
                                                    {"current_size", 3}, {"bystander_size", 1}}
                                     << "课程编号:2003;口令:8848" << "正式生3个   旁听生1个";
    QTest::newRow("password course without password")
        << QJsonObject{{"course_id", "2003"}, {"price_type", 3}, {"password", ""}} << "课程编号:2003"
        << "正式生个   旁听生个";
    QTest::newRow("password of another price type")
        << QJsonObject{{"course_id", 2004}, {"price_type", 1}, {"password", "1234"}, {"current_size", "12"},
                       {"bystander_size", 0}}
        << "课程编号:2004" << "正式生12个   旁听生0个";
}

void TestCourseLists::cardTexts()
{
    QFETCH(QJsonObject, fields);
    QFETCH(QString, number);
    QFETCH(QString, size);
    const CourseScheduleEntry entry(fields);
    QCOMPARE(entry.numberText(), number);
    QCOMPARE(entry.sizeText(), size);
}

void TestCourseLists::buttonState_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("liveValid");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tag");

    QTest::newRow("ended, though open") << 4 << 1 << 1 << "ended" << "已结束" << "live";
    QTest::newRow("not held") << 16 << 0 << 2 << "notHeld" << "未上课" << "dt";
    QTest::newRow("not open yet") << 1 << 0 << 3 << "notOpen" << "进入课堂" << "face_to_face";
    QTest::newRow("open live class") << 1 << 1 << 1 << "enter" << "进入课堂" << "live";
    QTest::newRow("open AI class") << 1 << 1 << 4 << "hidden" << "" << "ai";
    QTest::newRow("open recorded shown as live") << 1 << 1 << 5 << "hidden" << "" << "pseudo_live";
    QTest::newRow("unknown method") << 1 << 0 << 9 << "notOpen" << "进入课堂" << "";
}

void TestCourseLists::buttonState()
{
    QFETCH(int, status);
    QFETCH(int, liveValid);
    QFETCH(int, method);
    QFETCH(QString, state);
    QFETCH(QString, text);
    QFETCH(QString, tag);

    const CourseScheduleEntry entry(QJsonObject{
        {"course_schedule_status", status}, {"live_valid", liveValid}, {"teaching_method", method}});
    QCOMPARE(entry.buttonStateName(), state);
    QCOMPARE(entry.buttonText(), text);
    QCOMPARE(entry.liveValid(), liveValid == 1);
    QCOMPARE(entry.tagSource(),
             tag.isEmpty() ? QString() : QStringLiteral("qrc:/res/course_tag_teaching_method_%1.png").arg(tag));
}

void TestCourseLists::startTimeIsChinaTimeShownLocally_data()
{
    QTest::addColumn<QString>("courseTime");
    QTest::addColumn<QString>("shown");

    QTest::newRow("summer, six hours behind") << "2024-06-03 10:00:00" << "6月03日 周一 04:00";
    QTest::newRow("winter, seven hours behind") << "2024-01-15 10:00:00" << "1月15日 周一 03:00";
    QTest::newRow("previous day in Berlin") << "2024-06-03 05:30:00" << "6月02日 周日 23:30";
    QTest::newRow("ISO form") << "2024-06-03T10:00:00" << "6月03日 周一 04:00";
    QTest::newRow("not a time") << "tomorrow" << "";
    QTest::newRow("missing") << "" << "";
}

void TestCourseLists::startTimeIsChinaTimeShownLocally()
{
    QFETCH(QString, courseTime);
    QFETCH(QString, shown);
    const CourseScheduleEntry entry(QJsonObject{{"course_time", courseTime}});
    QCOMPARE(entry.timeText(), shown);
    QCOMPARE(entry.startMillis() < 0, shown.isEmpty());
}

void TestCourseLists::weekListKeepsOwnLecturesEarliestFirst()
{
    CoursePageModel page;
    QSignalSpy count(page.weekCourses(), &CourseListModel::countChanged);
    const QJsonArray schedules{schedule("3", "2024-06-05 10:00:00"),
                               schedule("9", "2024-06-03 08:00:00", "10002"), // another lecturer
                               schedule("1", "2024-06-03 10:00:00"),
                               QJsonValue(42), // no schedule at all
                               schedule("5", "not a time"),
                               schedule("2", "2024-06-04 09:00:00"),
                               QJsonObject{{"course_schedule_id", "7"}, {"lecture_teacher_id", 10001},
                                           {"course_time", "2024-06-03 09:00:00"}}};
    page.setUndergoingCourses(schedules);
    QCOMPARE(scheduleIds(page.weekCourses()), QStringList({"7", "1", "2", "3", "5"}));
    QCOMPARE(count.count(), 1);

    // A new list replaces the old one as a whole.
    page.setUndergoingCourses(QJsonArray{schedule("4", "2024-06-06 10:00:00")});
    QCOMPARE(scheduleIds(page.weekCourses()), QStringList({"4"}));
    page.cleanCourses();
    QCOMPARE(page.weekCourses()->rowCount(), 0);
}

void TestCourseLists::weekListIsEmptyWithoutSignedInUser()
{
    LoginManager::cleanLoginInfo();
    CoursePageModel page;
    page.setUndergoingCourses(QJsonArray{schedule("1", "2024-06-03 10:00:00"), schedule("2", "2024-06-03 11:00:00", "")});
    QCOMPARE(page.weekCourses()->rowCount(), 0);
    ServiceFixtures::storeSignedInTeacher();
}

void TestCourseLists::finishedListKeepsAllLatestFirst()
{
    CoursePageModel page;
    QSignalSpy replaced(&page, &CoursePageModel::finishedCoursesReplaced);
    page.setFinishedCourses(QJsonArray{schedule("1", "2024-06-01 10:00:00", "10002"), schedule("4", "bad"),
                                       schedule("3", "2024-06-02 10:00:00"), schedule("2", "2024-06-01 11:00:00")});
    QCOMPARE(scheduleIds(page.finishedCourses()), QStringList({"3", "2", "1", "4"}));
    QCOMPARE(replaced.count(), 1);
    page.setFinishedCourses(QJsonArray());
    QCOMPARE(page.finishedCourses()->rowCount(), 0);
    QCOMPARE(replaced.count(), 2);
}

void TestCourseLists::fixtureListsAsTheServiceSendsThem()
{
    CoursePageModel page;
    const QJsonArray week = ServiceFixtures::reply("biz_mv/edu/v3/courses/getCourseSchedulesForLecturer.json")
                                .value("returnResult").toObject().value("course_schedules").toArray();
    page.setUndergoingCourses(week);
    CourseListModel *model = page.weekCourses();
    QCOMPARE(model->rowCount(), 7);
    const QModelIndex first = model->index(0);
    QCOMPARE(model->data(first, CourseListModel::CourseIdRole).toInt(), 2001);
    QCOMPARE(model->data(first, CourseListModel::CourseScheduleIdRole).toInt(), 30001);
    QCOMPARE(model->data(first, CourseListModel::StartTypeRole).toInt(), 0);
    QCOMPARE(model->data(first, CourseListModel::TitleRole).toString(), QStringLiteral("数学 第1讲"));
    QCOMPARE(model->data(first, CourseListModel::ButtonStateRole).toString(), QStringLiteral("enter"));
    QCOMPARE(model->data(model->index(2), CourseListModel::NumberTextRole).toString(),
             QStringLiteral("课程编号:2003;口令:8848"));
    QVERIFY(!model->data(model->index(7), CourseListModel::TitleRole).isValid());
    QCOMPARE(model->roleNames().value(CourseListModel::TimeTextRole), QByteArray("timeText"));
}

void TestCourseLists::weekPeriod_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");

    QTest::newRow("Sunday 23:59") << "2024-06-02 23:59:00" << "2024-06-02 00:00:00" << "2024-06-08 23:59:59";
    QTest::newRow("Monday 00:00") << "2024-06-03 00:00:00" << "2024-06-03 00:00:00" << "2024-06-09 23:59:59";
    QTest::newRow("clocks go forward in the week")
        << "2024-03-30 12:00:00" << "2024-03-30 00:00:00" << "2024-04-05 23:59:59";
    QTest::newRow("clocks go back in the week")
        << "2024-10-26 23:59:00" << "2024-10-26 00:00:00" << "2024-11-01 23:59:59";
    QTest::newRow("over the year's end") << "2024-12-28 08:00:00" << "2024-12-28 00:00:00" << "2025-01-03 23:59:59";
}

void TestCourseLists::weekPeriod()
{
    QFETCH(QString, now);
    QFETCH(QString, start);
    QFETCH(QString, end);
    TestClock clock(berlinMillis(now));
    const QPair<QString, QString> period = mainWindow::weekSchedulePeriod();
    QCOMPARE(period.first, start);
    QCOMPARE(period.second, end);
}

void TestCourseLists::refreshEntryPace()
{
    TestClock clock(berlinMillis("2024-06-03 10:00:00"));
    CoursePageModel page;
    QVERIFY(page.tryRefresh());
    clock.advance(4999);
    QVERIFY(!page.tryRefresh());
    clock.advance(1);
    QVERIFY(page.tryRefresh());
    QVERIFY(!page.tryRefresh());
    // A clock set back does not lock the entry.
    clock.advance(-60000);
    QVERIFY(page.tryRefresh());
}

QTEST_GUILESS_MAIN(TestCourseLists)
#include "tst_courselists.moc"
