// The class window in the test process, opened through the class harness
// against the stand-in service and the stand-in real-time SDK: its context
// and the objects it makes (in their order, seen through Qt's object hooks),
// the board set-up that waits for a board area, the course-detail request it
// sends (counted at the stand-in), the settling of a resize, the board frames
// of recording, twenty opens and closes (run under ASan/LSan by
// scripts/sanitize), a picture of the window, and the harness's dialog hook.
#include "ClassHarness.h"
#include "TestClock.h"
#include "TestPictures.h"

#include "base/dialog/CDialogManager.h"
#include "modules/live/broadcast/TQBroadcastViewModel.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/broadcast/tempView.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/communications/binary/TQBinaryDownloadManager.h"
#include "modules/live/communications/binary/TQBinaryTransporterManager.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQStudentWritingManager.h"
#include "modules/live/popover/TQLivePopoverManager.h"
#include "modules/live/pptplayer/TQPPTPlayerLayout.h"
#include "modules/live/userlist/TQClassRotateSettingDialog.h"
#include "modules/live/userlist/TQUserListManager.h"
#include "modules/live/videocard/TQVideoCardPlayerLayout.h"
#include "modules/record/RtmpPublisher.h"
#include "platform/http/ApiPaths.h"

#include <QFileDialog>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindowStateChangeEvent>
#include <QtTest>

// Qt's table of debugging hooks (QHooks in Qt's private headers): index 3 is
// called for every QObject made, index 4 for every one destroyed.
extern Q_CORE_EXPORT quintptr qtHookData[];

namespace {

// The QObjects made while alive, in order, minus those gone again.
class ObjectJournal
{
public:
    ObjectJournal()
    {
        s_current = this;
        m_previousAdd = qtHookData[kAddQObject];
        m_previousRemove = qtHookData[kRemoveQObject];
        qtHookData[kAddQObject] = reinterpret_cast<quintptr>(&added);
        qtHookData[kRemoveQObject] = reinterpret_cast<quintptr>(&removed);
    }
    ~ObjectJournal()
    {
        qtHookData[kAddQObject] = m_previousAdd;
        qtHookData[kRemoveQObject] = m_previousRemove;
        s_current = nullptr;
    }
    // Class names of the living objects in the order they were made.
    QStringList classNames() const
    {
        QStringList names;
        for (QObject *object : m_objects)
            names << QString::fromLatin1(object->metaObject()->className());
        return names;
    }
    template <typename T>
    T *find() const
    {
        for (QObject *object : m_objects)
            if (auto *typed = qobject_cast<T *>(object))
                return typed;
        return nullptr;
    }

private:
    static constexpr int kAddQObject = 3;
    static constexpr int kRemoveQObject = 4;
    static void added(QObject *object) { s_current->m_objects << object; }
    static void removed(QObject *object) { s_current->m_objects.removeAll(object); }

    static inline ObjectJournal *s_current = nullptr;
    quintptr m_previousAdd = 0;
    quintptr m_previousRemove = 0;
    QList<QObject *> m_objects;
};

// The resize_signal emissions: "WxH" and whether it was the settled one.
QStringList resizes(const QSignalSpy &spy)
{
    QStringList list;
    for (const QList<QVariant> &args : spy)
        list << QStringLiteral("%1x%2%3")
                    .arg(args.at(0).toInt())
                    .arg(args.at(1).toInt())
                    .arg(args.at(2).toBool() ? QStringLiteral(" done") : QString());
    return list;
}

} // namespace

class TestClassWindow : public QObject
{
    Q_OBJECT

private slots:
    void contextOfTheClass();
    void objectsInTheirOrder();
    void resizeSettles_data();
    void resizeSettles();
    void dialogHookAnswersAndRecords();
    void boardSetUpWaitsForABoardArea_data();
    void boardSetUpWaitsForABoardArea();
    void boardOfA1640x800Area();
    void courseDetailRequestedOnce();
    void boardFramesWhileCapturing();
    void openAndCloseTwentyTimes();
    void pictureOfTheClassWindow();
};

