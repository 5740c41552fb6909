// Pictures, copied regions, cover boards and pastes on the draw manager,
// driven through its queue against real board layers and the live data
// source over an in-memory course (DrawManagerFixture). The upload is the
// fixture's recording service; the download of a region's picture is real,
// from the local stand-in service. Checked: the page's elements, what was
// published, what reached the services, and the toasts.
#include "DrawManagerFixture.h"
#include "StandInService.h"
#include "TopLevelWidgets.h"

#include "actions/drawing/TQDrawActionCutImagePortion.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "base/dialog/CToast.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/draws/TQPathImage.h"
#include "utils/FileUtils.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const TQDrawingElement *foregroundTagged(DrawManagerFixture &f, int tag, int *count = nullptr)
{
    const TQDrawingElement *found = nullptr;
    int n = 0;
    for (const TQDrawingElement *e : *f.source.reservoirForegroundElements()) {
        if (e->tag == tag) {
            found = e;
            ++n;
        }
    }
    if (count)
        *count = n;
    return found;
}

// A picture of noise: its JPG is large, as a screenshot's is.
QPixmap noise(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = random.generate() | 0xff000000u;
    }
    return QPixmap::fromImage(image);
}

} // namespace

class TestDrawManagerImages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { takeShownToasts(); }
    void coverBoardStaysOnTheVisibleBoard_data();
    void coverBoardStaysOnTheVisibleBoard();
    void coverBoardWithKnownTagReplacesIt();
    void pictureCaption_data();
    void pictureCaption();
    void pictureWithoutWidthRefused();
    void imageShapeReplacesPending();
    void placeImageRefusedAtPageBottom();
    void regionWaitsForItsPicture();
    void pastedScreenshotWaitsThenPlaces();
    void uploadFailure_data();
    void uploadFailure();
};

void TestDrawManagerImages::coverBoardStaysOnTheVisibleBoard_data()
{
    QTest::addColumn<QPoint>("asked");
    QTest::addColumn<bool>("close");
    QTest::addColumn<QPoint>("placed");
    // A 200 x 100 board on the 1000 x 640 board scrolled to 0.
    QTest::newRow("inside") << QPoint(300, 200) << false << QPoint(300, 200);
    QTest::newRow("beyond the left and top") << QPoint(-50, -30) << false << QPoint(0, 0);
    QTest::newRow("beyond the right and bottom") << QPoint(950, 600) << false << QPoint(800, 540);
    QTest::newRow("closed: off the page") << QPoint(3000, 200) << true << QPoint(3000, 200);
}

void TestDrawManagerImages::coverBoardStaysOnTheVisibleBoard()
{
    QFETCH(QPoint, asked);
    QFETCH(bool, close);
    QFETCH(QPoint, placed);
    DrawManagerFixture f;
    f.manager.queueCoverBoardImage(asked.x(), asked.y(), 0, 200, 100, 1000, 640, 1000, 88, close);
    f.drain();
    const TQDrawingElement *e = foregroundTagged(f, 88);
    QVERIFY(e);
    QCOMPARE(QPoint(e->x, e->y), placed);
    QCOMPARE(QSize(e->width, e->height), QSize(200, 100));
    QCOMPARE(e->flag1 + e->flag2, 2);
    const auto sent = f.sent<TQDrawActionDrawImage>(10);
    QCOMPARE(int(sent.size()), 1);
    QCOMPARE(sent[0]->url, std::string("NoURL"));
    QCOMPARE(sent[0]->placement, 2);
}

void TestDrawManagerImages::coverBoardWithKnownTagReplacesIt()
{
    DrawManagerFixture f;
    f.addCoverBoard(77, QRect(10, 10, 300, 200));
    f.manager.queueCoverBoardImage(400, 100, 0, 300, 200, 1000, 640, 1000, 77, false);
    f.drain();
    int count = 0;
    const TQDrawingElement *e = foregroundTagged(f, 77, &count);
    QCOMPARE(count, 1);
    QCOMPARE(QPoint(e->x, e->y), QPoint(400, 100));
}

void TestDrawManagerImages::pictureCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("author");
    QTest::addColumn<QString>("shown");
    QTest::newRow("own caption") << "作业" << 555 << "作业";
    QTest::newRow("participant: remark name") << "" << 555 << "小明";
    QTest::newRow("the teacher") << "" << DrawManagerFixture::kTeacher << "讲课老师:王老师";
    QTest::newRow("no longer a participant") << "" << 556 << "上课同学";
}

