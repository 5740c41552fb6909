// The teaching assistant of a class window opened through the class harness:
// its toasts for private messages and raised hands, its one-at-a-time image
// downloads from the stand-in service's files, and the discussion polling of a
// big class against the stand-in over HTTP on the settable clock (poll ticks
// are delivered by hand, so no test waits out the 5 s timer). Then the panel
// itself, TeachingAssistant.qml in a real QQuickView offscreen with a real
// assistant behind it: unread counts, notices and the conversation, the range
// buttons of notes and previews, and a picture of the panel.
#include "ClassHarness.h"
#include "QmlScene.h"
#include "TestClock.h"
#include "TestPictures.h"

#include "base/dialog/CToast.h"
#include "modules/live/TeachingAssistant/TQTeachingAssistant.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/login/LoginManager.h"
#include "platform/http/ApiPaths.h"

#include <QJsonArray>
#include <QLabel>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr qint64 kStudent = 20001;
constexpr qint64 kOtherStudent = 20002;

TQInClassMessage message(qint64 from, const char *name, const char *body)
{
    TQInClassMessage m;
    m.mFromUserID = int(from);
    m.mFromUserName = name;
    m.mMessageBody = body;
    m.mReceivingTimeStamp = 1700000000000;
    return m;
}

// Texts of the toasts shown over the window.
QStringList toastTexts(QWidget *window)
{
    QStringList texts;
    for (CToast *toast : window->findChildren<CToast *>())
        for (QLabel *label : toast->findChildren<QLabel *>())
            texts << label->text();
    return texts;
}

// A class window whose course detail arrived (big class when asked).
struct OpenClass
{
    ClassHarness harness;
    TQLiveBroadCastActivity *window = nullptr;
    TQTeachingAssistant *assistant = nullptr;

    OpenClass()
    {
        // A course left by an earlier window must not pass for this one's.
        // It is let go, not deleted: that window's real-time manager goes
        // from the event loop and may still read it.
        TQDataModelBean::m_pOngoingCourse = nullptr;
        window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
        assistant = window ? window->getTeachingAssistant() : nullptr;
    }
    // The window's real-time manager goes from the event loop after the
    // window: it must be gone before the harness resets the stand-in SDK.
    ~OpenClass()
    {
        harness.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool courseLoaded() const
    {
        return QTest::qWaitFor([] { return TQDataModelBean::m_pOngoingCourse != nullptr; }, 10000);
    }
    // The course as a big class (teaching method 5) or not; the toasts and
    // the service's record of an earlier test are cleared.
    void reset(bool bigClass)
    {
        qDeleteAll(window->findChildren<CToast *>());
        TQDataModelBean::m_pOngoingCourse->teaching_method = bigClass ? 5 : 0;
        assistant->onOpenPublicMessagePanel(false);
        assistant->setCurrentPrivateMessageUserID(0);
        harness.service().clearReplies();
        harness.service().clearRequests();
    }
};

QJsonObject listReply(const QJsonArray &messages)
{
    return QJsonObject{{"statusCode", 0}, {"errorMsg", ""}, {"returnResult", messages}};
}

void pollTick(TQTeachingAssistant *assistant)
{
    QTimerEvent tick(assistant->pollTimerId());
    QCoreApplication::sendEvent(assistant, &tick);
}

// A material of `pages` pages; page p carries a note of type 1 on every
// fourth page and one of type 2 on every page.
QJsonObject material(int id, int pages)
{
    QJsonArray items;
    for (int p = 0; p < pages; ++p) {
        QJsonArray notes{QJsonObject{{"type", 2}, {"data", QJsonObject{{"file_url", QStringLiteral("http://n/%1b").arg(p)}}}}};
        if (p % 4 == 0)
            notes.prepend(QJsonObject{{"type", 1},
                                      {"data", QJsonObject{{"file_url", QStringLiteral("http://n/%1a").arg(p)},
                                                           {"width", 200}, {"height", 100}}}});
        items.append(QJsonObject{{"file_url", QStringLiteral("http://p/%1").arg(p)}, {"correlations", notes}});
    }
    return QJsonObject{{"material_id", QString::number(id)}, {"raw_material_id", QString::number(id - 1000)},
                       {"material_name", QStringLiteral("讲义%1").arg(id)}, {"number_of_page", pages},
                       {"file_items", items}};
}

// Items a Repeater made are children of the visual tree only.
QQuickItem *findItem(QQuickItem *under, const QString &name)
{
    for (QQuickItem *child : under->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// The panel in a shown view, driven by a real assistant without a window.
struct AssistantPanel
{
    TQTeachingAssistant assistant{nullptr, nullptr};
    QQuickView view;
    QQuickItem *root = nullptr;

    AssistantPanel()
    {
        view.rootContext()->setContextProperty(QStringLiteral("teachingAssistantObject"), &assistant);
        view.rootContext()->setContextProperty(QStringLiteral("normalTextHeight"), 16);
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.resize(24 * 16, 640);
        if (loadQmlScene(view, "import QtQuick 2.12\nimport \"qrc:/Qml/TeachingAssistant\"\n"
                               "TeachingAssistant { teacherUserID: \"10001\" }\n")) {
            root = view.rootObject();
            view.show();
        }
    }
    QQuickItem *item(const char *name) const { return root->findChild<QQuickItem *>(QLatin1String(name)); }
    int unread(int tab) const
    {
        QQuickItem *cell = findItem(item("assistantTabs"), QStringLiteral("tab_%1").arg(tab));
        return cell ? cell->property("unreadCount").toInt() : -1;
    }
    QStringList rangeLabels(const char *grid) const
    {
        QStringList labels;
        for (int i = 0; QQuickItem *button = findItem(item(grid), QStringLiteral("range_%1").arg(i)); ++i)
            labels << findItem(button, QStringLiteral("rangeLabel"))->property("text").toString();
        return labels;
    }
    QVariant call(const char *function, const QVariant &a = QVariant(), const QVariant &b = QVariant())
    {
        QVariant result;
        QMetaObject::invokeMethod(root, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, a),
                                  Q_ARG(QVariant, b));
        return result;
    }
};

} // namespace

class TestTeachingAssistant : public QObject
{
    Q_OBJECT