void TestClassWindow::contextOfTheClass()
{
    ClassHarness harness;
    QVERIFY(harness.isReady());
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass);
    QVERIFY(window);

    QCOMPARE(window->property("courseScheduleID"), QVariant(QStringLiteral("30001")));
    TQLiveBroadCastContext *context = window->context();
    QVERIFY(context);
    QCOMPARE(context->courseID, ClassHarness::kCourseID);
    QCOMPARE(context->courseScheduleID, ClassHarness::kCourseScheduleID);
    QVERIFY(!context->mediaConnected);
    QVERIFY(!context->dataConnected);
    QVERIFY(!context->teachingStarted);
    QVERIFY(context->participantsChanged);
    QVERIFY(context->m_pDownloadManager);
    QVERIFY(context->m_pRealTimeManager);
    QVERIFY(context->m_pStudentWritingManager);
    QVERIFY(context->m_pBinaryTransporter);
    QVERIFY(context->m_pTransporterInterface);
    QVERIFY(context->m_pViewModel);
    QVERIFY(!context->m_pCameraPlayer);

    // The board's data source reaches the same managers.
    TQBroadCastDrawDataSourceInterface::Context *source = context->drawSourceContext();
    QCOMPARE(source->downloadManager, context->m_pDownloadManager);
    QCOMPARE(source->realTimeManager, context->m_pRealTimeManager);
    QCOMPARE(source->transporter, context->m_pBinaryTransporter);

    // The context goes with the class; its real-time manager a moment later,
    // from the event loop.
    QPointer<TQRealTimeManager> realTime = context->m_pRealTimeManager;
    QPointer<TQBinaryDownloadManager> downloads = context->m_pDownloadManager;
    QVERIFY(harness.close());
    QVERIFY(downloads.isNull());
    QTRY_VERIFY(realTime.isNull());
}

void TestClassWindow::objectsInTheirOrder()
{
    ClassHarness harness;
    ObjectJournal journal;
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(), false);

    // The QObjects of the class in the order they are made: the context's
    // managers, then the window's objects. (The other objects are no
    // QObjects; the wiring below shows them.)
    const QStringList order{"TQBinaryDownloadManager", "TQRealTimeManager", "TQStudentWritingManager",
                            "TQLivePopoverManager", "TQBinaryTransporterManager", "TQBroadCastMethodService",
                            "TQBroadCastUserListInterface", "TQUserListManager", "TQBroadCastOnSiteHomeWorkInterface",
                            "TQBroadCastPopoverInterface", "TQMenuListLayout", "TQBroadCastTakePictureInterface",
                            "TQTopMenuObject", "CourseService", "TQBroadcastViewModel", "UploadFileViewModel",
                            "RemoteConfigViewModel", "TQTeachingAssistant", "TQBroadCastLiveAudioPlayerViewInterface",
                            "TQOnsiteHomeworkLayout", "TQBrushSetting", "TQShapeLayout", "TQLiveMaterialListLayout",
                            "TQClassRotateSettingDialog", "TQTakePictureLayout", "TQMaterialComments",
                            "TQLiveAudioPlayerLayout", "TQVideoCardPlayerLayout", "TQPPTPlayerLayout",
                            "TQRecordVideoPlayerLayout", "TQLiveRecorderManager"};
    QStringList made = journal.classNames();
    made.erase(std::remove_if(made.begin(), made.end(), [&](const QString &name) { return !order.contains(name); }),
               made.end());
    // The board's background layer on the class page makes a download
    // manager of its own, after the class's.
    made.removeDuplicates();
    QCOMPARE(made, order);

    // The wiring between them.
    TQLiveBroadCastContext *context = window->context();
    QVERIFY(context->m_pPopoverManager->popoverInterface());
    QCOMPARE(context->m_pViewModel, journal.find<TQBroadcastViewModel>());
    QVERIFY(context->m_pLiveAudioPlayer);
    TQUserListManager *userList = journal.find<TQUserListManager>();
    QVERIFY(userList->userListInterface());
    QCOMPARE(journal.find<TQClassRotateSettingDialog>()->userListInterface(), userList->userListInterface());
    QVERIFY(journal.find<TQVideoCardPlayerLayout>()->videoCardInterface());
    QVERIFY(journal.find<TQPPTPlayerLayout>()->pptInterface());
    QCOMPARE(RtmpPublisher::instance().captureSource(), static_cast<TQCaptureVideoMainThread *>(window));

    // Gone with the class; the publisher forgets the window.
    QPointer<TQLivePopoverManager> popovers = context->m_pPopoverManager;
    QVERIFY(harness.close());
    QVERIFY(popovers.isNull());
    QCOMPARE(RtmpPublisher::instance().captureSource(), nullptr);
}

void TestClassWindow::resizeSettles_data()
{
    QTest::addColumn<QString>("ending");

    // Every step of a drag reports; the release on the frame settles it.
    QTest::newRow("frame release") << "release";
    // Maximising or restoring settles a pending resize at once.
    QTest::newRow("window state") << "state";
    // No release comes (X11): settled a moment after the last step.
    QTest::newRow("no release") << "wait";
    // A timer tick more than a second after the last step settles a window
    // that stands at its minimum size...
    QTest::newRow("idle at minimum") << "idle minimum";
    // ...and leaves any other open, for the settle timer.
    QTest::newRow("idle") << "idle";
}

