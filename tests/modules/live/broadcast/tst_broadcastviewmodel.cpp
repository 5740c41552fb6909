// The live-class requests view model against the local stand-in: each
// operation's fields as the server receives them and the signal its reply
// becomes, and the failures each operation reports its own way.
#include "ServiceCheck.h"
#include "StandInService.h"
#include "TestLogCapture.h"

#include "modules/coach/course/CourseService.h"
#include "modules/live/bean/CourseScheduleFeedback.h"
#include "modules/live/bean/SendCourseSchedulePictureBean.h"
#include "modules/live/broadcast/TQBroadcastViewModel.h"
#include "modules/login/LoginManager.h"
#include "platform/http/ApiPaths.h"
#include "platform/http/AppInfo.h"
#include "utils/GlobalConfig.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

const QString kUserID = QStringLiteral("10001");
const QString kToken = QStringLiteral("tk");
const QString kOrgID = QStringLiteral("101");

using Params = QMap<QString, QString>;

Params common(const Params &own = {})
{
    return ServiceCheck::withCommon(own, {{"userID", kUserID}, {"userToken", kToken}, {"orgID", kOrgID}});
}

QString path(const char *rest)
{
    return ApiPaths::kPrefix + QLatin1String(rest);
}

// Every signal of the view model, by name, with what it carried as JSON.
struct Results
{
    explicit Results(TQBroadcastViewModel &m)
    {
        using M = TQBroadcastViewModel;
        object(m, &M::getCourseScheduleDetailSuccess_signal, "detail");
        object(m, &M::requestCourseScheduleParticipantSuccess_signal, "participant");
        object(m, &M::sendFeedbackToServerSuccess_signal, "feedback");
        object(m, &M::sendToServerStudentDurationStatusSuccess_signal, "duration");
        object(m, &M::getCourseLiveStreamInfoSuccess_signal, "liveStream");
        failure(m, &M::failure_signal, "failure");
        failure(m, &M::sendStudentDurationFailure_signal, "durationFailure");
        failure(m, &M::onGetRtmpUrlFailed_signal, "rtmpFailure");
        QObject::connect(&m, &M::updateLiveConfigSuccess_signal, [this] { add("liveConfig", {}); });
        QObject::connect(&m, &M::onSuccessFetchRtmpUrl_signal, [this](QString url) { add("rtmp", {{"url", url}}); });
        QObject::connect(&m, &M::onGetMessageListSuccess_signal,
                         [this](QJsonArray &list) { add("messages", {{"array", list}}); });
        QObject::connect(&m, &M::sendCourseSchedulePictureSuccess_signal, [this](SendCourseSchedulePictureBean *bean) {
            add("picture", {{"file_url", QString::fromStdString(bean->fileUrl)}, {"page", bean->pageNum}});
            delete bean; // the receiver takes it
        });
    }
    void object(TQBroadcastViewModel &m, void (TQBroadcastViewModel::*signal)(QJsonObject &), const QString &name)
    {
        QObject::connect(&m, signal, [this, name](QJsonObject &value) { add(name, value); });
    }
    void failure(TQBroadcastViewModel &m, void (TQBroadcastViewModel::*signal)(Failure &), const QString &name)
    {
        QObject::connect(&m, signal, [this, name](Failure &f) {
            add(name, {{"kind", f.getKind()}, {"code", f.getCode()}, {"message", f.getMessage()}});
        });
    }
    void add(const QString &name, const QJsonObject &value)
    {
        events << name;
        values << value;
    }

    QStringList events;
    QList<QJsonObject> values;
};

struct Row
{
    QString name;
    std::function<void(TQBroadcastViewModel &)> call;
    QString path;
    Params fields;
    QString event;     // empty: the reply emits nothing
    QString valuePath; // in the signal's JSON
    QString value;
};

} // namespace

class TestBroadcastViewModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void request_data();
    void request();
    void emptyDurationSendsNothing();
    void failures_data();
    void failures();
    void pictureFailureFreesTheBean();
    void replyShapes();

private:
    void waitQuiet(Results &results, int events);

    StandInService m_service;
    CourseService m_courses;
    QTemporaryDir m_dir;
    QString m_picture;
    CourseScheduleFeedback m_feedback;
    QList<Row> m_rows;
};

