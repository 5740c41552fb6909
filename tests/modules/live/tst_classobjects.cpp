// The objects a class window creates, built with the arguments the window
// gives them and deleted the way the window and the class context delete
// them. Run under ASan/LSan (scripts/sanitize) and TSan (scripts/tsan, for the
// data thread): a leak, a double delete or a racing stop fails the run.
#include <QPointer>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "actions/TQActionsFromNet.h"
#include "modules/live/TeachingAssistant/TQMaterialComments.h"
#include "modules/live/TeachingAssistant/TQTeachingAssistant.h"
#include "modules/live/audioplayer/TQBroadCastLiveAudioPlayerViewInterface.h"
#include "modules/live/audioplayer/TQLiveAudioPlayerLayout.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQBroadCastPPTPlayerInterface.h"
#include "modules/live/broadcast/TQBroadCastPopoverInterface.h"
#include "modules/live/broadcast/TQBroadCastRandomSelectInterface.h"
#include "modules/live/broadcast/TQBroadCastRealTimeInterface.h"
#include "modules/live/broadcast/TQBroadCastRtmpPublisherInterface.h"
#include "modules/live/broadcast/TQBroadCastVideoCardPlayerInterface.h"
#include "modules/live/communications/binary/TQBinaryTransporterManager.h"
#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"
#include "modules/live/exercises/choicequestion/TQBroadCastChoiceQuestionInterface.h"
#include "modules/live/exercises/onsitehomework/TQBroadCastOnSiteHomeWorkInterface.h"
#include "modules/live/exercises/onsitehomework/TQOnsiteHomeWorkDrawDataSourceInterface.h"
#include "modules/live/exercises/onsitehomework/TQOnsiteHomeworkLayout.h"
#include "modules/live/material/TQLiveMaterialListLayout.h"
#include "modules/live/menu/TQBroadCastBlackboardWritingToolsInterface.h"
#include "modules/live/menu/TQBroadCastRightMenuInterface.h"
#include "modules/live/menu/TQBrushSetting.h"
#include "modules/live/menu/TQMenuListLayout.h"
#include "modules/live/menu/TQShapeLayout.h"
#include "modules/live/menu/TQTopMenuObject.h"
#include "modules/live/popover/TQBlackRoomControlPanel.h"
#include "modules/live/popover/TQLiveBystanderControlPanel.h"
#include "modules/live/popover/TQLivePopoverManager.h"
#include "modules/live/popover/TQPopoverRequestData.h"
#include "modules/live/popover/TQStudentControlPanel.h"
#include "modules/live/popover/TQTeacherControlPanel.h"
#include "modules/live/pptplayer/TQPPTPlayerLayout.h"
#include "modules/live/takepicture/TQBroadCastTakePictureInterface.h"
#include "modules/live/takepicture/TQTakePictureLayout.h"
#include "modules/live/userlist/TQBroadCastUserListInterface.h"
#include "modules/live/userlist/TQClassRotateSettingDialog.h"
#include "modules/live/userlist/TQUserListManager.h"
#include "modules/live/videocard/TQVideoCardPlayerLayout.h"
#include "modules/live/videoprocess/TQPreviewView.h"
#include "modules/live/videoprocess/TQRecordVideoPlayerLayout.h"
#include "modules/live/videoprocess/camera/TQCameraPlayer.h"
#include "modules/record/RtmpPublisher.h"
#include "modules/record/TQDataThread.h"
#include "modules/record/TQLiveRecorderManager.h"

