// The class window's board operations, driven as the page and the teaching
// assistant call them, on a class window opened through the class harness
// (shown, with its real board and draw manager; the stand-in service answers
// the course detail and the material details over HTTP): material switches
// of every kind with the detail reply that completes them, page turns with
// their end-of-material boxes, the PPT animation of a page, pictures pasted
// from files whose names lie, the style of a shape being edited, and the
// scroll bar and page control clicked and dragged in the real page.
#include "ClassHarness.h"
#include "SimStudent.h"
#include "TestLogCapture.h"
#include "ToastTexts.h"
#include "TopLevelWidgets.h"

#include "base/dialog/CMessageBox.h"
#include "modules/live/audioplayer/TQBroadCastLiveAudioPlayerViewInterface.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/broadcast/tempView.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/menu/TQShapeLayout.h"
#include "modules/live/menu/TQTopMenuObject.h"
#include "modules/live/pptplayer/TQPPTPlayerLayout.h"
#include "modules/live/videocard/TQVideoCardPlayerLayout.h"
#include "platform/http/ApiPaths.h"
#include "shapes/TQShapeGeneric.h"
#include "shapes/TQShapeParams.h"

#include <QJsonArray>
#include <QLabel>
#include <QQuickItem>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QJsonObject page(const QString &url, const QJsonArray &extras = QJsonArray(), const QString &indexUrl = QString())
{
    return QJsonObject{{"file_url", url},
                       {"attribute", QJsonObject{{"width", 400}, {"height", 300}, {"index_url", indexUrl}}},
                       {"material_page_extras", extras}};
}

QJsonObject extra(const QString &url, const QJsonArray &timeLine)
{
    return QJsonObject{{"file_url", url}, {"attribute", QJsonObject{{"time_line", timeLine}}}};
}

QJsonObject material(const QString &id, const QString &name, int type, int state, const QJsonArray &pages)
{
    return QJsonObject{{"material_id", id},     {"raw_material_id", "6" + id.mid(1)},
                       {"material_name", name}, {"material_type", type},
                       {"material_file_process_state", state}, {"file_items", pages}};
}

// The class's materials: a converted handout of three pages (the first with
// two animations, the second with none), one still converting, an audio, a
// video with its index, a video without files and a handout without pages.
QJsonArray classMaterials(const QString &base)
{
    const QString png = base + QStringLiteral("/files/course/page1.png");
    return QJsonArray{
        material("7001", "二次函数讲义", 1, 4,
                 {page(png, {extra("http://v/a.mp4", {1000, 2500}), extra("http://v/b.mp4", {300})}), page(png),
                  page(png)}),
        material("7002", "课堂练习", 4, 2, {page(png)}),
        material("7003", "课前导入", 3, 0, {}),
        material("7004", "听力", 6, 4, {page(QStringLiteral("http://a/listen.mp3"))}),
        material("7005", "实验", 3, 4, {page(QStringLiteral("http://v/clip.mp4"), {}, QStringLiteral("http://v/index.csv"))}),
        material("7006", "空讲义", 1, 4, {})};
}

QList<QList<int>> changes(const QSignalSpy &spy)
{
    QList<QList<int>> list;
    for (const QList<QVariant> &args : spy)
        list << QList<int>{args.at(0).toInt(), args.at(1).toInt(), args.at(2).toInt()};
    return list;
}

// Texts of the one-button boxes shown meanwhile; closes them.
QStringList takeBoxes()
{
    QStringList texts;
    for (CMessageBox *box : topLevelWidgetsOf<CMessageBox>()) {
        if (!box->isVisible())
            continue;
        auto *title = box->findChild<QLabel *>(QStringLiteral("titleLabel"));
        auto *text = box->findChild<QLabel *>(QStringLiteral("textLabel"));
        texts << (title ? title->text() : QString()) + QLatin1Char('|') + (text ? text->text() : QString());
        box->close();
    }
    return texts;
}

} // namespace

// How long the board may take to follow a material switch or page turn: it
// runs through its queue on the event loop, which a loaded test machine
// (every test program at once) slows down by seconds.
constexpr int kBoardFollowMs = 15000;