void TestClassWindow::resizeSettles()
{
    QFETCH(QString, ending);
    // While teaching, the board's new layout says done, then the settle.
    const QStringList expected{"900x600", "950x620", "950x620 done", "950x620 done"};

    ClassHarness harness;
    TestClock &clock = harness.clock();
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(800, 560));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // The class start resizes the board once more.
    QVERIFY(harness.waitForTeaching());
    QTest::qWait(TQLiveBroadCastActivity::kResizeSettleMs * 2); // the opening resize settled
    QSignalSpy spy(window, &TQLiveBroadCastActivity::resize_signal);

    // No event loop runs between the steps and the ending, so the Linux
    // settle timer cannot fire in between.
    window->resize(900, 600);
    window->resize(950, 620);
    if (ending == QLatin1String("release")) {
        QMouseEvent release(QEvent::NonClientAreaMouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &release);
    } else if (ending == QLatin1String("state")) {
        QWindowStateChangeEvent state(Qt::WindowNoState);
        QCoreApplication::sendEvent(window, &state);
    } else if (ending.startsWith(QLatin1String("idle"))) {
        const bool atMinimum = ending.endsWith(QLatin1String("minimum"));
        if (atMinimum)
            window->setMinimumSize(window->size());
        QTimerEvent early(0);
        clock.advance(TQLiveBroadCastActivity::kResizeIdleMs);
        QCoreApplication::sendEvent(window, &early);
        QCOMPARE(spy.count(), 2); // only a second has passed

        QTimerEvent tick(0);
        clock.advance(1);
        QCoreApplication::sendEvent(window, &tick);
        QCOMPARE(spy.count(), atMinimum ? 4 : 2);
    }
    if (ending == QLatin1String("release") || ending == QLatin1String("state"))
        QCOMPARE(resizes(spy), expected);

    // Whatever settled it, nothing more comes after the settle time.
    QTRY_COMPARE(resizes(spy), expected);
    QTest::qWait(TQLiveBroadCastActivity::kResizeSettleMs * 2);
    QCOMPARE(resizes(spy), expected);
}

void TestClassWindow::dialogHookAnswersAndRecords()
{
    ClassHarness harness;
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("board.png"));
    QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(picture));

    harness.answerDialogs(ModalAnswerer::PressSecond);
    QCOMPARE(CDialogManager::twoButtonDialog(nullptr, QString(), QStringLiteral("确定退出教室?"),
                                             QStringLiteral("退出"), QStringLiteral("取消")),
             1);
    harness.answerFileChoosers(picture);
    QCOMPARE(QFileDialog::getOpenFileName(nullptr, QStringLiteral("选择图片"), dir.path(),
                                          QStringLiteral("图片 (*.png *.jpg)"), nullptr,
                                          QFileDialog::DontUseNativeDialog),
             picture);
    harness.answerFileChoosers(QString());
    QCOMPARE(QFileDialog::getOpenFileName(nullptr, QStringLiteral("选择图片"), dir.path(), QString(), nullptr,
                                          QFileDialog::DontUseNativeDialog),
             QString());

    QCOMPARE(harness.dialogTexts(),
             (QStringList{QStringLiteral("|确定退出教室?|退出,取消"), QStringLiteral("选择图片|图片 (*.png *.jpg)|"),
                          QStringLiteral("选择图片|All Files (*)|")}));
}

void TestClassWindow::boardSetUpWaitsForABoardArea_data()
{
    // The board item's size, in steps; after each the set-up must not have
    // run, after the last it must have (once).
    QTest::addColumn<QList<QSizeF>>("steps");
    QTest::newRow("0 x 0, then both") << QList<QSizeF>{{0, 0}, {820, 520}};
    QTest::newRow("width alone, then height") << QList<QSizeF>{{820, 0}, {820, 520}};
    QTest::newRow("height alone, then width") << QList<QSizeF>{{0, 520}, {820, 520}};
}

void TestClassWindow::boardSetUpWaitsForABoardArea()
{
    QFETCH(QList<QSizeF>, steps);
    ClassHarness harness;
    // Never shown (a minimised start): the page has no board area yet.
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(), false);
    QQuickItem *board = window->quickView()->rootObject()->findChild<QQuickItem *>(QStringLiteral("drawLayout"));
    QVERIFY(board);
    QVERIFY(!window->getDrawLayout());

    for (int i = 0; i + 1 < steps.size(); ++i) {
        board->setSize(steps.at(i));
        QVERIFY(!window->getDrawLayout());
    }
    QTest::qWait(200);
    QCOMPARE(harness.courseDetailRequests(), 0);

    board->setSize(steps.last());
    TQDrawLayout *layout = window->getDrawLayout();
    QVERIFY(layout);
    QVERIFY(harness.service().waitForRequests(1));
    // Never again, whatever the board does next.
    board->setSize(QSizeF(410, 260));
    board->setSize(QSizeF(1640, 1040));
    QTest::qWait(200);
    QCOMPARE(window->getDrawLayout(), layout);
    QCOMPARE(harness.courseDetailRequests(), 1);
}