    // One class window for the whole program: a connected class is opened
    // and closed once.
    std::unique_ptr<OpenClass> m_class;
    OpenClass *openClass(bool bigClass = false)
    {
        m_class->reset(bigClass);
        return m_class.get();
    }

private slots:
    void initTestCase()
    {
        m_class = std::make_unique<OpenClass>();
        QVERIFY(m_class->assistant);
        QVERIFY(m_class->courseLoaded());
        // The class start's own work (its material's previews among it) is
        // done before the tests look at queues and requests.
        QVERIFY(m_class->harness.waitForTeaching());
        QTRY_VERIFY_WITH_TIMEOUT(m_class->assistant->downloadQueue().empty() && !m_class->assistant->isDownloading(),
                                 10000);
    }
    void cleanupTestCase() { m_class.reset(); }

    void privateMessageToasts_data();
    void privateMessageToasts();
    void raisedHandToastsAndReports();
    void conversationOfAParticipant();
    void imagesDownloadOneAtATime();
    void failedDownloadLeavesTheQueue();
    void discussionPollingSchedule();
    void sentDiscussionMessageRefreshesTheList();
    void discussionOutsideBigClassesIsOnlyLogged();

    void unreadCountsAndNotices();
    void rangeButtons_data();
    void rangeButtons();
    void notesListTypeOneFirstThenEveryNote();
    void panelPicture();
};

void TestTeachingAssistant::privateMessageToasts_data()
{
    QTest::addColumn<qint64>("sender");
    QTest::addColumn<qint64>("openConversation");
    QTest::addColumn<bool>("toast");
    QTest::newRow("another student") << kStudent << kOtherStudent << true;
    QTest::newRow("no conversation open") << kStudent << qint64(0) << true;
    QTest::newRow("the open conversation's student") << kStudent << kStudent << false;
    QTest::newRow("the teacher's own message") << qint64(LoginManager::getUserID().toLongLong()) << kStudent << false;
}

void TestTeachingAssistant::privateMessageToasts()
{
    QFETCH(qint64, sender);
    QFETCH(qint64, openConversation);
    QFETCH(bool, toast);

    OpenClass &cls = *openClass();
    QVERIFY(cls.assistant);
    // The teacher's id is only known once the harness signed her in.
    if (sender == 0)
        sender = LoginManager::getUserID().toLongLong();
    QVERIFY(sender != 0);
    QSignalSpy shown(cls.assistant, &TQTeachingAssistant::addPrivateMessage_signal);
    cls.assistant->setCurrentPrivateMessageUserID(long(openConversation));
    cls.assistant->addPrivateMessage(message(sender, "王小明", "老师，这题怎么做？"));

    // Every message reaches the panel; only the toast depends on who sent it.
    QCOMPARE(shown.size(), 1);
    const QJsonObject json = shown.first().first().toJsonObject();
    QCOMPARE(json.value("userID").toString(), QString::number(sender));
    QCOMPARE(json.value("messageBody").toString(), QStringLiteral("老师，这题怎么做？"));
    QCOMPARE(toastTexts(cls.window),
             toast ? QStringList{QStringLiteral("王小明发来一条私信")} : QStringList());
}

void TestTeachingAssistant::raisedHandToastsAndReports()
{
    OpenClass &cls = *openClass();
    QVERIFY(cls.assistant);
    QSignalSpy hands(cls.assistant, &TQTeachingAssistant::addRaiseHandMessage_signal);
    const QDateTime at(QDate(2026, 3, 9), QTime(14, 5, 7));
    cls.assistant->addRaiseHandMessage(int(kStudent), QStringLiteral("李华"), at.toMSecsSinceEpoch());

    QCOMPARE(hands.size(), 1);
    const QJsonObject json = hands.first().first().toJsonObject();
    QCOMPARE(json, (QJsonObject{{"userID", "20001"}, {"userName", QStringLiteral("李华")},
                                {"messageTime", "2026-03-09 14:05:07"}}));
    QCOMPARE(toastTexts(cls.window), QStringList{QStringLiteral("李华举手了")});
}

void TestTeachingAssistant::conversationOfAParticipant()
{
    OpenClass &cls = *openClass();
    QVERIFY(cls.assistant);
    QVERIFY(cls.courseLoaded());
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    QVERIFY(!course->participants.isEmpty());
    CParticipantBean *student = course->participants.first();
    student->remarkName = "小明";
    for (const char *body : {"第一条", "第二条"}) {
        TQInClassMessage m = message(student->mUserId, "小明", body);
        student->mArrayOfPrivateMessages.append(new TQInClassMessage(m));
    }
    QSignalSpy opened(cls.assistant, &TQTeachingAssistant::openPrivateMessaageToOne_signal);

    cls.assistant->goToPrivateMessageToOne(student->mUserId);
    QCOMPARE(opened.size(), 1);
    const QJsonObject json = opened.first().first().toJsonObject();
    QCOMPARE(json.value("userID").toString(), QString::number(student->mUserId));
    QCOMPARE(json.value("userName").toString(), QStringLiteral("小明"));
    const QJsonArray messages = json.value("messages").toArray();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(1).toObject().value("messageBody").toString(), QStringLiteral("第二条"));

