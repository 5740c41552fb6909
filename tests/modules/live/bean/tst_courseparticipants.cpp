#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/TQCallQualityStats.h"
#include "modules/login/LoginManager.h"
#include "utils/TimeUtils.h"

#include <QCameraInfo>
#include <QJsonArray>
#include <QtTest>

#include "CourseFixture.h"
#include "StdTestPrinting.h"
#include "TestClock.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kTeacherId = 12345678;

QJsonObject entry(const QString &userId, const QString &role, const QString &nick = QString())
{
    return QJsonObject{{"bystander", role},
                       {"gold_cup_num", 1},
                       {"user_brief_info", QJsonObject{{"user_id", userId}, {"user_nick_name", nick}}}};
}

// A course with the given lists; the lecturer is the signed-in teacher.
std::unique_ptr<CourseDetailBean> course(const QJsonArray &participants, const QJsonArray &bystanders = {},
                                         const QJsonArray &supervisors = {})
{
    return std::make_unique<CourseDetailBean>(
        QJsonObject{{"lecture_teacher", QJsonObject{{"user_id", QString::number(kTeacherId)}}},
                    {"participants", participants},
                    {"bystanders", bystanders},
                    {"supervisors", supervisors}});
}

QStringList ids(const QList<CParticipantBean *> &list)
{
    QStringList out;
    for (const CParticipantBean *p : list)
        out << QString::fromStdString(p->userBriefInfo.userId);
    return out;
}

} // namespace

class TestCourseParticipants : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void fixtureLists();
    void userMapKeepsFirst();
    void resetForNewSession();
    void queries();
    void onlineUserIds();
    void checkStudentStatus_data();
    void checkStudentStatus();
    void placeholderBecomesParticipant_data();
    void placeholderBecomesParticipant();
    void transferRefusesListedParticipant();
    void bystanderNeverLeavesEveryList();
    void resetKeepsMovedBystanderAndDropsPlaceholder();
    void homeworkStatus();
};

void TestCourseParticipants::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", "t"}}},
        {"accountDetails", QJsonObject{{"user_id", QString::number(kTeacherId)}, {"user_nick_name", "王老师"}}}});
    QCOMPARE(LoginManager::getUserID(), QString::number(kTeacherId));
}

void TestCourseParticipants::cleanup()
{
    setTestClockMillis(0);
}

void TestCourseParticipants::fixtureLists()
{
    CourseDetailBean detail(courseDetailFixture());
    // The lecturer's own entry among the participants is not listed.
    QCOMPARE(ids(detail.participants), (QStringList{"20001", "20002", "20003"}));
    QCOMPARE(ids(detail.bystanders), QStringList{"30001"});
    QCOMPARE(ids(detail.supervisors), QStringList{"40001"});
    QVERIFY(detail.mFourthGroup.isEmpty());
    // Nobody is filed before the class is set up.
    QCOMPARE(detail.getParticipant(20001), nullptr);
    detail.resetParticipantsForNewSession();
    for (const QString &id : {"20001", "20002", "20003", "30001", "40001"})
        QVERIFY2(detail.getParticipant(id.toLongLong()), qPrintable(id));
    QCOMPARE(detail.getParticipant(kTeacherId), nullptr);
    QCOMPARE(detail.getParticipant(qint64(INT_MAX) + 20001), nullptr);
    QCOMPARE(detail.getParticipant(20001)->getDisplayName(), std::string("小明（三班）"));
    QCOMPARE(detail.getParticipant(20002)->getDisplayName(), std::string("小红"));
}

void TestCourseParticipants::userMapKeepsFirst()
{
    auto c = course({entry("7", "0", "first"), entry("7", "0", "second"), entry("", "0", "no id")});
    c->resetParticipantsForNewSession();
    QCOMPARE(c->participants.size(), 3);
    QCOMPARE(c->getParticipant(7)->userBriefInfo.userNickName, std::string("first"));
    QCOMPARE(c->getParticipant(0), nullptr); // an entry without id text is never filed
    c->addUserToHashMap(c->participants.at(1));
    QCOMPARE(c->getParticipant(7), c->participants.at(0));
    c->removeUserFromHashMap(c->participants.at(1)); // erases whatever sits under the id
    QCOMPARE(c->getParticipant(7), nullptr);
    c->addUserToHashMap(nullptr);
}