void TestClassWindow::boardOfA1640x800Area()
{
    ClassHarness harness;
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(), false);
    QQuickItem *page = window->quickView()->rootObject();
    QQuickItem *area = page->findChild<QQuickItem *>(QStringLiteral("drawArea"));
    QQuickItem *board = page->findChild<QQuickItem *>(QStringLiteral("drawLayout"));
    QVERIFY(area && board);

    area->setSize(QSizeF(1640, 800));
    // Height-limited: the widest 820 : 520 board that fits.
    QCOMPARE(int(board->width()), 1261);
    QCOMPARE(board->height(), 800.0);
    QVERIFY(window->getDrawLayout());
    // The drawing height is the width by 41 / 26, truncated.
    QCOMPARE(window->boardSize(), QSize(1261, 799));
    QCOMPARE(window->getDrawLayout()->boardSize(), QSize(1261, 799));
}

void TestClassWindow::courseDetailRequestedOnce()
{
    ClassHarness harness;
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kRehearsal, QSize(1350, 800));
    QVERIFY(harness.service().waitForRequests(1));
    // Resizes, settled or not, ask for nothing more.
    window->resize(1500, 900);
    window->resize(1200, 760);
    QTest::qWait(TQLiveBroadCastActivity::kResizeSettleMs * 2);
    window->showMaximized();
    QTest::qWait(TQLiveBroadCastActivity::kResizeSettleMs * 2);

    const QList<StandInService::Request> requests =
        harness.service().requestsTo(ApiPaths::kGetCourseScheduleDetailForLecturer);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().formValue(QStringLiteral("courseScheduleID")), QStringLiteral("30001"));
    // Besides it, only the class start's on-line report.
    QCOMPARE(harness.service().requests().size() - 1,
             harness.service().requestsTo(ApiPaths::kPushCourseScheduleFeedback).size());
}

void TestClassWindow::boardFramesWhileCapturing()
{
    ClassHarness harness;
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
    QTRY_VERIFY(window->getDrawLayout());
    QSignalSpy frames(window->getDrawLayout(), &TQDrawLayout::captureFrame);

    window->startCapture();
    QTRY_VERIFY(frames.size() >= 3);
    window->stopCapture();
    const int taken = frames.size();
    for (const QList<QVariant> &frame : frames)
        QCOMPARE(frame.at(1).toInt(), 1280 * 720 * 4);
    QTest::qWait(300);
    QCOMPARE(frames.size(), taken);
}

void TestClassWindow::openAndCloseTwentyTimes()
{
    ClassHarness harness;
    for (int i = 0; i < 20; ++i) {
        TQLiveBroadCastActivity *window = harness.open(i % 4, QSize(1350, 800));
        QTRY_VERIFY(window->getDrawLayout());
        QVERIFY(harness.service().waitForRequests(i + 1));
        QVERIFY2(harness.close(), qPrintable(QString::number(i)));
    }
    QCOMPARE(harness.courseDetailRequests(), 20);
}

void TestClassWindow::pictureOfTheClassWindow()
{
    ClassHarness harness;
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
    QTRY_VERIFY(window->getDrawLayout());
    QVERIFY(harness.waitForTeaching());
    QTest::qWait(TQLiveBroadCastActivity::kResizeSettleMs * 2);
    QTRY_VERIFY(window->quickView()->isExposed());
    const QImage picture = grabQuickView(window->quickView());
    QCOMPARE(picture.size(), window->size());
    QVERIFY(!saveTestPicture(picture, QStringLiteral("classwindow")).isEmpty());

    // The board stands where the page put it, covered by the opened
    // material's page, on the page's grey.
    QQuickItem *board = window->quickView()->rootObject()->findChild<QQuickItem *>(QStringLiteral("drawLayout"));
    QVERIFY(board->width() > 0);
    // Above the waiting text, and in the band the 820:520 board leaves free.
    const QPoint inBoard = board->mapToScene(QPointF(board->width() / 2, board->height() / 4)).toPoint();
    const QPoint aboveBoard = board->mapToScene(QPointF(board->width() / 2, -10)).toPoint();
    QVERIFY(picture.rect().contains(inBoard));
    QVERIFY(picture.rect().contains(aboveBoard));
    QVERIFY(picture.pixelColor(inBoard) != QColor(QStringLiteral("#98A4AF")));
    QCOMPARE(picture.pixelColor(aboveBoard), QColor(QStringLiteral("#98A4AF")));
}

QTEST_MAIN(TestClassWindow)
#include "tst_classwindow.moc"