    // An id that is no participant opens nothing.
    cls.assistant->goToPrivateMessageToOne(987654);
    QCOMPARE(opened.size(), 1);
}

void TestTeachingAssistant::imagesDownloadOneAtATime()
{
    OpenClass &cls = *openClass();
    QVERIFY(cls.assistant);
    const QString base = cls.harness.service().baseUrl() + QStringLiteral("/files/course/");
    // Query texts keep them apart from the course's own pages, which the
    // window fetches on its own.
    const QString a = base + "page1.png?ta=1", b = base + "page2.jpg?ta=2", c = base + "page3.png?ta=3";
    QSignalSpy ready(cls.assistant, &TQTeachingAssistant::imageFileDownloaded_signal);
    cls.harness.service().clearRequests();

    cls.assistant->downloadUrl(a);
    cls.assistant->downloadUrl(a);
    cls.assistant->downloadUrl(b);
    cls.assistant->downloadUrl(c);
    // The same URL is queued once; one download runs, the others wait.
    QCOMPARE(cls.assistant->downloadQueue(), (std::vector<QString>{a, b, c}));
    QVERIFY(cls.assistant->isDownloading());

    auto reported = [&ready] {
        QStringList urls;
        for (const QList<QVariant> &args : ready)
            if (args.at(1).toString().contains(QLatin1String("?ta=")))
                urls << args.at(1).toString();
        return urls;
    };
    QTRY_COMPARE(reported(), (QStringList{a, b, c}));
    QVERIFY(QFile::exists(ready.last().at(0).toString()));
    QVERIFY(cls.assistant->downloadQueue().empty());
    QVERIFY(!cls.assistant->isDownloading());
    auto fetched = [&cls](const QString &tag) {
        int n = 0;
        for (const StandInService::Request &r : cls.harness.service().requests())
            n += r.query.queryItemValue(QStringLiteral("ta")) == tag ? 1 : 0;
        return n;
    };
    QCOMPARE(fetched("1"), 1);

    // A cached image is reported at once, without a request.
    cls.assistant->downloadUrl(b);
    QCOMPARE(reported(), (QStringList{a, b, c, b}));
    QVERIFY(!cls.assistant->isDownloading());
    QCOMPARE(fetched("2"), 1);
}

