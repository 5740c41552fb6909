// The board end to end between the teacher and simulated students: the
// board's QML layers in a shown QQuickView with their draw layout and draw
// manager, the live draw data source, the real real-time manager over the
// stand-in SDK, the binary transporter, the student writing manager, and the
// stand-in service answering the paste upload over HTTP. The real-time
// manager, transporter and writing manager are a class context's, and the
// class window's real-time adapter takes what students send: strokes to the
// writing manager, partitions to the transporter, a history request
// registered for bulk sending. SimStudents decode what reaches them with
// their own code.
//
// The slots run in order as one class: the teacher writes, a student writes,
// the teacher pastes a picture, and a late student rebuilds the board from
// the history the first three left behind.
#include "BoardSceneFixture.h"
#include "SimStudent.h"
#include "StandInService.h"
#include "TestClock.h"
#include "TestPictures.h"
#include "UploadParts.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"
#include "common/CommonService.h"
#include "common/uploadfile/UploadFileViewModel.h"
#include "modules/coach/course/CourseService.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQBroadCastRealTimeInterface.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/communications/TQRealTimeEngineFactory.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/communications/binary/TQBinaryTransporterManager.h"
#include "modules/live/draws/TQStudentWritingManager.h"
#include "platform/http/ApiPaths.h"
#include "utils/GlobalConfig.h"

#include "rtsdk/StandInControl.h"

#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

#include <memory>

namespace {

constexpr qint64 kSchedule = 678;
constexpr int kWriter = 42;   // holds the writing right
constexpr int kWatcher = 43;  // only watches
constexpr int kLate = 44;     // comes after everything was drawn
constexpr qint64 kStart = 1000000;

// The bracketed records of a message text, as a receiver cuts them.
QStringList recordsOf(const QString &text)
{
    static const QRegularExpression record(QStringLiteral("\\[[^\\[\\]]*\\]"));
    QStringList out;
    auto it = record.globalMatch(text);
    while (it.hasNext())
        out << it.next().captured(0);
    return out;
}

// The drawing records one student got from the teacher, in arrival order.
QStringList drawingRecords(const SimStudent &student)
{
    QStringList out;
    for (const SimStudent::Envelope &e : student.envelopes()) {
        if (e.tqType == 0 && e.fromUid == BoardSceneFixture::kTeacher && !e.tqMsg.startsWith("[-1,108,"))
            out << recordsOf(e.tqMsg);
    }
    return out;
}

// A red pixel within 3 pixels of `at`: strokes are smoothed and anti-aliased.
bool redNear(const QImage &image, QPoint at)
{
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            const QColor c = image.pixelColor(at + QPoint(dx, dy));
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                return true;
        }
    }
    return false;
}

// The drawing send of the real-time manager, as the class context hands it
// to the board.
class DrawingSend : public TQBroadCastDrawDataSourceInterface::RealTimeManager
{
public:
    explicit DrawingSend(TQRealTimeManager &manager) : mManager(manager) {}
    void addDrawingAction(TQDrawingAction *action) override { mManager.addDrawingAction(action); }
    void pauseDrawingSending(int seconds) override { mManager.pauseDrawingSending(seconds); }

private:
    TQRealTimeManager &mManager;
};

// The window's services with the paste upload sent to the service.
class UploadingServices : public FakeClassServices
{
public:
    UploadFileViewModel *uploads = nullptr;
    void uploadImageFile(const QString &path, int kind, int value) override
    {
        FakeClassServices::uploadImageFile(path, kind, value);
        uploads->uploadImageFile(path, kind, false, QString());
    }
};

// A student the course knows.
std::unique_ptr<CParticipantBean> participant(int uid)
{
    auto p = std::make_unique<CParticipantBean>();
    p->mUserId = uid;
    p->userBriefInfo.userId = std::to_string(uid);
    return p;
}

} // namespace

class TestBoardExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void teacherStrokeReachesStudents();
    void studentStrokeDrawnAndRelayed_data();
    void studentStrokeDrawnAndRelayed();
    void pastedPictureReachesStudents();
    void lateStudentRebuildsHistory();

