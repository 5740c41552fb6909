// The background, foreground and temporal layers as registered QML items in
// a real offscreen scene: a page image with a captioned photo, a cover board,
// the small blackboard and the red pointer, grabbed from the screen and saved
// as a picture for a person to look at.
#include "QmlScene.h"
#include "ElementSource.h"
#include "TestPictures.h"

#include "QmlTypes.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQPointW.h"
#include "utils/FileUtils.h"
#include "utils/TextMetrics.h"

#include <QPainter>
#include <QQuickItem>
#include <QQuickView>
#include <QScreen>
#include <QtTest>

namespace {

// A page picture: pale blue with dark lines of "text" and a framed figure.
QImage pagePicture()
{
    QImage page(1000, 640, QImage::Format_RGB32);
    page.fill(QColor(236, 244, 255));
    QPainter p(&page);
    p.setPen(QPen(QColor(40, 60, 90), 6));
    for (int y = 80; y < 600; y += 60)
        p.drawLine(60, y, y % 120 ? 560 : 480, y);
    p.setBrush(QColor(255, 200, 120));
    p.drawEllipse(QRect(640, 200, 240, 240));
    return page;
}

QImage solidPicture(QSize size, const QColor &colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

bool cache(const QImage &picture, const QString &url)
{
    return picture.save(FileUtils::getResourceFileFromUrl(url), "PNG");
}

} // namespace

class TestBoardOverlays : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void pageWithEveryOverlay();
};

void TestBoardOverlays::pageWithEveryOverlay()
{
    const QString pageUrl = QStringLiteral("http://127.0.0.1/course/page1.png");
    const QString photoUrl = QStringLiteral("http://127.0.0.1/course/photo.png");
    const std::string copyUrl = "http://127.0.0.1/board/copy.png";
    QVERIFY(cache(pagePicture(), pageUrl));
    QVERIFY(cache(solidPicture(QSize(200, 150), QColor(90, 160, 90)), photoUrl));
    QVERIFY(cache(solidPicture(QSize(300, 120), QColor(30, 70, 50)), QString::fromStdString(copyUrl)));

    registerQmlTypes();
    QQuickView view;
    QVERIFY(loadQmlScene(view, "import QtQuick 2.12\n"
              "import com.morvane.veltro.controls 1.0\n"
              "Item {\n"
              "  width: 1000; height: 640\n"
              "  TQDrawBackgroundLayout { objectName: \"tqdrawbackgroundLayout\"; anchors.fill: parent }\n"
              "  TQDrawForegroundLayout { objectName: \"foreground\"; anchors.fill: parent }\n"
              "  TQDrawTemporalLayout { objectName: \"temporal\"; anchors.fill: parent }\n"
              "}\n"));
    auto *background = view.rootObject()->findChild<TQDrawBackgroundLayout *>("tqdrawbackgroundLayout");
    auto *foreground = view.rootObject()->findChild<TQDrawForegroundLayout *>("foreground");
    auto *temporal = view.rootObject()->findChild<TQDrawTemporalLayout *>("temporal");
    QVERIFY(background && foreground && temporal);

    const QSize size(1000, 640);
    setBoardSize(size.width(), size.height());
    ElementSource source;
    source.addBackground(1, TQDrawingElement::PageImage, QRect(0, 0, 1000, 640), 1000, pageUrl);
    source.addBackground(2, TQDrawingElement::PlacedImage, QRect(620, 380, 240, 230), 1000, photoUrl,
                         QStringLiteral("王小红"), 40);
    source.addCoverBoard(3, QRect(80, 250, 360, 180), 1000);
    source.filesAtHand << pageUrl << photoUrl;

    background->setContentSize(size);
    background->redrawBackgroundLayout(true, 0, 1.0f, &source, size);
    foreground->init(size);
    foreground->rebuild(true, 0, 1.0f, &source, size);
    temporal->setVisibleSize(size);
    temporal->showBlackboard(copyUrl, 300, 120, 1000, 560);
    const TQPointW at(300, 520);
    const int red = 108;
    temporal->updatePointer(true, nullptr, &red, nullptr, nullptr, &at);

    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QImage screen;
    QTRY_VERIFY((screen = view.screen()->grabWindow(view.winId()).toImage(),
                 screen.pixelColor(200, 340) == QColor(220, 220, 224)));
    QVERIFY(!saveTestPicture(screen, "board_overlays").isEmpty());

    QCOMPARE(screen.pixelColor(20, 620), QColor(236, 244, 255));  // the page
    QCOMPARE(screen.pixelColor(700, 500), QColor(90, 160, 90));   // the photo below its caption
    QCOMPARE(screen.pixelColor(740, 389), QColor(Qt::white));     // its caption cell
    QCOMPARE(screen.pixelColor(700, 60), QColor(30, 70, 50));     // the blackboard's picture, over the page
    const QColor frame = screen.pixelColor(563, 60);
    QVERIFY2(frame.red() > frame.blue() + 40, qPrintable(frame.name())); // its wooden frame
    const QColor pointer = screen.pixelColor(314, 534);
    QVERIFY2(pointer.red() > 200 && pointer.green() < 100, qPrintable(pointer.name()));
}

QTEST_MAIN(TestBoardOverlays)
#include "tst_boardoverlays.moc"