void TestCourseParticipants::resetForNewSession()
{
    auto c = course({entry("1", "9"), entry("2", "0")}, {entry("3", "0")}, {entry("4", "")});
    auto *message = new TQInClassMessage;
    c->addPublicMessage(message);
    c->mTeacherAudioMuted = true;
    c->mTeacherOnStage = 1;
    c->mDefaultStudentAudioOn = false;
    c->mCallQualityStats->addNetworkQuality({currentTimeMillis(), 1, 1});
    c->participants.at(0)->mClassJoinedInData = true;
    QVERIFY(c->checkStudentStatus(99, false));

    c->resetParticipantsForNewSession();
    QCOMPARE(c->participants.at(0)->bystander, std::string("0"));
    QCOMPARE(c->bystanders.at(0)->bystander, std::string("1"));
    QCOMPARE(c->supervisors.at(0)->bystander, std::string("2"));
    QVERIFY(!c->participants.at(0)->mClassJoinedInData);
    QVERIFY(c->participants.at(0)->mAvgAudioVideoQuality);
    QVERIFY(c->lecture_teacher->mAvgAudioVideoQuality);
    QCOMPARE(c->getParticipant(kTeacherId), nullptr);
    QVERIFY(c->mArrayOfNewlyAddedStudents.isEmpty());
    QCOMPARE(c->getParticipant(99), nullptr);
    QVERIFY(!c->mTeacherAudioMuted);
    QCOMPARE(c->mTeacherOnStage, 0);
    QVERIFY(c->mDefaultStudentAudioOn);
    QVERIFY(c->mCallQualityStats->networkSamples().empty());
    QVERIFY(c->mPublicMessages.isEmpty());
    QCOMPARE(c->mTeacherVideoOff, QCameraInfo::availableCameras().isEmpty());
    // Without RTC video the teacher's video is off whatever the cameras.
    c->price_type = 1;
    c->rtm = 2;
    c->resetParticipantsForNewSession();
    QVERIFY(c->mTeacherVideoOff);
}

void TestCourseParticipants::queries()
{
    auto c = course({entry("1", "0"), entry("2", "0"), entry("3", "0"), entry("4", "0"), entry("5", "0")},
                    {entry("6", "1")});
    c->resetParticipantsForNewSession();
    auto p = [&](int id) { return c->getParticipant(id); };
    p(1)->mSelectedToVideoRoom = true; // offline, in the video room
    p(2)->mPickedForTalk = 1;          // picked but offline
    p(3)->mPickedForTalk = 1;          // picked and online
    p(3)->mClassJoinedInData = true;
    p(4)->mClassJoinedInData = true;   // online, in the black room
    p(4)->mInsideBlackroom = true;
    p(5)->mClassJoinedInData = true;

    QCOMPARE(ids(c->getStudentsOnStage()), (QStringList{"1", "3"}));
    QCOMPARE(ids(c->getOnlineStudentsNotOnStage()), (QStringList{"3", "5"}));
    QCOMPARE(ids(c->getStudentsNotOnStageNotInBlackRoom()), (QStringList{"2", "3", "5"}));
    QCOMPARE(ids(c->getOnlineStudentsNotInBlackRoom()), (QStringList{"3", "5"}));
    QVERIFY(c->hasOnlineStudent());

    for (int id = 1; id <= 5; ++id)
        p(id)->mClassJoinedInData = false;
    QVERIFY(!c->hasOnlineStudent());
    QVERIFY(!c->hasOnlineStudentOrBystander());
    p(6)->mClassJoinedInData = true;
    QVERIFY(!c->hasOnlineStudent());
    QVERIFY(c->hasOnlineStudentOrBystander());

    c->setParticipantsShouldAudioOn(false);
    QVERIFY(!p(1)->mShouldAudioOn && !p(5)->mShouldAudioOn);
    QVERIFY(p(6)->mShouldAudioOn);
    c->mTeacherAudioMuted = true;
    c->clearTeacherMuted();
    QVERIFY(!c->mTeacherAudioMuted);
}