void TestBroadcastViewModel::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", kToken}}},
                                            {"accountDetails", QJsonObject{{"user_id", kUserID}}}});
    AppInfo::setOrgId(kOrgID);
    QVERIFY(m_dir.isValid());
    m_picture = m_dir.filePath(QStringLiteral("homework.jpg"));
    QFile out(m_picture);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray("\xff\xd8\xff\xe0 picture", 12));
    out.close();
    m_feedback = {2001, 30001, 5001, 3, "20001", 5, "很好", 120000, 4};

    const QString picture = m_picture;
    const CourseScheduleFeedback *feedback = &m_feedback;
    const QList<TQStageTimeSpan> spans{TQStageTimeSpan(7, 1, 10, -1)};
    m_rows = {
        {"course detail", [](TQBroadcastViewModel &m) { m.getCourseScheduleDetail(30001, 0); },
         path("v3/courses/getCourseScheduleDetailForLecturer"), common({{"courseScheduleID", "30001"}}), "detail",
         "course_content", QStringLiteral("二次函数的图像与性质")},
        {"participant", [](TQBroadcastViewModel &m) { m.requestCourseScheduleParticipant(30001, "20001"); },
         path("v2/courses/getCourseScheduleParticipant"), common({{"courseScheduleID", "30001"}, {"studentID", "20001"}}),
         "participant", "user_brief_info/user_nick_name", QStringLiteral("李明")},
        {"feedback", [feedback](TQBroadcastViewModel &m) { m.sendFeedbackToServer(feedback); },
         path("courses/pushCourseScheduleFeedback"),
         common({{"courseID", "2001"}, {"courseScheduleID", "30001"}, {"materialID", "5001"}, {"pageNum", "3"},
                 {"targetUserID", "20001"}, {"feedbackType", "5"}, {"feedbackStr", QStringLiteral("很好")},
                 {"timeIntervalSinceClassStart", "120000"}, {"maxVideoIndex", "4"}}),
         "feedback", "", "{}"},
        {"homework picture",
         [picture](TQBroadcastViewModel &m) {
             m.sendCourseSchedulePicture(new SendCourseSchedulePictureBean{
                 2001, 30001, 5001, 2, picture.toStdString(), picture.toStdString(), 9, "20001", "", false});
         },
         path("courses/pushParticipantCourseScheduleBinaryRecord"),
         common({{"courseID", "2001"}, {"courseScheduleID", "30001"}, {"materialID", "5001"}, {"pageNum", "2"},
                 {"homeworkID", "9"}, {"targetUserID", "20001"}}),
         "picture", "file_url", m_service.baseUrl() + "/files/board.png"},
        {"live config", [](TQBroadcastViewModel &m) { m.updateLiveConfig(1, "http://127.0.0.1/p.png", 3); },
         path("v1/user/liveConfig"),
         common({{"cameraOn", "1"}, {"liveProfileURL", "http://127.0.0.1/p.png"}, {"profileFilter", "3"}}),
         "liveConfig", "", "{}"},
        {"duration statistics", [](TQBroadcastViewModel &m) { m.sendToServerStudentDurationStatus(30001, "[1]", "[2]"); },
         path("trade/pushLiveStatistics"),
         common({{"courseScheduleID", "30001"}, {"data", "[1]"}, {"lecturerData", "[2]"}}), "duration", "l_balance",
         "280"},
        {"stage statistics", [spans](TQBroadcastViewModel &m) { m.sendScheduleStudentStatusStatistics(30001, spans); },
         path("courses/pushScheduleStatistics"),
         common({{"courseScheduleID", "30001"}, {"type", "1"},
                 {"data", R"([{"e":"-1","s":"10","type":"1","user_id":"7"}])"}}),
         "", "", ""},
        {"sign-in statistics", [](TQBroadcastViewModel &m) { m.sendSignInStatistics(30001, "[3]"); },
         path("courses/pushScheduleStatistics"), common({{"courseScheduleID", "30001"}, {"type", "2"}, {"data", "[3]"}}),
         "", "", ""},
        {"moments", [](TQBroadcastViewModel &m) { m.uploadWonderfulMoment("30001", QStringLiteral("[精彩]")); },
         path("courses/pushScheduleMoments"), common({{"courseScheduleID", "30001"}, {"moments", QStringLiteral("[精彩]")}}),
         "", "", ""},
        {"live stream", [](TQBroadcastViewModel &m) { m.getCourseLiveStreamInfo("30001"); },
         path("courses/getScheduleLiveStream"), common({{"courseScheduleID", "30001"}}), "liveStream", "stream",
         "rtmp://127.0.0.1/live/30001"},
        {"up stream", [](TQBroadcastViewModel &m) { m.getRtmpUrl(30001); }, path("courses/getScheduleUpStream"),
         common({{"courseScheduleID", "30001"}}), "rtmp", "url", "rtmp://127.0.0.1/live/30001?key=standin"},
        {"messages", [](TQBroadcastViewModel &m) { m.getMessageListForWX(30001, "17170000001234"); },
         path("courses/getScheduleMessages"),
         common({{"courseScheduleID", "30001"}, {"pageSize", "50"}, {"offset", "17170000001234"}}), "messages",
         "array/0/body", QStringLiteral("老师好")},
        {"publish message", [](TQBroadcastViewModel &m) { m.sendMessageForWXClass(30001, QStringLiteral("同学们好")); },
         path("courses/pubScheduleMessage"), common({{"courseScheduleID", "30001"}, {"body", QStringLiteral("同学们好")}}),
         "", "", ""},
        {"detail for a student", [](TQBroadcastViewModel &m) { m.getCourseScheduleDetailForStudent(30001); },
         path("v3/courses/getCourseScheduleDetailForStudent"), common({{"courseScheduleID", "30001"}}), "detail", "", "{}"},
    };
}