// One class with the materials above on a shown window with its board.
class BoardClass
{
public:
    BoardClass()
    {
        QJsonObject detail = harness.fixtureCourseDetail();
        detail.insert(QStringLiteral("course_materials"), classMaterials(harness.service().baseUrl()));
        harness.setCourseDetail(detail);
        window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
        if (!QTest::qWaitFor([this] { return window->drawManager() != nullptr; }))
            return;
        harness.service().waitForRequests(1);
        if (!harness.waitForTeaching())
            return;
        takeBoxes();
        // The window keeps the course it was sent where its course handling
        // does; otherwise the class gets it here.
        if (!TQDataModelBean::m_pOngoingCourse)
            TQDataModelBean::m_pOngoingCourse = new CourseDetailBean(detail);
    }
    ~BoardClass()
    {
        harness.close();
        takeBoxes();
        delete TQDataModelBean::m_pOngoingCourse;
        TQDataModelBean::m_pOngoingCourse = nullptr;
    }
    TQDrawManager *manager() const { return window->drawManager(); }
    CourseDetailBean *course() const { return TQDataModelBean::m_pOngoingCourse; }
    // Opens the handout at `page` and waits until the board shows it.
    bool openHandout(int page)
    {
        // The class start opens the handout at its first page. Switching to
        // where the board already stands would leave the switch's own page
        // turn still to come while the wait below is already met.
        if (manager()->materialId() == 7001 && manager()->pageIndex() == page)
            return true;
        window->changeMaterial(7001, 6001, page);
        return QTest::qWaitFor([&] { return manager()->materialId() == 7001 && manager()->pageIndex() == page; },
                               kBoardFollowMs);
    }
    int detailRequests() { return harness.service().requestsTo(ApiPaths::kGetCourseMaterialDetail).size(); }

    ClassHarness harness;
    TQLiveBroadCastActivity *window = nullptr;
};

class TestClassBoard : public QObject
{
    Q_OBJECT

private slots:
    void materialSwitch_data();
    void materialSwitch();
    void unconvertedMaterial_data();
    void unconvertedMaterial();
    void newMaterialReply_data();
    void newMaterialReply();
    void pageTurns_data();
    void pageTurns();
    void pageExtras_data();
    void pageExtras();
    void pptPlayStatusReachesAStudent();
    void pasteExtensions_data();
    void pasteExtensions();
    void shapeStyle();
    void shapeMenuPickBecomesTheTool();
    void scrollBarAndButtons();
};

void TestClassBoard::materialSwitch_data()
{
    QTest::addColumn<int>("materialId");
    QTest::addColumn<int>("lastPage");
    QTest::addColumn<bool>("videoPlaying");
    // Empty: no page change.
    QTest::addColumn<QList<int>>("pageChange");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("toast");
    QTest::addColumn<QString>("audioUrl");
    QTest::addColumn<QString>("videoIndex");

    QTest::newRow("handout at its last visited page")
        << 7001 << 2 << false << QList<int>{7001, 2, 3} << "" << "" << "" << "";
    // A page the material does not have: it opens at its start.
    QTest::newRow("handout, page past the end") << 7001 << 9 << false << QList<int>{7001, 0, 3} << "" << "" << "" << "";
    QTest::newRow("handout, negative page") << 7001 << -1 << false << QList<int>{7001, 0, 3} << "" << "" << "" << "";
    QTest::newRow("not in the course") << 9999 << 0 << false << QList<int>()
                                       << "|非PC端添加的讲义，请退出重进（不保留板书）" << "" << "" << "";
    // An id past the int range arrives wrapped: refused, nothing shown.
    QTest::newRow("wrapped id") << int(-1294967296) << 0 << false << QList<int>() << "" << "" << "" << "";
    QTest::newRow("audio") << 7004 << 0 << false << QList<int>() << "" << "" << "http://a/listen.mp3" << "";
    QTest::newRow("audio while a video card plays")
        << 7004 << 0 << true << QList<int>() << "" << "当前正在播放视频" << "" << "";
    QTest::newRow("video") << 7005 << 0 << false << QList<int>() << "" << "" << "" << "http://v/index.csv";
    QTest::newRow("video without files") << 7003 << 0 << false << QList<int>() << "" << "" << "" << "";
}