void TestDrawManagerImages::pictureCaption()
{
    QFETCH(QString, caption);
    QFETCH(int, author);
    QFETCH(QString, shown);
    DrawManagerFixture f;
    LoginManager::saveLoginInfo(QJsonObject{{"accountDetails", QJsonObject{{"user_id", "10001"},
                                                                           {"user_nick_name", "王老师"}}}});
    CParticipantBean student;
    student.userBriefInfo.userId = "555";
    student.mUserId = 555;
    student.remarkName = "小明";
    f.course.course->addUserToHashMap(&student);

    // A 400 x 300 picture, placed 40 below the top on a 2000-wide canvas.
    f.manager.queueDrawImage(501, 0, "http://127.0.0.1/photo.jpg", 2000, 1280, 400, 300, 180, 40, 0, author, author,
                             0, 0, 0, 0, 60, 1234, false, caption.toStdString());
    f.drain();
    f.course.course->removeUserFromHashMap(&student);
    const QList<TQDrawingElement *> *background = f.source.reservoirBackgroundElements();
    const TQDrawingElement *e = background->last();
    QCOMPARE(e->caption, shown);
    QCOMPARE(e->kind, int(TQDrawingElement::PlacedImage));
    QCOMPARE(QRect(e->x, e->y, e->width, e->height), QRect(0, 50, 1000, 750));
    QCOMPARE(e->captionHeight, 90);
}

void TestDrawManagerImages::pictureWithoutWidthRefused()
{
    DrawManagerFixture f;
    const int before = f.source.reservoirBackgroundElements()->size();
    f.manager.queueDrawImage(501, 0, "http://127.0.0.1/photo.jpg", 2000, 1280, 0, 300, 0, 0, 0, 555, 555, 0, 0, 0,
                             0, 0, 1, false, "x");
    f.drain();
    QCOMPARE(f.source.reservoirBackgroundElements()->size(), before);
}

void TestDrawManagerImages::imageShapeReplacesPending()
{
    DrawManagerFixture f;
    for (int x : {100, 300})
        f.manager.queueDrawImage(501, 0, "http://127.0.0.1/a.png", 4000, 2560, 800, 400, 0, 0, 0, 1, 1, 1, 0, 0, x,
                                 200, 4242, false, "");
    f.drain();
    int shapes = 0;
    for (TQPath *p : f.manager.pendingPaths()) {
        if (auto *image = dynamic_cast<TQPathImage *>(p)) {
            ++shapes;
            QCOMPARE(image->strokeId, 4242);
            QCOMPARE(image->rect, QRectF(75, 50, 200, 100));
        }
    }
    QCOMPARE(shapes, 1);
}

void TestDrawManagerImages::placeImageRefusedAtPageBottom()
{
    DrawManagerFixture f;
    // A picture as wide as the board with its band fits the 23 screens...
    TQDrawManager::ImageRecord fits{"http://127.0.0.1/p.png", QSize(500, 300), 3, 4, "c"};
    QVERIFY(f.manager.placeImageOnBoard(fits, 0, true));
    f.drain();
    const auto sent = f.sent<TQDrawActionDrawImage>(10);
    QCOMPARE(int(sent.size()), 1);
    QCOMPARE(sent[0]->height, 690); // (300 + 45) x 2
    QCOMPARE(sent[0]->captionHeight, 90);
    QCOMPARE(sent[0]->sourceB, 3);
    QCOMPARE(sent[0]->ownerUserId, 4);
    QVERIFY(takeShownToasts().isEmpty());
    // ...one 40 times as tall does not.
    TQDrawManager::ImageRecord tall{"http://127.0.0.1/t.png", QSize(500, 12000), 0, 0, ""};
    QVERIFY(!f.manager.placeImageOnBoard(tall, 0, true));
    QCOMPARE(takeShownToasts(), QStringList{QStringLiteral("已经到达本讲义页最低处，请换页讲解")});
    TQDrawManager::ImageRecord empty{"http://127.0.0.1/e.png", QSize(0, 100), 0, 0, ""};
    QVERIFY(!f.manager.placeImageOnBoard(empty, 0, true));
}