void TestCourseParticipants::onlineUserIds()
{
    auto c = course({entry("1", "0"), entry("2", "0")}, {entry("6", "1")});
    c->resetParticipantsForNewSession();
    c->getParticipant(2)->mClassJoinedInData = true;
    c->getParticipant(6)->mClassJoinedInData = true;
    QVERIFY(c->checkStudentStatus(77, true));
    c->getParticipant(77)->mClassJoinedInData = true;
    QList<qint64> online = c->getOnlineUserIds();
    std::sort(online.begin(), online.end());
    QCOMPARE(online, (QList<qint64>{2, 6, 77}));
}

// Each row: a participant of a role (or none) with id 500, then calls of
// checkStudentStatus at the given clock offsets; "own" uses the teacher's id.
void TestCourseParticipants::checkStudentStatus_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<bool>("mayMove");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<QList<qint64>>("times");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("newlyAdded");

    const qint64 t = 1700000000000;
    QTest::newRow("unknown: asked at once and once more after 5000 ms")
        << "none" << true << t << QList<qint64>{0, 1000, 5000, 5001, 5002, 20000}
        << QList<bool>{true, false, false, true, false, false} << 1;
    QTest::newRow("unknown without the move flag")
        << "none" << false << t << QList<qint64>{0, 6000, 12000} << QList<bool>{true, true, false} << 1;
    QTest::newRow("low 32 bits wrap between the two asks")
        << "none" << true << qint64(0x1FFFFF000) << QList<qint64>{0, 4000, 5001} << QList<bool>{true, false, true} << 1;
    QTest::newRow("own id") << "own" << true << t << QList<qint64>{0, 6000} << QList<bool>{false, false} << 0;
    QTest::newRow("id 0") << "zero" << true << t << QList<qint64>{0} << QList<bool>{false} << 0;
    QTest::newRow("listed participant") << "0" << true << t << QList<qint64>{0, 6000} << QList<bool>{false, false} << 0;
    QTest::newRow("supervisor") << "2" << true << t << QList<qint64>{0} << QList<bool>{false} << 0;
    QTest::newRow("bystander: moved at most twice")
        << "1" << true << t << QList<qint64>{0, 10, 20, 30} << QList<bool>{true, true, false, false} << 1;
    QTest::newRow("bystander without the move flag")
        << "1" << false << t << QList<qint64>{0, 10} << QList<bool>{false, false} << 0;
}

void TestCourseParticipants::checkStudentStatus()
{
    QFETCH(QString, role);
    QFETCH(bool, mayMove);
    QFETCH(qint64, start);
    QFETCH(QList<qint64>, times);
    QFETCH(QList<bool>, answers);
    QFETCH(int, newlyAdded);

    const bool listed = role != "none" && role != "own" && role != "zero";
    QJsonArray participants{entry("1", "0")};
    QJsonArray bystanders{entry("2", "1")};
    QJsonArray supervisors;
    if (role == "0")
        participants.append(entry("500", "0"));
    else if (role == "1")
        bystanders.append(entry("500", "1"));
    else if (role == "2")
        supervisors.append(entry("500", "2"));
    auto c = course(participants, bystanders, supervisors);
    c->resetParticipantsForNewSession();
    const qint64 userId = role == "own" ? kTeacherId : role == "zero" ? 0 : 500;

    TestClock clock(start);
    for (int i = 0; i < times.size(); ++i) {
        clock.set(start + times[i]);
        QVERIFY2(c->checkStudentStatus(userId, mayMove) == answers[i], qPrintable(QString("call %1").arg(i)));
    }
    QCOMPARE(c->mArrayOfNewlyAddedStudents.size(), newlyAdded);
    CParticipantBean *p = c->getParticipant(userId);
    QCOMPARE(bool(p), listed || role == "none");
    if (role == "none") {
        QCOMPARE(p->bystander, std::string("4"));
        QCOMPARE(p->userBriefInfo.userId, std::string("500"));
        QCOMPARE(p->userBriefInfo.userTrueName, std::string("新加入的同学"));
        QVERIFY(p->mAvgAudioVideoQuality);
        QCOMPARE(c->mArrayOfNewlyAddedStudents.first(), p);
    }
    // Whatever happened, every participant of the course is still in some list.
    for (qint64 id : {qint64(1), qint64(2), userId}) {
        CParticipantBean *q = c->getParticipant(id);
        if (!q)
            continue;
        const int lists = c->participants.count(q) + c->bystanders.count(q) + c->supervisors.count(q)
                          + c->mFourthGroup.count(q) + c->mArrayOfNewlyAddedStudents.count(q);
        QCOMPARE(lists, 1);
    }
}