void TestClassBoard::materialSwitch()
{
    QFETCH(int, materialId);
    QFETCH(int, lastPage);
    QFETCH(bool, videoPlaying);
    QFETCH(QList<int>, pageChange);
    QFETCH(QString, box);
    QFETCH(QString, toast);
    QFETCH(QString, audioUrl);
    QFETCH(QString, videoIndex);

    BoardClass c;
    QVERIFY(c.manager() && c.course());
    if (videoPlaying)
        c.window->getVideoCardPlayerLayout()->startPlay();
    QSignalSpy spy(c.window, &TQLiveBroadCastActivity::pageChange);

    c.window->changeMaterial(materialId, 6000, lastPage);
    QCOMPARE(changes(spy), pageChange.isEmpty() ? QList<QList<int>>() : QList<QList<int>>{pageChange});
    if (!pageChange.isEmpty()) {
        // The board follows through its queue.
        QTRY_COMPARE_WITH_TIMEOUT(c.manager()->materialId(), pageChange.at(0), kBoardFollowMs);
        QTRY_COMPARE_WITH_TIMEOUT(c.manager()->pageIndex(), pageChange.at(1), kBoardFollowMs);
    }
    QCOMPARE(takeBoxes(), box.isEmpty() ? QStringList() : QStringList{box});
    // The board's own notice of the first turns (students still loading the
    // page) is the board's affair.
    QStringList toasts = toastTextsOf(c.window);
    toasts.removeAll(QStringLiteral("学生正在下载本页讲义，大约需要3到5秒"));
    QCOMPARE(toasts, toast.isEmpty() ? QStringList() : QStringList{toast});
    QCOMPARE(c.window->getLiveAudioPlayerViewInterface()->audioUrl(), audioUrl);
    QCOMPARE(c.window->getVideoCardPlayerLayout()->currentIndexUrl(), videoIndex);
    QCOMPARE(c.detailRequests(), 0);
    QCOMPARE(c.window->pendingMaterialID(), 0);
}

void TestClassBoard::unconvertedMaterial_data()
{
    QTest::addColumn<int>("replyState");
    QTest::addColumn<QList<int>>("pageChange");
    QTest::addColumn<QString>("box");

    // Converted meanwhile: the switch completes at its first page.
    QTest::newRow("converted") << 4 << QList<int>{7002, 0, 2} << "";
    // Still not: the box names the material and its state; the board stays.
    QTest::newRow("waiting") << 1 << QList<int>() << "|课堂练习等候转换中";
    QTest::newRow("converting") << 2 << QList<int>() << "|课堂练习转换中";
    QTest::newRow("failed") << 3 << QList<int>() << "|课堂练习转换失败";
}

void TestClassBoard::unconvertedMaterial()
{
    QFETCH(int, replyState);
    QFETCH(QList<int>, pageChange);
    QFETCH(QString, box);

    BoardClass c;
    QVERIFY(c.manager() && c.course());
    const QString png = c.harness.service().baseUrl() + QStringLiteral("/files/course/page1.png");
    c.harness.service().setReply(ApiPaths::kGetCourseMaterialDetail,
                                 StandInService::Reply::ok(material("7002", "课堂练习", 4, replyState,
                                                                    {page(png), page(png)})));
    QSignalSpy spy(c.window, &TQLiveBroadCastActivity::pageChange);
    QSignalSpy added(c.window, &TQLiveBroadCastActivity::newMaterialDetailAdded);

    // Clicked twice before the reply: asked for once.
    c.window->changeMaterial(7002, 6002, 0);
    c.window->changeMaterial(7002, 6002, 0);
    QCOMPARE(c.window->pendingMaterialID(), 7002);
    QTRY_COMPARE(added.size(), 1);
    QCOMPARE(c.detailRequests(), 1);
    const StandInService::Request request = c.harness.service().requestsTo(ApiPaths::kGetCourseMaterialDetail).first();
    QCOMPARE(request.formValue(QStringLiteral("materialID")), QStringLiteral("7002"));

    QCOMPARE(changes(spy), pageChange.isEmpty() ? QList<QList<int>>() : QList<QList<int>>{pageChange});
    QCOMPARE(takeBoxes(), box.isEmpty() ? QStringList() : QStringList{box});
    QCOMPARE(c.window->pendingMaterialID(), 0);
    // The reply's record took the old one's place, once.
    int entries = 0;
    for (const MaterialDetailBean *m : c.course()->course_materials) {
        if (m->materialId == 7002) {
            ++entries;
            QCOMPARE(m->materialFileProcessState, replyState);
            QCOMPARE(int(m->mFileItems.size()), 2);
        }
    }
    QCOMPARE(entries, 1);
    if (!pageChange.isEmpty())
        QTRY_COMPARE_WITH_TIMEOUT(c.manager()->materialId(), 7002, kBoardFollowMs);
}