private:
    QString historyText(int index) const;
    // What the offscreen screen shows of the board.
    QImage boardPicture() const
    {
        return m_scene->view.screen()->grabWindow(m_scene->view.winId()).toImage();
    }
    template <class Action>
    Action *historyAt(int index) const
    {
        return dynamic_cast<Action *>(TQDataModelBean::m_pOngoingCourse->drawingActionAt(index));
    }

    StandInService m_service;
    std::unique_ptr<BoardSceneFixture> m_scene;
    std::unique_ptr<CommonService> m_commonService;
    std::unique_ptr<CourseService> m_courseService;
    std::unique_ptr<UploadFileViewModel> m_uploads;
    std::unique_ptr<UploadingServices> m_services;
    // The class's managers, as the window has them.
    std::unique_ptr<TQLiveBroadCastContext> m_context;
    std::unique_ptr<TQBroadCastMethodService> m_methodService;
    std::unique_ptr<TQBroadCastRealTimeInterface> m_adapter;
    TQRealTimeManager *m_manager = nullptr;
    std::unique_ptr<DrawingSend> m_send;
    TQBinaryTransporterManager *m_transporter = nullptr;
    TQStudentWritingManager *m_writing = nullptr;
    std::vector<std::unique_ptr<CParticipantBean>> m_participants;
    std::unique_ptr<SimStudent> m_writer;
    std::unique_ptr<SimStudent> m_watcher;
};

void TestBoardExchange::initTestCase()
{
    rtsdk::StandInControl::reset();
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());

    m_scene = std::make_unique<BoardSceneFixture>();
    QVERIFY(m_scene->ready());
    CourseDetailBean *course = m_scene->course.course.get();
    course->course_id = "11";
    course->course_schedule_id = std::to_string(kSchedule);
    course->app_id = "app";
    course->dynamic_key = "key";
    course->rtm_token = "tok";
    for (int uid : {kWriter, kWatcher, kLate}) {
        m_participants.push_back(participant(uid));
        course->addUserToHashMap(m_participants.back().get());
    }

    m_commonService = std::make_unique<CommonService>();
    m_courseService = std::make_unique<CourseService>();
    m_uploads = std::make_unique<UploadFileViewModel>(m_commonService.get(), m_courseService.get());
    m_context = std::make_unique<TQLiveBroadCastContext>();
    m_context->courseScheduleID = int(kSchedule);
    m_methodService = std::make_unique<TQBroadCastMethodService>(nullptr, m_context.get());
    m_adapter = std::make_unique<TQBroadCastRealTimeInterface>(m_methodService.get(), m_context.get());
    m_manager = m_context->m_pRealTimeManager;
    m_send = std::make_unique<DrawingSend>(*m_manager);
    m_transporter = m_context->m_pBinaryTransporter;
    m_writing = m_context->m_pStudentWritingManager;
    m_writing->setDrawManager(m_scene->manager());

    // The board reaches the class through the window's services and context.
    m_services = std::make_unique<UploadingServices>();
    m_services->uploads = m_uploads.get();
    m_services->context.realTimeManager = m_send.get();
    m_services->context.transporter = m_transporter;
    m_services->attach(m_scene->source);
    TQDrawManager *board = m_scene->manager();
    connect(m_uploads.get(), &UploadFileViewModel::uploadFileSuccess_signal, board,
            [board](QJsonObject &reply) { board->handleUploadFileSuccess(reply.value("file_url").toString()); });
    connect(m_uploads.get(), &UploadFileViewModel::uploadFileFailure_signal, board,
            [board](Failure &) { board->handleUploadFileFailure(); });

    m_manager->setDelegate(m_adapter.get());
    m_manager->init(0, 1, 4);
    m_manager->loadDataChannel();
    QTRY_VERIFY_WITH_TIMEOUT(m_context->dataConnected, 5000);

    m_writer = std::make_unique<SimStudent>(kWriter, kSchedule);
    m_watcher = std::make_unique<SimStudent>(kWatcher, kSchedule);
    QVERIFY(m_writer->enter());
    QVERIFY(m_watcher->enter());
    QTRY_VERIFY_WITH_TIMEOUT(m_participants.at(0)->mClassJoinedInData && m_participants.at(1)->mClassJoinedInData,
                             5000);
    m_writing->setStudentWritingEnabled(true, kWriter);
}