namespace {

// The objects of one class that this area defines (the request groups and
// view models are tested with the service), created in the window's order
// with the window's arguments and deleted as the window and the context do.
struct ClassObjects
{
    QObject window;
    TQBroadCastMethodService *service = new TQBroadCastMethodService(nullptr, nullptr);
    TQBroadCastRealTimeInterface *realTime = new TQBroadCastRealTimeInterface(service, nullptr);
    TQBroadCastDrawDataSourceInterface *drawDataSource = new TQBroadCastDrawDataSourceInterface;
    TQBroadCastUserListInterface *userListInterface = new TQBroadCastUserListInterface(service, nullptr);
    TQUserListManager *userListManager = new TQUserListManager(service, nullptr);
    TQOnsiteHomeWorkDrawDataSourceInterface *homeworkDataSource =
        new TQOnsiteHomeWorkDrawDataSourceInterface(service, nullptr);
    TQBroadCastOnSiteHomeWorkInterface *homeworkInterface = new TQBroadCastOnSiteHomeWorkInterface(service, nullptr);
    TQBroadCastPopoverInterface *popoverInterface = new TQBroadCastPopoverInterface(service, nullptr);
    // The class context's.
    TQLivePopoverManager *popoverManager = new TQLivePopoverManager;
    TQBroadCastRightMenuInterface *rightMenuInterface = new TQBroadCastRightMenuInterface(service, nullptr);
    TQMenuListLayout *menuList = new TQMenuListLayout(rightMenuInterface);
    TQBroadCastChoiceQuestionInterface *choiceQuestion = new TQBroadCastChoiceQuestionInterface;
    TQBroadCastRandomSelectInterface *randomSelect = new TQBroadCastRandomSelectInterface(service, nullptr);
    TQBroadCastTakePictureInterface *takePictureInterface = new TQBroadCastTakePictureInterface(service, nullptr);
    TQBroadCastBlackboardWritingToolsInterface *writingTools =
        new TQBroadCastBlackboardWritingToolsInterface(service, nullptr);
    TQTopMenuObject *topMenu = new TQTopMenuObject(service, nullptr);
    TQTeachingAssistant *teachingAssistant = new TQTeachingAssistant(service, nullptr);
    TQBroadCastLiveAudioPlayerViewInterface *audioView = new TQBroadCastLiveAudioPlayerViewInterface(service, nullptr);
    TQBroadCastRtmpPublisherInterface *rtmpInterface = new TQBroadCastRtmpPublisherInterface(service);
    TQOnsiteHomeworkLayout *homeworkLayout = new TQOnsiteHomeworkLayout(service, nullptr);
    TQBrushSetting *brushSetting = new TQBrushSetting;
    TQShapeLayout *shapeLayout = new TQShapeLayout(service, nullptr);
    TQLiveMaterialListLayout *materialList = new TQLiveMaterialListLayout(service, nullptr);
    TQClassRotateSettingDialog *rotateSetting = new TQClassRotateSettingDialog(service, nullptr, userListInterface);
    TQTakePictureLayout *takePictureLayout = new TQTakePictureLayout;
    TQMaterialComments *materialComments = new TQMaterialComments(nullptr);
    TQLiveAudioPlayerLayout *audioPlayer = new TQLiveAudioPlayerLayout;
    TQBroadCastVideoCardPlayerInterface *videoCardInterface =
        new TQBroadCastVideoCardPlayerInterface(service, nullptr);
    TQVideoCardPlayerLayout *videoCardPlayer = new TQVideoCardPlayerLayout(service, nullptr, videoCardInterface);
    TQBroadCastPPTPlayerInterface *pptInterface = new TQBroadCastPPTPlayerInterface(service, nullptr);
    TQPPTPlayerLayout *pptPlayer = new TQPPTPlayerLayout(service, nullptr, pptInterface);
    TQRecordVideoPlayerLayout *recordVideoPlayer = new TQRecordVideoPlayerLayout;
    TQLiveRecorderManager *recorder = new TQLiveRecorderManager(&window);
    // The class context's, made when teaching starts.
    TQBinaryTransporterManager *transporter = new TQBinaryTransporterManager;
    TQCameraPlayer *cameraPlayer = new TQCameraPlayer(transporter, false);

    ClassObjects()
    {
        popoverManager->setPopoverInterface(popoverInterface, service, nullptr);
        userListManager->setUserListInterface(userListInterface);
    }