void TestCourseParticipants::placeholderBecomesParticipant_data()
{
    QTest::addColumn<QString>("serverRole");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("list");
    QTest::newRow("participant") << "0" << true << "participants";
    QTest::newRow("bystander") << "1" << false << "bystanders";
    QTest::newRow("supervisor") << "2" << false << "supervisors";
    QTest::newRow("fourth group") << "3" << false << "fourth";
    QTest::newRow("unknown group") << "7" << false << "newly added";
}

void TestCourseParticipants::placeholderBecomesParticipant()
{
    QFETCH(QString, serverRole);
    QFETCH(bool, result);
    QFETCH(QString, list);
    auto c = course({entry("1", "0")});
    c->resetParticipantsForNewSession();
    QVERIFY(c->checkStudentStatus(500, true));
    CParticipantBean *placeholder = c->getParticipant(500);
    placeholder->mClassJoinedInData = true;

    QJsonObject reply = entry("500", serverRole, "小新");
    reply.insert("remark_name", "新同学");
    reply.insert("participant_user_id", "p-500");
    reply.insert("hand_raise_num", 2);
    CParticipantBean server(reply);
    server.courseId = "3001";
    server.userBriefInfo.userTrueName = "张小新";
    QCOMPARE(c->transferNewlyAddedParticipant(&server), result);

    // The course keeps its own record (and its live state) with the server's data.
    CParticipantBean *p = c->getParticipant(500);
    QCOMPARE(p, placeholder);
    QVERIFY(p->mClassJoinedInData);
    QCOMPARE(p->bystander, serverRole.toStdString());
    QCOMPARE(p->remarkName, std::string("新同学"));
    QCOMPARE(p->participantUserId, std::string("p-500"));
    QCOMPARE(p->courseId, std::string("3001"));
    QCOMPARE(p->handRaiseNum, 2);
    QCOMPARE(p->goldCupNum, 1);
    QCOMPARE(p->userBriefInfo.userTrueName, std::string("张小新"));
    QCOMPARE(p->userBriefInfo.userNickName, std::string("小新"));
    const QList<CParticipantBean *> *target = list == "participants" ? &c->participants
                                              : list == "bystanders" ? &c->bystanders
                                              : list == "supervisors" ? &c->supervisors
                                              : list == "fourth"      ? &c->mFourthGroup
                                                                      : &c->mArrayOfNewlyAddedStudents;
    QCOMPARE(target->count(p), 1);
    QCOMPARE(c->mArrayOfNewlyAddedStudents.count(p), list == "newly added" ? 1 : 0);
    // Once merged, the user is no placeholder any more.
    QCOMPARE(c->checkStudentStatus(500, false), false);
}

void TestCourseParticipants::transferRefusesListedParticipant()
{
    auto c = course({entry("1", "0", "one")});
    c->resetParticipantsForNewSession();
    CParticipantBean server(entry("1", "1", "changed"));
    QVERIFY(!c->transferNewlyAddedParticipant(&server));
    QCOMPARE(c->getParticipant(1)->userBriefInfo.userNickName, std::string("one"));
    QCOMPARE(c->participants.size(), 1);
    CParticipantBean stranger(entry("2", "0"));
    QVERIFY(!c->transferNewlyAddedParticipant(&stranger));
    QVERIFY(!c->transferNewlyAddedParticipant(nullptr));

    // A placeholder merged with a reply whose user id is a number keeps its id
    // text, so that it can still be found.
    QVERIFY(c->checkStudentStatus(600, true));
    CParticipantBean numeric(QJsonObject{{"bystander", "0"}, {"user_brief_info", QJsonObject{{"user_id", 600}}}});
    QVERIFY(c->transferNewlyAddedParticipant(&numeric));
    QVERIFY(c->getParticipant(600));
    QCOMPARE(c->getParticipant(600)->userBriefInfo.userId, std::string("600"));
}