void TestBoardExchange::cleanupTestCase()
{
    m_writer.reset();
    m_watcher.reset();
    if (m_services)
        m_services->context = TQBroadCastDrawDataSourceInterface::Context();
    if (m_manager)
        m_manager->clearDelegate();
    m_adapter.reset();
    m_methodService.reset();
    m_send.reset();
    m_context.reset();
    m_manager = nullptr;
    m_transporter = nullptr;
    m_writing = nullptr;
    // The context lets its real-time manager go from the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (m_scene) {
        for (auto &p : m_participants)
            m_scene->course.course->removeUserFromHashMap(p.get());
    }
    m_scene.reset();
    m_services.reset();
    rtsdk::StandInControl::reset();
}

QString TestBoardExchange::historyText(int index) const
{
    std::string text;
    TQDataModelBean::m_pOngoingCourse->drawingActionAt(index)->toString(text);
    return QString::fromStdString(text);
}

void TestBoardExchange::teacherStrokeReachesStudents()
{
    // The touch view filters by time: the stroke runs on a fixed clock, so
    // the drawing send holds back everything after the first piece until
    // the clock moves on.
    auto clock = std::make_unique<TestClock>(kStart);
    const struct
    {
        QEvent::Type type;
        QPoint at;
        int ms;
    } stroke[] = {{QEvent::MouseButtonPress, {100, 100}, 0},   {QEvent::MouseMove, {120, 110}, 10},
                  {QEvent::MouseMove, {140, 120}, 20},         {QEvent::MouseMove, {140, 120}, 30},
                  {QEvent::MouseMove, {140, 120}, 40},         {QEvent::MouseButtonRelease, {160, 130}, 50}};
    for (const auto &step : stroke) {
        clock->set(kStart + step.ms);
        m_scene->mouse(step.type, step.at,
                       step.type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton);
    }
    m_scene->drain();
    QTRY_COMPARE(drawingRecords(*m_writer).size(), 1);
    clock->advance(100);
    QTRY_COMPARE(drawingRecords(*m_writer).size(), 3);
    clock.reset();

    // The pieces after the first travel merged, without the repeated joint.
    const auto *line = historyAt<TQDrawingActionLine>(0);
    const auto *save = historyAt<TQDrawingActionSave>(2);
    QVERIFY(line && save);
    // The pen writes no sender into its pieces.
    const QString pen = QStringLiteral("[%1,0,501,0,0,0,3280,2080,3,1,0,0,0,%2,000000FF,0,%3]");
    const QStringList expected{
        pen.arg(0).arg(line->strokeId).arg("(400,400,0),(480,440,0)"),
        pen.arg(1).arg(line->strokeId).arg("(480,440,0),(560,480,0),(640,520,0)"),
        // A save names the snapshot before it; the first has none.
        QStringLiteral("[2,2,501,-1,0,10001,%1]").arg(save->strokeId)};
    QCOMPARE(drawingRecords(*m_writer), expected);
    QTRY_COMPARE(drawingRecords(*m_watcher), expected);
}

void TestBoardExchange::studentStrokeDrawnAndRelayed_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("top");
    // The student's numbering goes on from one stroke to the next; a board
    // twice as wide as the teacher's is drawn at half its size.
    QTest::newRow("board as wide") << 1 << 0 << 200;
    QTest::newRow("board twice as wide") << 2 << 2 << 340;
}