void TestTeachingAssistant::failedDownloadLeavesTheQueue()
{
    OpenClass &cls = *openClass();
    QVERIFY(cls.assistant);
    const QString missing = cls.harness.service().baseUrl() + QStringLiteral("/files/course/gone.png");
    const QString there = cls.harness.service().baseUrl() + QStringLiteral("/files/course/page1_note.png");
    QSignalSpy ready(cls.assistant, &TQTeachingAssistant::imageFileDownloaded_signal);

    cls.assistant->downloadUrl(missing);
    cls.assistant->downloadUrl(there);
    // The failed one is dropped without a report and the next one follows.
    QTRY_COMPARE(ready.size(), 1);
    QCOMPARE(ready.first().at(1).toString(), there);
    QTRY_VERIFY(!cls.assistant->isDownloading());
    QVERIFY(cls.assistant->downloadQueue().empty());
}

void TestTeachingAssistant::discussionPollingSchedule()
{
    OpenClass &cls = *openClass(true);
    QVERIFY(cls.assistant);
    QVERIFY(cls.courseLoaded());
    QVERIFY(TQDataModelBean::m_pOngoingCourse->isBigClass());
    TestClock &clock = cls.harness.clock();
    StandInService &service = cls.harness.service();
    const QString list = ApiPaths::kGetScheduleMessages;
    QSignalSpy lists(cls.assistant, &TQTeachingAssistant::addMessageList_signal);
    const qint64 newest = 1765400000123;
    service.queueReply(list, StandInService::Reply::json(listReply(
        {QJsonObject{{"microtime", double(newest)}, {"user_id", "20001"}, {"body", QStringLiteral("第二条")}},
         QJsonObject{{"microtime", double(newest - 5000)}, {"user_id", "20002"}, {"body", QStringLiteral("第一条")}}})));
    service.setReply(list, StandInService::Reply::json(listReply({})));

    // Closed: no timer, nothing asked.
    QVERIFY(!cls.assistant->isPolling());
    // Opening asks at once, from the start.
    cls.assistant->onOpenPublicMessagePanel(true);
    QVERIFY(cls.assistant->isPolling());
    QTRY_COMPARE(lists.size(), 1);
    QList<StandInService::Request> asked = service.requestsTo(list);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().formValue("courseScheduleID"), QStringLiteral("30001"));
    QCOMPARE(asked.first().formValue("offset"), QString());
    QCOMPARE(cls.assistant->newestMessageTimeStamp(), newest);
    QCOMPARE(cls.assistant->lastMessageListArrivalMs(), clock.now());

    // A tick within 3 s of the last list skips its turn.
    clock.advance(3000);
    pollTick(cls.assistant);
    QTest::qWait(100);
    QCOMPARE(service.requestsTo(list).size(), 1);
    // Past 3 s it asks for what is newer than the newest message held.
    clock.advance(1);
    pollTick(cls.assistant);
    QTRY_COMPARE(service.requestsTo(list).size(), 2);
    QCOMPARE(service.requestsTo(list).last().formValue("offset"), QString::number(newest));
    // The empty answer moves the arrival time, not the newest stamp.
    QTRY_COMPARE(cls.assistant->lastMessageListArrivalMs(), clock.now());
    QCOMPARE(cls.assistant->newestMessageTimeStamp(), newest);
    QCOMPARE(lists.size(), 1);

    // Closing stops the polling.
    cls.assistant->onOpenPublicMessagePanel(false);
    QVERIFY(!cls.assistant->isPolling());
}