    ~ClassObjects()
    {
        delete cameraPlayer;
        delete transporter;
        delete popoverManager;
        delete recordVideoPlayer;
        delete pptPlayer;
        delete pptInterface;
        delete videoCardPlayer;
        delete videoCardInterface;
        delete audioPlayer;
        delete materialComments;
        delete takePictureLayout;
        delete rotateSetting;
        delete materialList;
        delete shapeLayout;
        delete brushSetting;
        delete homeworkLayout;
        delete rtmpInterface;
        delete audioView;
        delete teachingAssistant;
        delete topMenu;
        delete writingTools;
        delete takePictureInterface;
        delete randomSelect;
        delete choiceQuestion;
        delete menuList;
        delete rightMenuInterface;
        delete popoverInterface;
        delete homeworkInterface;
        delete homeworkDataSource;
        delete userListManager;
        delete userListInterface;
        delete drawDataSource;
        delete realTime;
        delete service;
    }
};

// A request record that says when it is freed.
class CountedRequest : public TQPopoverRequestData
{
public:
    explicit CountedRequest(int *deleted)
        : mDeleted(deleted)
    {
    }
    ~CountedRequest() override { ++*mDeleted; }

private:
    int *mDeleted;
};

// A loop that runs until it is told to stop.
class SpinningThread : public TQDataThread
{
public:
    ~SpinningThread() override { StopThread(); }

    std::atomic<int> rounds{0};

protected:
    void run() override
    {
        while (!exitRequested()) {
            ++rounds;
            QThread::usleep(200);
        }
    }
};

} // namespace

class TestClassObjects : public QObject
{
    Q_OBJECT

private slots:
    void pageObjectsKeepTheirOwnType_data();
    void pageObjectsKeepTheirOwnType();
    void popoverManagerOwnsItsPanels();
    void panelFreesItsRecord();
    void realTimeAdapterFreesHandedRecords();
    void pageItemsMayGoFirst();
    void recorderGoesAfterItsWindow();
    void rtmpPublisherRefusesToStartWithoutEncoder();
    void dataThreadRunsUntilStopped();
};