void TestBoardExchange::studentStrokeDrawnAndRelayed()
{
    QFETCH(int, scale);
    QFETCH(int, first);
    QFETCH(int, top);
    const QImage before = boardPicture();
    const int relayedBefore = drawingRecords(*m_watcher).size();
    const int history = TQDataModelBean::m_pOngoingCourse->getDrawingActionCount();
    int lastSave = history - 1;
    while (lastSave >= 0 && !historyAt<TQDrawingActionSave>(lastSave))
        --lastSave;

    // A red V on the teacher's board from (200,top) down to (400,top+100)
    // and up to (600,top), written on the student's board in its quarter
    // pixels, then its save.
    const int q = 4 * scale;
    const auto lineText = [&](int index, int strokeId) {
        return QStringLiteral("[%1,0,501,0,0,0,%2,%3,3,1,0,42,0,%4,FF0000FF,0,")
                   .arg(index)
                   .arg(3280 * scale)
                   .arg(2080 * scale)
                   .arg(strokeId)
               + QStringLiteral("(%1,%2,0),(%3,%4,0),(%5,%2,0)]")
                     .arg(200 * q)
                     .arg(top * q)
                     .arg(400 * q)
                     .arg((top + 100) * q)
                     .arg(600 * q);
    };
    QCOMPARE(m_writer->sendEnvelope(lineText(first, 5) + QStringLiteral(",[%1,2,501,0,0,42,5]").arg(first + 1), 0), 0);
    QTRY_COMPARE(drawingRecords(*m_watcher).size(), relayedBefore + 2);

    // Re-sent under the teacher's numbering, the line still the student's,
    // with a stroke id of the teacher's board; the save is the teacher's and
    // names the snapshot before it.
    const auto *relayedLine = historyAt<TQDrawingActionLine>(history);
    QVERIFY(relayedLine && historyAt<TQDrawingActionSave>(history + 1));
    QVERIFY(relayedLine->strokeId != 5);
    QCOMPARE(drawingRecords(*m_watcher).mid(relayedBefore),
             (QStringList{lineText(history, relayedLine->strokeId),
                          QStringLiteral("[%1,2,501,%2,0,10001,%3]")
                              .arg(history + 1)
                              .arg(lastSave)
                              .arg(relayedLine->strokeId)}));

    // Drawn where the student drew it: red near each segment's middle, the
    // change kept within the V's box.
    QImage after;
    QTRY_VERIFY((after = boardPicture(), redNear(after, QPoint(300, top + 50))));
    QVERIFY(redNear(after, QPoint(500, top + 50)));
    QVERIFY(!redNear(after, QPoint(400, top)));
    QImage changed(after.size(), QImage::Format_ARGB32);
    changed.fill(Qt::transparent);
    const QImage b = before.convertToFormat(QImage::Format_ARGB32);
    const QImage a = after.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                changed.setPixel(x, y, 0xffff0000u);
        }
    }
    const QRect bounds = paintedBounds(changed);
    QVERIFY2(QRect(190, top - 10, 420, 120).contains(bounds),
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(bounds.x()).arg(bounds.y()).arg(bounds.width())
                            .arg(bounds.height())));
}