void TestClassBoard::newMaterialReply_data()
{
    QTest::addColumn<QString>("materialId");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("materialsAfter");
    QTest::addColumn<int>("pagesOf7001");

    // A converted material stays as it was: the reply is dropped (and freed).
    QTest::newRow("known, converted") << "7001" << 4 << 6 << 3;
    // A material new to the class is added.
    QTest::newRow("new") << "7010" << 4 << 7 << 3;
    // Ids the board cannot carry are refused.
    QTest::newRow("beyond int") << "3000000000" << 4 << 6 << 3;
    QTest::newRow("zero") << "0" << 4 << 6 << 3;
}

void TestClassBoard::newMaterialReply()
{
    QFETCH(QString, materialId);
    QFETCH(int, state);
    QFETCH(int, materialsAfter);
    QFETCH(int, pagesOf7001);

    BoardClass c;
    QVERIFY(c.manager() && c.course());
    QSignalSpy spy(c.window, &TQLiveBroadCastActivity::pageChange);
    c.window->lbca_handleNewMaterialDetail_slot(material(materialId, "新讲义", 1, state, {page("http://p/1.png")}));
    QCOMPARE(c.course()->course_materials.size(), materialsAfter);
    for (const MaterialDetailBean *m : c.course()->course_materials)
        if (m->materialId == 7001)
            QCOMPARE(int(m->mFileItems.size()), pagesOf7001);
    QCOMPARE(spy.size(), 0);
    QVERIFY(takeBoxes().isEmpty());
}

void TestClassBoard::pageTurns_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("startPage");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("argument");
    QTest::addColumn<QList<int>>("pageChange");
    QTest::addColumn<QString>("box");

    QTest::newRow("next") << 7001 << 0 << "turn" << 1 << QList<int>{7001, 1, 3} << "";
    QTest::newRow("previous") << 7001 << 2 << "turn" << 0 << QList<int>{7001, 1, 3} << "";
    QTest::newRow("next on the last page") << 7001 << 2 << "turn" << 1 << QList<int>() << "提示|已经是讲义最后一页了";
    QTest::newRow("previous on the first") << 7001 << 0 << "turn" << 0 << QList<int>() << "提示|已经是讲义第一页了";
    QTest::newRow("go to a page") << 7001 << 0 << "goto" << 2 << QList<int>{7001, 2, 3} << "";
    QTest::newRow("go past the end") << 7001 << 0 << "goto" << 3 << QList<int>() << "";
    QTest::newRow("go before the start") << 7001 << 1 << "goto" << -1 << QList<int>() << "";
    // A handout without pages turns nowhere, and nothing breaks.
    QTest::newRow("no pages, next") << 7006 << 0 << "turn" << 1 << QList<int>() << "提示|已经是讲义最后一页了";
    QTest::newRow("no pages, go to 0") << 7006 << 0 << "goto" << 0 << QList<int>() << "";
}