// A bystander who shows activity is moved aside to be requested again; the
// server's answer must bring him back into a list, whatever his group.
void TestCourseParticipants::bystanderNeverLeavesEveryList()
{
    auto c = course({entry("1", "0")}, {entry("30", "1", "家长"), entry("31", "1")});
    c->resetParticipantsForNewSession();
    CParticipantBean *p = c->getParticipant(30);
    QVERIFY(c->checkStudentStatus(30, true));
    QVERIFY(!c->bystanders.contains(p));
    QCOMPARE(c->mArrayOfNewlyAddedStudents, QList<CParticipantBean *>{p});

    // The server still lists him as a bystander: back among the bystanders.
    CParticipantBean stillBystander(entry("30", "1", "家长"));
    QVERIFY(!c->transferNewlyAddedParticipant(&stillBystander));
    QVERIFY(c->bystanders.contains(p));
    QVERIFY(c->mArrayOfNewlyAddedStudents.isEmpty());
    QCOMPARE(c->getParticipant(30), p);

    // Seen again: moved aside a second time, and now the server lists him as a student.
    QVERIFY(c->checkStudentStatus(30, true));
    CParticipantBean nowStudent(entry("30", "0", "家长"));
    QVERIFY(c->transferNewlyAddedParticipant(&nowStudent));
    QVERIFY(c->participants.contains(p));
    QVERIFY(!c->bystanders.contains(p));
    QVERIFY(c->mArrayOfNewlyAddedStudents.isEmpty());
    // A third sighting changes nothing: he is a participant now.
    QVERIFY(!c->checkStudentStatus(30, true));
}

void TestCourseParticipants::resetKeepsMovedBystanderAndDropsPlaceholder()
{
    auto c = course({entry("1", "0")}, {entry("30", "1"), entry("31", "1")});
    c->resetParticipantsForNewSession();
    CParticipantBean *bystander = c->getParticipant(30);
    QVERIFY(c->checkStudentStatus(30, true));  // moved aside, no answer yet
    QVERIFY(c->checkStudentStatus(900, true)); // a placeholder
    CParticipantBean *placeholder = c->getParticipant(900);
    placeholder->mClassJoinedInData = true;    // the class may still point at it

    c->resetParticipantsForNewSession();
    QVERIFY(c->bystanders.contains(bystander));
    QCOMPARE(c->getParticipant(30), bystander);
    QCOMPARE(c->getParticipant(900), nullptr);
    QVERIFY(c->mArrayOfNewlyAddedStudents.isEmpty());
    // Dropped, not deleted: still readable until the course goes.
    QVERIFY(placeholder->mClassJoinedInData);
    // A reset counts from zero again.
    QVERIFY(c->checkStudentStatus(900, true));
    QVERIFY(c->getParticipant(900) != nullptr);
}

void TestCourseParticipants::homeworkStatus()
{
    TestClock clock(1700000000000);
    auto c = course({entry("1", "0"), entry("2", "0")});
    c->resetParticipantsForNewSession();
    CParticipantBean *p = c->getParticipant(1);

    c->onsiteHomeworkStatusToTwo(1);
    QCOMPARE(p->mOnSiteHomeworkStatus, 0);
    c->onsiteHomeworkStatusToFourOrOne(1, true);
    QCOMPARE(p->mOnSiteHomeworkStatus, 0);
    c->onsiteHomeworkStatusToOneOrThree(1);
    QCOMPARE(p->mOnSiteHomeworkStatus, 1);
    QCOMPARE(p->mTimeStampOnSiteHomeworkUpdate, clock.now());
    clock.advance(10);
    c->onsiteHomeworkStatusToTwo(1);
    QCOMPARE(p->mOnSiteHomeworkStatus, 2);
    QCOMPARE(p->mTimeStampOnSiteHomeworkUpdate, clock.now());
    c->onsiteHomeworkStatusToFourOrOne(1, true);
    QCOMPARE(p->mOnSiteHomeworkStatus, 4);
    c->onsiteHomeworkStatusToFourOrOne(1, false);
    QCOMPARE(p->mOnSiteHomeworkStatus, 1);
    c->onsiteHomeworkStatusToOneOrThree(1);
    QCOMPARE(p->mOnSiteHomeworkStatus, 3);
    c->onsiteHomeworkStatusToOneOrThree(404); // nobody: nothing happens

    c->resetOnsiteHomeworkStatus();
    QCOMPARE(p->mOnSiteHomeworkStatus, 0);
    QCOMPARE(p->mTimeStampOnSiteHomeworkUpdate, 0);
}

QTEST_GUILESS_MAIN(TestCourseParticipants)
#include "tst_courseparticipants.moc"