void TestBoardExchange::pastedPictureReachesStudents()
{
    QImage picture(160, 100, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(40 + x, 90 + y, 200));
    }
    QPixmap pixmap = QPixmap::fromImage(picture);
    TQDrawManager::PasteRequest paste;
    paste.picture = &pixmap;
    paste.rect = QRect(620, 330, 160, 100);
    paste.tag = 1;
    paste.waitMs = 2000;
    const QString url = m_service.baseUrl() + "/files/pasted-7.jpg";
    m_service.setReply(ApiPaths::kUploadTempFile, StandInService::Reply::ok({{"file_url", url}}));
    m_scene->manager()->uploadPasteArea(paste);

    QTRY_COMPARE_WITH_TIMEOUT(m_writer->images().size(), 1, 5000);
    QTRY_COMPARE(m_watcher->images().size(), 1);
    const auto requests = m_service.requestsTo(ApiPaths::kUploadTempFile);
    QCOMPARE(requests.size(), 1);
    const StandInService::Part sent = UploadParts::fileParts(requests.first()).value("binaryFile");
    for (const SimStudent *student : {m_writer.get(), m_watcher.get()}) {
        const SimStudent::Image image = student->images().first();
        QCOMPARE(image.url, url);
        QVERIFY(image.tagMatches);
        QCOMPARE(image.tag.size(), 4);
        QCOMPARE(image.bytes, sent.data);
        QCOMPARE(image.fromUid, qint64(BoardSceneFixture::kTeacher));
        QVERIFY(student->refused().isEmpty());
        QCOMPARE(QImage::fromData(image.bytes).size(), QSize(160, 100));
    }

    // After the wait, the picture goes on the board as an image shape where
    // it was pasted, then a save.
    QTRY_VERIFY_WITH_TIMEOUT(drawingRecords(*m_watcher).filter(url).size() == 1, 5000);
    const QString image = drawingRecords(*m_watcher).filter(url).first();
    const QStringList fields = image.mid(1, image.size() - 2).split(',');
    const QRegularExpression save(
        QStringLiteral("^\\[%1,2,501,\\d+,0,10001,\\d+\\]$").arg(fields.at(0).toInt() + 1));
    QTRY_VERIFY(save.match(drawingRecords(*m_watcher).last()).hasMatch());
    QCOMPARE(fields.at(1), QStringLiteral("10"));
    // Canvas, size and place in quarter pixels.
    QCOMPARE(fields.mid(5, 4), (QStringList{"3280", "2080", "640", "400"}));
    QCOMPARE(fields.mid(16, 2), (QStringList{"2480", "1320"}));

    // And the teacher sees it there: the picture's pixel (80, 50), within
    // what JPG keeps.
    const auto near = [](QColor a, QColor b) {
        return qAbs(a.red() - b.red()) < 16 && qAbs(a.green() - b.green()) < 16 && qAbs(a.blue() - b.blue()) < 16;
    };
    QTRY_VERIFY(near(boardPicture().pixelColor(700, 380), QColor(120, 140, 200)));
}

void TestBoardExchange::lateStudentRebuildsHistory()
{
    SimStudent late(kLate, kSchedule);
    QVERIFY(late.enter());
    QTRY_VERIFY(m_participants.at(2)->mClassJoinedInData);
    QCOMPARE(late.sendEnvelope(QStringLiteral("[-1,107,0,0]"), 3), 0);

    // The history arrives in chunks that name their students; the student
    // keeps every record by its index until each range it asked for (the
    // older one only when the board was cleared since) has ended.
    const int ranges = TQDataModelBean::m_pOngoingCourse->getProperStartIndex(0, 0) > 0 ? 2 : 1;
    QMap<int, QString> rebuilt;
    int ended = 0;
    int handled = 0;
    const auto collect = [&] {
        const QList<SimStudent::Envelope> envelopes = late.envelopes();
        for (; handled < envelopes.size(); ++handled) {
            QStringList records = recordsOf(envelopes.at(handled).tqMsg);
            if (records.size() < 2 || !records.first().startsWith("[-1,108,"))
                continue;
            if (!records.at(1).mid(1, records.at(1).size() - 2).split(',').contains(QString::number(kLate)))
                continue;
            if (records.last() == QLatin1String("[end]")) {
                ++ended;
                records.removeLast();
            }
            for (const QString &r : records.mid(2))
                rebuilt.insert(r.mid(1).section(',', 0, 0).toInt(), r);
        }
        return ended == ranges;
    };
    QVERIFY(SimStudent::waitUntil(collect));

    QStringList teacher;
    const int count = TQDataModelBean::m_pOngoingCourse->getDrawingActionCount();
    for (int i = 0; i < count; ++i)
        teacher << historyText(i);
    // The teacher's stroke (its second piece merged into the first, leaving
    // an empty place) and save, the student's two strokes and saves, the
    // picture and its save.
    QCOMPARE(count, 9);
    QCOMPARE(rebuilt.keys(), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    QCOMPARE(QStringList(rebuilt.values()), teacher);

    const QImage board = boardPicture();
    QCOMPARE(board.size(), QSize(BoardSceneFixture::kWidth, BoardSceneFixture::kHeight));
    QVERIFY(!saveTestPicture(board, QStringLiteral("board_exchange")).isEmpty());
}

QTEST_MAIN(TestBoardExchange)
#include "tst_boardexchange.moc"