void TestClassBoard::pageTurns()
{
    QFETCH(int, material);
    QFETCH(int, startPage);
    QFETCH(QString, operation);
    QFETCH(int, argument);
    QFETCH(QList<int>, pageChange);
    QFETCH(QString, box);

    BoardClass c;
    QVERIFY(c.manager() && c.course());
    SimStudent *student = c.harness.addStudent(20001);
    QVERIFY(student);
    if (material == 7001) {
        QVERIFY(c.openHandout(startPage));
    } else {
        c.window->changeMaterial(material, 0, startPage);
        QTRY_COMPARE_WITH_TIMEOUT(c.manager()->materialId(), material, kBoardFollowMs);
    }
    QSignalSpy spy(c.window, &TQLiveBroadCastActivity::pageChange);
    if (operation == QLatin1String("turn"))
        c.window->turnPage(argument);
    else
        c.window->goToPage(argument);

    QCOMPARE(changes(spy), pageChange.isEmpty() ? QList<QList<int>>() : QList<QList<int>>{pageChange});
    QCOMPARE(takeBoxes(), box.isEmpty() ? QStringList() : QStringList{box});
    // The turn is carried out and the student is told
    // ([sequence,4,material,page,...]); no student writes, so nobody's pen is
    // withdrawn first. Refused turns leave the board where it was.
    const int shownPage = pageChange.isEmpty() ? startPage : pageChange.at(1);
    QTRY_VERIFY_WITH_TIMEOUT(!c.manager()->isTurnPending(), kBoardFollowMs);
    if (pageChange.isEmpty()) {
        QCOMPARE(c.manager()->pageIndex(), startPage);
    } else {
        const QRegularExpression turn(QStringLiteral("\\[-?\\d+,4,%1,%2,").arg(material).arg(shownPage));
        TQRealTimeManager *sender = c.window->context()->m_pRealTimeManager;
        QVERIFY(SimStudent::waitUntil([student, sender, &turn] {
            // The class's status tick: the class start's clear-all goes
            // first, and the drawing pause of the first turns counts down.
            sender->countDownDrawingPause();
            sender->sendPendingControlActions();
            for (const SimStudent::Envelope &envelope : student->envelopes())
                if (envelope.tqMsg.contains(turn))
                    return true;
            return false;
        }));
    }
}

void TestClassBoard::pageExtras_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<QString>("video");
    QTest::addColumn<QList<int>>("stops");

    // Two animations: the first plays, paused at its stop times.
    QTest::newRow("page with two extras") << 7001 << 0 << "http://v/a.mp4" << QList<int>{1000, 2500};
    QTest::newRow("page without extras") << 7001 << 1 << "" << QList<int>();
    // Material 0: the current material's page.
    QTest::newRow("current material") << 0 << 0 << "http://v/a.mp4" << QList<int>{1000, 2500};
    QTest::newRow("page past the end") << 7001 << 3 << "" << QList<int>();
    QTest::newRow("negative page") << 7001 << -1 << "" << QList<int>();
    QTest::newRow("material without pages") << 7006 << 0 << "" << QList<int>();
}

void TestClassBoard::pageExtras()
{
    QFETCH(int, material);
    QFETCH(int, pageIndex);
    QFETCH(QString, video);
    QFETCH(QList<int>, stops);

    BoardClass c;
    QVERIFY(c.manager() && c.course());
    QVERIFY(c.openHandout(0));
    TQPPTPlayerLayout *player = c.window->getPPTPlayerLayout();
    // Whatever played before the page is replaced or hidden.
    player->initWithVideoUrl(QStringLiteral("http://v/old.mp4"), {1});
    QSignalSpy ended(player, &TQPPTPlayerLayout::endPPTPlayer_signal);

    c.window->handleDrawLayoutTurnPage(material, pageIndex);
    QCOMPARE(player->videoUrl(), video);
    QCOMPARE(QList<int>(player->stopPoints().begin(), player->stopPoints().end()), stops);
    QCOMPARE(player->isShown(), !video.isEmpty());
    QCOMPARE(ended.size(), video.isEmpty() ? 1 : 0);
}

// The animation player's state goes to the students at once, with the
// page's video address and the board's size.
void TestClassBoard::pptPlayStatusReachesAStudent()
{
    BoardClass c;
    QVERIFY(c.manager() && c.course());
    SimStudent *student = c.harness.addStudent(20001);
    QVERIFY(student);
    QVERIFY(c.openHandout(0));
    c.window->handleDrawLayoutTurnPage(7001, 0);
    QCOMPARE(c.window->getPPTPlayerLayout()->videoUrl(), QStringLiteral("http://v/a.mp4"));

    c.window->composePPTPlayStatusAndSend();
    const QSize board = c.window->getDrawLayout()->boardSize();
    // Paused (2), top 0, play id, then the drawing size.
    const QRegularExpression status(QStringLiteral("^\\[-1,165,2,0,-?\\d+,%1,%2,.*,http://v/a\\.mp4,")
                                        .arg(board.width())
                                        .arg(board.height()));
    QVERIFY(SimStudent::waitUntil([student, &status] {
        for (const SimStudent::Envelope &envelope : student->envelopes())
            if (envelope.tqMsg.contains(status))
                return true;
        return false;
    }));
}