void TestTeachingAssistant::sentDiscussionMessageRefreshesTheList()
{
    OpenClass &cls = *openClass(true);
    QVERIFY(cls.assistant);
    QVERIFY(cls.courseLoaded());
    StandInService &service = cls.harness.service();
    service.setReply(ApiPaths::kGetScheduleMessages, StandInService::Reply::json(listReply({})));
    QElapsedTimer sent;

    cls.assistant->sendPublicMessage(QStringLiteral(" 大家好 "));
    sent.start();
    QTRY_COMPARE(service.requestsTo(ApiPaths::kPubScheduleMessage).size(), 1);
    const StandInService::Request pub = service.requestsTo(ApiPaths::kPubScheduleMessage).first();
    QCOMPARE(pub.formValue("courseScheduleID"), QStringLiteral("30001"));
    QCOMPARE(pub.formValue("body"), QStringLiteral(" 大家好 "));
    // The list follows about a second later.
    QCOMPARE(service.requestsTo(ApiPaths::kGetScheduleMessages).size(), 0);
    QTRY_COMPARE(service.requestsTo(ApiPaths::kGetScheduleMessages).size(), 1);
    QVERIFY(sent.elapsed() >= TQTeachingAssistant::kRefreshAfterSendMs - 50);
}

void TestTeachingAssistant::discussionOutsideBigClassesIsOnlyLogged()
{
    OpenClass &cls = *openClass();
    QVERIFY(cls.assistant);
    QVERIFY(cls.courseLoaded());
    QVERIFY(!TQDataModelBean::m_pOngoingCourse->isBigClass());
    cls.assistant->sendPublicMessage(QStringLiteral("你好"));
    cls.assistant->onOpenPublicMessagePanel(true);
    QTest::qWait(TQTeachingAssistant::kRefreshAfterSendMs + 200);
    QCOMPARE(cls.harness.service().requestsTo(ApiPaths::kPubScheduleMessage).size(), 0);
    QCOMPARE(cls.harness.service().requestsTo(ApiPaths::kGetScheduleMessages).size(), 0);
}

// The panel --------------------------------------------------------------------

void TestTeachingAssistant::unreadCountsAndNotices()
{
    AssistantPanel panel;
    QVERIFY(panel.root);
    QQuickItem *tabs = panel.item("assistantTabs");
    QQuickItem *privateView = panel.item("privateView");
    QCOMPARE(tabs->property("focusValue").toInt(), 3);

    panel.assistant.addPublicMessage(message(kStudent, "小明", "大家好"));
    panel.assistant.addRaiseHandMessage(int(kOtherStudent), QStringLiteral("李华"), 1700000000000);
    panel.assistant.addPrivateMessage(message(kStudent, "小明", "老师"));
    QCOMPARE(panel.unread(1), 1);
    QCOMPARE(panel.unread(2), 2);
    QVERIFY(panel.root->property("hasNewMessage").toBool());
    QCOMPARE(privateView->property("noticeCount").toInt(), 2);

    // The selected tab counts nothing.
    tabs->setProperty("focusValue", 1);
    panel.assistant.addPublicMessage(message(kStudent, "小明", "又一条"));
    QCOMPARE(panel.unread(1), 1);
    QCOMPARE(panel.item("publicView")->property("count").toInt(), 2);

    // Opening a conversation selects "私信" and clears its count.
    emit panel.assistant.openPrivateMessaageToOne_signal(
        QJsonObject{{"userID", "20001"}, {"userName", QStringLiteral("小明")},
                    {"messages", QJsonArray{message(kStudent, "小明", "老师").toJson()}}});
    QCOMPARE(tabs->property("focusValue").toInt(), 2);
    QCOMPARE(panel.unread(2), 0);
    QCOMPARE(panel.assistant.currentPrivateMessageUserID(), long(kStudent));
    QQuickItem *conversation = panel.item("conversation");
    QCOMPARE(conversation->property("count").toInt(), 1);

    // The teacher's own message joins the conversation but is no notice.
    panel.assistant.addPrivateMessage(message(10001, "老师", "马上讲"));
    QCOMPARE(conversation->property("count").toInt(), 2);
    QCOMPARE(privateView->property("noticeCount").toInt(), 2);
    // Another student's message is a notice only.
    panel.assistant.addPrivateMessage(message(kOtherStudent, "李华", "我也有问题"));
    QCOMPARE(conversation->property("count").toInt(), 2);
    QCOMPARE(privateView->property("noticeCount").toInt(), 3);
}