void TestDrawManagerImages::regionWaitsForItsPicture()
{
    StandInService service;
    QVERIFY(service.listen());
    DrawManagerFixture f;
    const QString url = service.baseUrl() + "/files/pages/page2.png";
    QFile::remove(FileUtils::getResourceFileFromUrl(url));
    f.manager.queueCutImagePortion(501, 0, 400, 800, 800, 400, 400, 800, 4000, 2560, 0, false, 0, 10001, 9, url.toStdString());
    f.drain();
    QVERIFY(f.sent<TQDrawActionCutImagePortion>(11).empty());
    QTRY_COMPARE(int(f.sent<TQDrawActionCutImagePortion>(11).size()), 1);
    f.drain();
    const TQDrawingElement *e = f.source.reservoirBackgroundElements()->last();
    QCOMPARE(e->kind, int(TQDrawingElement::BoardRegion));
    QCOMPARE(QRect(e->x, e->y, e->width, e->height), QRect(100, 200, 200, 100));
    QCOMPARE(e->url, url);
    // The region's old strokes are cleared and a snapshot taken.
    QCOMPARE(f.sentCodes().back(), 2);
}

void TestDrawManagerImages::pastedScreenshotWaitsThenPlaces()
{
    DrawManagerFixture f;
    QPixmap shot = noise(700, 700);
    TQDrawManager::PasteRequest r;
    r.picture = &shot;
    r.rect = QRect(100, 100, 300, 300);
    r.kind = 1;
    r.tag = 1;
    f.manager.uploadPasteArea(r);
    QCOMPARE(f.services.calls.filter("upload ").size(), 1);
    const QString saved = f.services.calls.filter("upload ").front().section(' ', 1, 1);
    const qint64 bytes = QFileInfo(saved).size();
    QVERIFY2(bytes > 200000 && bytes <= 400000, qPrintable(QString::number(bytes)));
    QVERIFY(f.shadeView.isVisible());
    QCOMPARE(f.shadeView.seconds(), 6);
    QVERIFY(f.services.calls.contains("drawing 0 "));

    const QString url = QStringLiteral("http://127.0.0.1/pasted/shot.jpg");
    f.manager.handleUploadFileSuccess(url);
    QVERIFY(!QFileInfo::exists(saved));
    QVERIFY(QFileInfo::exists(FileUtils::getResourceFileFromUrl(url)));
    QVERIFY(f.services.calls.filter("send image " + url).size() == 1);
    // A coarse timer may fire up to 5 % early.
    QElapsedTimer waited;
    waited.start();
    QTRY_VERIFY_WITH_TIMEOUT(!f.sent<TQDrawActionDrawImage>(10).empty() || f.manager.queuedActionCount() > 0, 5000);
    QVERIFY2(waited.elapsed() >= 2800, qPrintable(QString::number(waited.elapsed())));
    f.drain();
    const auto sent = f.sent<TQDrawActionDrawImage>(10);
    QCOMPARE(int(sent.size()), 1);
    QCOMPARE(sent[0]->placement, 1);
    QCOMPARE(QRect(sent[0]->x, sent[0]->y, sent[0]->width, sent[0]->height), QRect(400, 400, 1200, 1200));
    QCOMPARE(f.sentCodes().back(), 2);
    QVERIFY(!f.shadeView.isVisible());
    QCOMPARE(f.services.calls.filter("drawing ").last(), QStringLiteral("drawing 1 "));
}

void TestDrawManagerImages::uploadFailure_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("toast");
    QTest::newRow("small blackboard") << 0 << "由于网络问题，小黑板的内容没有传输给学生。";
    QTest::newRow("selected area") << 1 << "由于网络问题，划定区域的内容没有传输给学生。";
}

void TestDrawManagerImages::uploadFailure()
{
    QFETCH(int, tag);
    QFETCH(QString, toast);
    DrawManagerFixture f;
    QPixmap shot = noise(40, 40);
    TQDrawManager::PasteRequest r;
    r.picture = &shot;
    r.tag = tag;
    f.manager.uploadPasteArea(r);
    const int paths = f.source.getPagePaths()->size();
    f.manager.handleUploadFileFailure();
    f.drain();
    QCOMPARE(takeShownToasts(), QStringList{toast});
    QVERIFY(f.sent<TQDrawActionDrawImage>(10).empty());
    QCOMPARE(f.source.getPagePaths()->size(), paths);
}

QTEST_MAIN(TestDrawManagerImages)
#include "tst_drawmanagerimages.moc"