void TestBroadcastViewModel::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
}

void TestBroadcastViewModel::waitQuiet(Results &results, int events)
{
    QVERIFY(m_service.waitForRequests(1));
    if (events > 0)
        QVERIFY(QTest::qWaitFor([&] { return results.events.size() >= events; }, 10000));
    QTest::qWait(100); // nothing more arrives
}

void TestBroadcastViewModel::request_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < m_rows.size(); ++i)
        QTest::newRow(qPrintable(m_rows.at(i).name)) << i;
}

void TestBroadcastViewModel::request()
{
    QFETCH(int, row);
    const Row &r = m_rows.at(row);
    if (r.path.endsWith("ForStudent"))
        m_service.setReply(r.path, StandInService::Reply::ok());
    TestLogCapture log;
    TQBroadcastViewModel model(&m_courses);
    Results results(model);
    r.call(model);
    waitQuiet(results, r.event.isEmpty() ? 0 : 1);

    const auto sent = m_service.requests();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().path, r.path);
    QCOMPARE(ServiceCheck::fieldsOf(sent.first()), ServiceCheck::inKeyOrder(r.fields));

    if (r.event.isEmpty()) {
        QCOMPARE(results.events, QStringList());
        if (r.path.endsWith("pushScheduleStatistics"))
            QVERIFY(TestLogCapture::currentLogFileText().contains(
                "[WONDERFUL_MOMENT]:TQBroadcastViewModel::sendToServerStudentStatusStatisticsSuccess_slot 推送成功"));
        return;
    }
    QCOMPARE(results.events, QStringList{r.event});
    if (r.valuePath.isEmpty())
        QCOMPARE(QJsonDocument(results.values.first()).toJson(QJsonDocument::Compact), r.value.toUtf8());
    else
        QCOMPARE(ServiceCheck::textAt(results.values.first(), r.valuePath), r.value);
}

void TestBroadcastViewModel::emptyDurationSendsNothing()
{
    TQBroadcastViewModel model(&m_courses);
    Results results(model);
    model.sendToServerStudentDurationStatus(30001, QString(), "[2]");
    QTest::qWait(100);
    QVERIFY(m_service.requests().isEmpty());
    QVERIFY(results.events.isEmpty());
}

void TestBroadcastViewModel::failures_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("event");
    const QMap<QString, QString> events{{"course detail", "failure"},       {"participant", "failure"},
                                        {"feedback", "failure"},            {"live config", "failure"},
                                        {"duration statistics", "durationFailure"},
                                        {"stage statistics", ""},           {"sign-in statistics", ""},
                                        {"moments", "failure"},             {"live stream", "failure"},
                                        {"up stream", "rtmpFailure"},       {"messages", "failure"},
                                        {"publish message", "failure"}};
    for (int i = 0; i < m_rows.size(); ++i) {
        if (events.contains(m_rows.at(i).name))
            QTest::newRow(qPrintable(m_rows.at(i).name)) << i << events.value(m_rows.at(i).name);
    }
}