void TestTeachingAssistant::rangeButtons_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("40") << 40 << QStringList{"1 - 40"};
    QTest::newRow("80") << 80 << QStringList{"1 - 40", "41 - 80"};
    QTest::newRow("81") << 81 << QStringList{"1 - 40", "41 - 80", "81 - 81"};
}

void TestTeachingAssistant::rangeButtons()
{
    QFETCH(int, pages);
    QFETCH(QStringList, labels);
    AssistantPanel panel;
    QVERIFY(panel.root);
    emit panel.assistant.addMaterialDetail_signal(material(7001, pages));
    QCOMPARE(panel.call("setMaterialCurrentPage", 7001, 0).toInt(), pages);

    QCOMPARE(panel.rangeLabels("previewRanges"), labels);
    QCOMPARE(panel.rangeLabels("noteRanges"), labels);
    QQuickItem *previews = panel.item("previewView");
    QCOMPARE(previews->property("count").toInt(), qMin(pages, 40));
    // The last range holds what remains.
    QQuickItem *last = findItem(panel.item("previewRanges"), QStringLiteral("range_%1").arg(labels.size() - 1));
    panel.item("assistantTabs")->setProperty("focusValue", 5);
    QTest::qWait(50);
    QTest::mouseClick(&panel.view, Qt::LeftButton, Qt::NoModifier,
                      last->mapToScene(QPointF(last->width() / 2, last->height() / 2)).toPoint());
    QCOMPARE(previews->property("count").toInt(), pages - 40 * (labels.size() - 1));
    QCOMPARE(last->property("color").value<QColor>(), QColor("#3A78E6"));
}

void TestTeachingAssistant::notesListTypeOneFirstThenEveryNote()
{
    AssistantPanel panel;
    QVERIFY(panel.root);
    emit panel.assistant.addMaterialDetail_signal(material(7002, 81));
    panel.call("setMaterialCurrentPage", 7002, 3);
    QQuickItem *notes = panel.item("commentsView");
    // First shown: type-1 notes of pages 1-40 only (every fourth page).
    QCOMPARE(notes->property("count").toInt(), 10);
    // A chosen range lists every note of its pages.
    QMetaObject::invokeMethod(panel.item("noteRanges"), "rangeChosen", Q_ARG(int, 0));
    QCOMPARE(notes->property("count").toInt(), 50);
    QMetaObject::invokeMethod(panel.item("noteRanges"), "rangeChosen", Q_ARG(int, 2));
    // Page 81 (index 80) has both kinds.
    QCOMPARE(notes->property("count").toInt(), 2);
    // The same material again does not reload the view.
    panel.call("setMaterialCurrentPage", 7002, 4);
    QCOMPARE(notes->property("count").toInt(), 2);
}

void TestTeachingAssistant::panelPicture()
{
    AssistantPanel panel;
    QVERIFY(panel.root);
    emit panel.assistant.addMaterialDetail_signal(material(7003, 12));
    panel.call("setMaterialCurrentPage", 7003, 2);
    panel.assistant.addRaiseHandMessage(int(kOtherStudent), QStringLiteral("李华"), 1700000000000);
    panel.assistant.addPrivateMessage(message(kStudent, "王小明同学的名字很长", "老师，这题怎么做？"));
    emit panel.assistant.openPrivateMessaageToOne_signal(
        QJsonObject{{"userID", "20001"}, {"userName", QStringLiteral("王小明")},
                    {"messages", QJsonArray{message(kStudent, "王小明", "老师，第三题的第二步为什么要移项？").toJson()}}});
    panel.assistant.addPrivateMessage(message(10001, "老师", "很好。这个问题过几分钟会讲到。"));
    panel.item("conversation")->findChild<QQuickItem *>(QStringLiteral("phraseList"))->setProperty("visible", true);
    panel.assistant.addPublicMessage(message(kStudent, "王小明", "大家好"));
    QTest::qWait(700); // the conversation slides in
    const QImage picture = grabQuickView(&panel.view);
    QVERIFY(!picture.isNull());
    QVERIFY(!saveTestPicture(picture, QStringLiteral("assistant_panel")).isEmpty());
    // The header band and the white panel below it.
    QCOMPARE(picture.pixelColor(picture.width() - 3, 3), QColor("#F9FBFD"));
}

QTEST_MAIN(TestTeachingAssistant)
#include "tst_teachingassistant.moc"