void TestClassBoard::pasteExtensions_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("format"); // of the content; "" writes 0 bytes
    QTest::addColumn<QString>("saved");     // what the board saved: "png", "jpg" or nothing

    QTest::newRow("png") << "photo.png" << QByteArray("PNG") << "png";
    QTest::newRow("jpeg") << "photo.jpeg" << QByteArray("JPG") << "jpg";
    // The name says PNG, the content is JPEG: read by content, kept as PNG.
    QTest::newRow(".png holding a JPEG") << "photo.png" << QByteArray("JPG") << "png";
    QTest::newRow("upper-case extension") << "PHOTO.PNG" << QByteArray("PNG") << "png";
    QTest::newRow("upper-case jpg") << "Photo.JPG" << QByteArray("JPG") << "jpg";
    QTest::newRow("0-byte file") << "empty.png" << QByteArray() << "";
    QTest::newRow("bmp") << "photo.bmp" << QByteArray("BMP") << "";
    QTest::newRow("missing file") << "missing.png" << QByteArray("none") << "";
    // A cancelled chooser hands an empty path.
    QTest::newRow("cancelled chooser") << "" << QByteArray("none") << "";
}

void TestClassBoard::pasteExtensions()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, format);
    QFETCH(QString, saved);

    BoardClass c;
    QVERIFY(c.manager() && c.course());
    QVERIFY(c.openHandout(0));
    QTemporaryDir dir;
    const QString path = fileName.isEmpty() ? QString() : dir.filePath(fileName);
    if (format.isEmpty()) {
        QFile empty(path);
        QVERIFY(empty.open(QIODevice::WriteOnly));
    } else if (format != "none") {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(path, format.constData()));
    }

    TestLogCapture log;
    if (path.isEmpty()) {
        // Through the top menu's chooser, cancelled.
        c.harness.answerFileChoosers(QString());
        c.window->getTopMenuObject()->openFileDialog();
        QCOMPARE(log.messages().filter(QStringLiteral("get file names ")).size(), 1);
    } else {
        c.window->pasteImageFile(path);
    }
    const QStringList lines = log.messages().filter(QStringLiteral("saveBitmapToLocal localFilePath="));
    QCOMPARE(lines.size(), saved.isEmpty() ? 0 : 1);
    if (!saved.isEmpty())
        QVERIFY2(lines.first().endsWith(QLatin1Char('.') + saved), qPrintable(lines.first()));
}

void TestClassBoard::shapeStyle()
{
    BoardClass c;
    QVERIFY(c.manager() && c.course());
    QVERIFY(c.openHandout(0));
    // With the pen as the tool nothing changes.
    c.window->onColorSelect(5);
    QVERIFY(!dynamic_cast<TQShapeGeneric *>(c.manager()->currentTool()));

    TQShapeParams params;
    c.manager()->selectShapeTool(1001, params);
    auto *shape = dynamic_cast<TQShapeGeneric *>(c.manager()->currentTool());
    QVERIFY(shape);
    c.window->onColorSelect(5);
    QCOMPARE(shape->brush.colour, 5);
    c.window->onColorSelect(25);
    QCOMPARE(shape->brush.colour, 0);
    c.window->onColorSelect(0);
    QCOMPARE(shape->brush.colour, 0);
    c.window->onLineTypeSelect(true);
    QCOMPARE(shape->brush.type, 0);
    c.window->onLineTypeSelect(false);
    QCOMPARE(shape->brush.type, 1);
    c.window->onFillModeChange(true);
    QCOMPARE(shape->fill, 1);
}

void TestClassBoard::shapeMenuPickBecomesTheTool()
{
    BoardClass c;
    QVERIFY(c.manager() && c.course());
    QVERIFY(c.openHandout(0));
    TQShapeLayout *menu = c.window->getShapeLayout();
    QVERIFY(menu);
    QVERIFY(!dynamic_cast<TQShapeGeneric *>(c.manager()->currentTool()));
    // A catalogue item picked in the menu becomes the board's tool.
    menu->menuShape(0, 2300, -1, QString(), QStringLiteral("qrc:/res/icon.png"));
    QVERIFY(dynamic_cast<TQShapeGeneric *>(c.manager()->currentTool()));
}