// The page reaches these objects by their context property; QML sees only
// what the meta-object of the object's own class declares.
void TestClassObjects::pageObjectsKeepTheirOwnType_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("className");
    const char *rows[][2] = {
        {"userListManager", "TQUserListManager"},
        {"userListInterface", "TQBroadCastUserListInterface"},
        {"menuListLayout", "TQMenuListLayout"},
        {"topMenuObject", "TQTopMenuObject"},
        {"teachingAssistantObject", "TQTeachingAssistant"},
        {"onsiteHomeworkLayout", "TQOnsiteHomeworkLayout"},
        {"brushSettingLayout", "TQBrushSetting"},
        {"shapeLayout", "TQShapeLayout"},
        {"materialListLayout", "TQLiveMaterialListLayout"},
        {"studentControl", "TQStudentControlPanel"},
        {"teacherControl", "TQTeacherControlPanel"},
        {"blackRoomPanel", "TQBlackRoomControlPanel"},
        {"bystanderControlPanel", "TQLiveBystanderControlPanel"},
        {"classRotateSettingDialog", "TQClassRotateSettingDialog"},
        {"takePictureLayout", "TQTakePictureLayout"},
        {"liveAudioPlayerLayout", "TQLiveAudioPlayerLayout"},
        {"videoCardPlayerLayout", "TQVideoCardPlayerLayout"},
        {"pptPlayerLayout", "TQPPTPlayerLayout"},
        {"recordVideoPlayer", "TQRecordVideoPlayerLayout"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void TestClassObjects::pageObjectsKeepTheirOwnType()
{
    QFETCH(QString, property);
    QFETCH(QString, className);
    ClassObjects o;
    const QHash<QString, QObject *> page = {
        {"userListManager", o.userListManager},
        {"userListInterface", o.userListInterface},
        {"menuListLayout", o.menuList},
        {"topMenuObject", o.topMenu},
        {"teachingAssistantObject", o.teachingAssistant},
        {"onsiteHomeworkLayout", o.homeworkLayout},
        {"brushSettingLayout", o.brushSetting},
        {"shapeLayout", o.shapeLayout},
        {"materialListLayout", o.materialList},
        {"studentControl", o.popoverManager->studentPanel()},
        {"teacherControl", o.popoverManager->teacherPanel()},
        {"blackRoomPanel", o.popoverManager->blackRoomPanel()},
        {"bystanderControlPanel", o.popoverManager->bystanderPanel()},
        {"classRotateSettingDialog", o.rotateSetting},
        {"takePictureLayout", o.takePictureLayout},
        {"liveAudioPlayerLayout", o.audioPlayer},
        {"videoCardPlayerLayout", o.videoCardPlayer},
        {"pptPlayerLayout", o.pptPlayer},
        {"recordVideoPlayer", o.recordVideoPlayer},
    };
    QObject *object = page.value(property);
    QVERIFY(object);
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    // No parent: the window deletes them itself.
    QVERIFY(!object->parent());
}

void TestClassObjects::popoverManagerOwnsItsPanels()
{
    ClassObjects o;
    TQLivePopoverManager *manager = o.popoverManager;
    QCOMPARE(manager->popoverInterface(), static_cast<TQPopoverInterface *>(o.popoverInterface));

    QList<QPointer<TQBasePopupWindowPanel>> panels = {manager->teacherPanel(), manager->studentPanel(),
                                                       manager->blackRoomPanel(), manager->bystanderPanel()};
    QList<std::shared_ptr<QSignalSpy>> dismissed;
    for (const auto &panel : panels) {
        QVERIFY(panel);
        dismissed << std::make_shared<QSignalSpy>(panel.data(), &TQBasePopupWindowPanel::popupWindowDismiss_signal);
    }

    delete manager;
    o.popoverManager = nullptr;
    for (int i = 0; i < panels.size(); ++i) {
        QVERIFY2(!panels[i], qPrintable(QString::number(i)));
        QCOMPARE(dismissed[i]->count(), 1);
    }
}

void TestClassObjects::panelFreesItsRecord()
{
    int deleted = 0;
    delete new TQBasePopupWindowPanel(0, new CountedRequest(&deleted), 7, nullptr);
    QCOMPARE(deleted, 1);
}

// The adapter owns what the real-time layer hands it; LSan reports a record
// that is dropped without being freed.
void TestClassObjects::realTimeAdapterFreesHandedRecords()
{
    ClassObjects o;
    o.realTime->actionMessageFromStudent(new TQActionsFromNet);
    o.realTime->durationActionsFromStudent(new TQActionsFromNet);
}

// The page and its items belong to the view, which the window may tear down
// before the objects that point into it.
void TestClassObjects::pageItemsMayGoFirst()
{
    ClassObjects o;
    auto *root = new QQuickItem;
    auto *preview = new TQPreviewView(root);
    o.homeworkLayout->setQmlRoot(root);
    o.userListManager->setPreviewView(preview);
    QCOMPARE(o.userListManager->previewView(), preview);

    delete root;
    QVERIFY(!o.homeworkLayout->qmlRoot());
    QVERIFY(!o.userListManager->previewView());
}

void TestClassObjects::recorderGoesAfterItsWindow()
{
    auto *window = new QObject;
    QPointer<TQLiveRecorderManager> recorder = new TQLiveRecorderManager(window);
    QCOMPARE(recorder->classWindow(), window);

    delete window;
    QVERIFY(recorder);
    QVERIFY(!recorder->classWindow());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!recorder);
}

void TestClassObjects::rtmpPublisherRefusesToStartWithoutEncoder()
{
    RtmpPublisher &publisher = RtmpPublisher::instance();
    QCOMPARE(&RtmpPublisher::instance(), &publisher);

    ClassObjects o;
    publisher.setInterface(o.rtmpInterface);
    publisher.setStreamAddress("rtmp://127.0.0.1/live/1");
    QVERIFY(!publisher.StartThread());
    QVERIFY(!publisher.errorText().empty());
    QVERIFY(!publisher.isRunning());
    // Stopping what never ran returns at once.
    publisher.StopThread();
    publisher.setInterface(nullptr);
}

void TestClassObjects::dataThreadRunsUntilStopped()
{
    SpinningThread thread;
    for (int run = 0; run < 2; ++run) {
        thread.rounds = 0;
        QVERIFY(thread.StartThread());
        QTRY_VERIFY(thread.rounds > 0);
        thread.StopThread();
        QVERIFY(thread.isFinished());
    }
}

QTEST_MAIN(TestClassObjects)
#include "tst_classobjects.moc"