void TestBroadcastViewModel::failures()
{
    QFETCH(int, row);
    QFETCH(QString, event);
    const Row &r = m_rows.at(row);
    m_service.setReply(r.path, StandInService::Reply::failure(1402, QStringLiteral("课程不存在")));
    TestLogCapture log;
    TQBroadcastViewModel model(&m_courses);
    Results results(model);
    r.call(model);
    waitQuiet(results, event.isEmpty() ? 0 : 1);
    if (event.isEmpty()) {
        QCOMPARE(results.events, QStringList());
        QVERIFY(TestLogCapture::currentLogFileText().contains(
            "[WONDERFUL_MOMENT]:TQBroadcastViewModel::handleSendStudentStatusStatisticsFailure_slot 推送失败"));
        return;
    }
    QCOMPARE(results.events, QStringList{event});
    QCOMPARE(results.values.first().value("code").toInt(), 1402);
    QCOMPARE(results.values.first().value("message").toString(), QStringLiteral("课程不存在"));
}

void TestBroadcastViewModel::pictureFailureFreesTheBean()
{
    m_service.setReply(path("courses/pushParticipantCourseScheduleBinaryRecord"),
                       StandInService::Reply::failure(1500, QStringLiteral("上传失败")));
    TestLogCapture log;
    TQBroadcastViewModel model(&m_courses);
    Results results(model);
    bool logged = false;
    // The failure is announced before the bean goes.
    connect(&model, &TQBroadcastViewModel::failure_signal, this, [&] {
        logged = TestLogCapture::currentLogFileText().contains("LiveBroadcast:http failure:requestCourseScheduleParticipant");
    });
    model.sendCourseSchedulePicture(new SendCourseSchedulePictureBean{2001, 30001, 5001, 2, m_picture.toStdString(),
                                                                      m_picture.toStdString(), 0, "", "", true});
    waitQuiet(results, 1);
    QCOMPARE(results.events, QStringList{"failure"});
    QVERIFY(!logged);
    QVERIFY(TestLogCapture::currentLogFileText().contains("LiveBroadcast:http failure:requestCourseScheduleParticipant"));

    // No request at all: the bean is not lost either, and nothing is sent.
    model.sendCourseSchedulePicture(nullptr);
    QTest::qWait(50);
    QCOMPARE(m_service.requests().size(), 1);
}

void TestBroadcastViewModel::replyShapes()
{
    // A reply without "rtmp" gives an empty address; an object where the
    // message list belongs gives an empty list; no "returnResult" an empty object.
    m_service.setReply(path("courses/getScheduleUpStream"), StandInService::Reply::ok({{"other", 1}}));
    m_service.setReply(path("courses/getScheduleMessages"), StandInService::Reply::ok({{"body", "x"}}));
    m_service.setReply(path("courses/getScheduleLiveStream"),
                       StandInService::Reply::json({{"statusCode", 0}, {"errorMsg", ""}}));
    TQBroadcastViewModel model(&m_courses);
    Results results(model);
    model.getRtmpUrl(30001);
    model.getMessageListForWX(30001, "0");
    model.getCourseLiveStreamInfo("30001");
    QVERIFY(QTest::qWaitFor([&] { return results.events.size() >= 3; }, 10000));
    for (int i = 0; i < results.events.size(); ++i) {
        const QString e = results.events.at(i);
        const QJsonObject v = results.values.at(i);
        if (e == "rtmp")
            QCOMPARE(v, (QJsonObject{{"url", ""}}));
        else if (e == "messages")
            QCOMPARE(v, (QJsonObject{{"array", QJsonArray()}}));
        else
            QCOMPARE(v, QJsonObject());
    }
    QCOMPARE(QSet<QString>(results.events.begin(), results.events.end()),
             (QSet<QString>{"rtmp", "messages", "liveStream"}));
}

QTEST_GUILESS_MAIN(TestBroadcastViewModel)
#include "tst_broadcastviewmodel.moc"