void TestClassBoard::scrollBarAndButtons()
{
    BoardClass c;
    QVERIFY(c.manager() && c.course());
    QVERIFY(c.openHandout(0));
    QQuickView *view = c.window->quickView();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QQuickItem *page = view->rootObject();
    QQuickItem *bar = page->findChild<QQuickItem *>(QStringLiteral("liveScroll"));
    QQuickItem *thumb = page->findChild<QQuickItem *>(QStringLiteral("thumb"));
    QQuickItem *overview = page->findChild<QQuickItem *>(QStringLiteral("overview"));
    QVERIFY(bar && thumb && overview);
    // Shown once the course detail is in; the course here may come from the test.
    page->setProperty("needPageControlShow", true);
    TQDrawManager *manager = c.manager();
    const int canvasHeight = manager->canvasSize().height();
    const int visibleHeight = manager->visibleSize().height();
    QSignalSpy barPosition(c.window, &TQLiveBroadCastActivity::updateScrollBarPosition_signal);
    QSignalSpy topOffset(c.window, &TQLiveBroadCastActivity::updateTopOffset_signal);

    // "下": a quarter of the canvas down; the bar and the players follow.
    auto click = [&](const char *name) {
        QQuickItem *button = page->findChild<QQuickItem *>(QLatin1String(name));
        QVERIFY(button);
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier,
                          button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint());
    };
    click("scrollDownButton");
    QTRY_COMPARE(barPosition.size(), 1);
    const int step = canvasHeight / 4;
    QCOMPARE(barPosition.first().at(0).toInt(), step);
    QCOMPARE(barPosition.first().at(1).toInt(), manager->getMaxContentHeight());
    QCOMPARE(topOffset.first().at(0).toInt(), int(qint64(step) * visibleHeight / canvasHeight));
    QTRY_COMPARE(manager->topOffset(), step);
    QTRY_VERIFY(thumb->y() > 0);
    click("scrollUpButton");
    QTRY_COMPARE(barPosition.size(), 2);
    QCOMPARE(barPosition.last().at(0).toInt(), 0);
    QTRY_COMPARE(manager->topOffset(), 0);
    QCOMPARE(thumb->y(), 0.0);

    // Dragging the thumb half way: the overview shows while it is held, and
    // the board scrolls there once it is let go; the bar is not told back.
    barPosition.clear();
    topOffset.clear();
    const QPointF grip = thumb->mapToScene(QPointF(thumb->width() / 2, thumb->height() / 2));
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, grip.toPoint());
    QVERIFY(overview->isVisible());
    for (int dy = 10; dy <= bar->height() / 2; dy += 10)
        QTest::mouseMove(view, (grip + QPointF(0, dy)).toPoint());
    const qreal heldAt = thumb->y();
    QVERIFY(heldAt > 0);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, (grip + QPointF(0, bar->height() / 2)).toPoint());
    QVERIFY(!overview->isVisible());
    QVERIFY(bar->property("mouseDragReleased").toBool());
    QTRY_COMPARE(topOffset.size(), 1);
    QCOMPARE(barPosition.size(), 0);
    const double content = double(canvasHeight) * manager->screensPerPage();
    const int expected = int(qMin(content * int(thumb->y()) / int(bar->height()), content - canvasHeight));
    QTRY_VERIFY2(qAbs(manager->topOffset() - expected) <= 1,
                 qPrintable(QStringLiteral("%1 for %2").arg(manager->topOffset()).arg(expected)));

    // Leaving the track before letting go ends the drag there.
    topOffset.clear();
    const QPointF again = thumb->mapToScene(QPointF(thumb->width() / 2, thumb->height() / 2));
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, again.toPoint());
    QTest::mouseMove(view, (again + QPointF(0, 10)).toPoint());
    QTest::mouseMove(view, (again + QPointF(-3 * bar->width(), 20)).toPoint());
    QVERIFY(!overview->isVisible());
    QTRY_COMPARE(topOffset.size(), 1);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, (again + QPointF(-3 * bar->width(), 20)).toPoint());
    QTest::qWait(50);
    QCOMPARE(topOffset.size(), 1);
}

QTEST_MAIN(TestClassBoard)
#include "tst_classboard.moc"
