// The background layer against a real file cache in the test's own data
// folder and a fake download manager whose finished-download signal the test
// fires: element geometry and captions, which views are drawn for the visible
// band, where images come from (local path, cache, redownload), and the
// placeholder for an image not at hand.
#include "ElementSource.h"

#include "modules/live/draws/TQDrawBackgroundDownloader.h"
#include "modules/live/draws/TQDrawBackgroundElementLayout.h"
#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQVirtualImageView.h"
#include "modules/live/draws/TQVirtualLineView.h"
#include "modules/live/draws/TQVirtualTextView.h"
#include "utils/FileUtils.h"
#include "utils/TextMetrics.h"

#include <QFontMetrics>
#include <QtTest>

namespace {

class FakeDownloader : public TQDrawBackgroundDownloader
{
public:
    bool redownloadUrl(const QString &url) override
    {
        asked << url;
        return true;
    }
    void finish(const QString &url) { emit bdManager_handleBinaryDownloaded_signal(url); }
    QStringList asked;
};

// Puts a picture of one colour into the course file cache under `url`.
QString cachePicture(const QString &url, const QColor &colour)
{
    QImage picture(64, 32, QImage::Format_RGB32);
    picture.fill(colour);
    const QString local = FileUtils::getResourceFileFromUrl(url);
    return picture.save(local, "PNG") ? local : QString();
}

QRect edgesOf(const TQVirtualView *view)
{
    return QRect(QPoint(view->left, view->top), QPoint(view->right, view->bottom));
}

QRect edges(int l, int t, int r, int b)
{
    return QRect(QPoint(l, t), QPoint(r, b));
}

struct Board
{
    Board()
    {
        downloader = new FakeDownloader;
        layer.setDownloadManager(downloader);
        layer.setContentSize(QSize(1000, 640));
    }
    void redraw(bool removeViews = true, int topOffset = 0, float scale = 1.0f)
    {
        layer.redrawBackgroundLayout(removeViews, topOffset, scale, &source, QSize(1000, 640));
    }
    TQDrawBackgroundElementLayout *view(int tag) const { return layer.findViewByTag(tag); }

    ElementSource source;
    TQDrawBackgroundLayout layer;
    FakeDownloader *downloader; // owned by the layer
};

} // namespace

class TestBackgroundLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void geometry_data();
    void geometry();
    void caption();
    void visibleIn_data();
    void visibleIn();
    void imageSource_data();
    void imageSource();
    void downloadFinished();
    void placeholderAndScroll();
    void relayoutKeepsViews();
};

void TestBackgroundLayout::geometry_data()
{
    QTest::addColumn<QRect>("element");
    QTest::addColumn<int>("canvasWidth");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("no canvas: its own width, twice the size") << QRect(0, 10, 500, 300) << 0 << 1.0f
                                                              << QRect(0, 20, 1000, 600);
    QTest::newRow("canvas 2000: half") << QRect(100, 200, 400, 300) << 2000 << 1.0f << QRect(50, 100, 200, 150);
    QTest::newRow("canvas 2000 zoomed 2x") << QRect(100, 200, 400, 300) << 2000 << 2.0f
                                           << QRect(100, 200, 400, 300);
    QTest::newRow("truncated") << QRect(1, 1, 3, 3) << 3000 << 1.0f << QRect(0, 0, 1, 1);
}

void TestBackgroundLayout::geometry()
{
    QFETCH(QRect, element);
    QFETCH(int, canvasWidth);
    QFETCH(float, scale);
    QFETCH(QRect, expected);

    Board board;
    board.source.addBackground(7, TQDrawingElement::PlacedImage, element, canvasWidth, QString());
    board.redraw(true, 0, scale);
    TQDrawBackgroundElementLayout *view = board.view(7);
    QVERIFY(view);
    QCOMPARE(view->elementRect(), expected);
    // Without caption: no separator, no caption band; the image fills it.
    QVERIFY(!view->lineView() && !view->textView());
    QCOMPARE(edgesOf(view->imageView()), edges(0, 0, expected.width(), expected.height()));
}

void TestBackgroundLayout::caption()
{
    Board board;
    board.source.addBackground(8, TQDrawingElement::PlacedImage, QRect(100, 100, 400, 300), 1000, QString(),
                               QStringLiteral("李明"), 50);
    board.redraw();
    TQDrawBackgroundElementLayout *view = board.view(8);
    QVERIFY(view->lineView() && view->textView());
    // Band of 50: 10 above the text, the separator in the middle of the rest.
    QCOMPARE(edgesOf(view->lineView()), edges(0, 30, 400, 31));
    QCOMPARE(view->lineView()->color(), QColor(Qt::gray));
    QFont font;
    font.setPixelSize(16);
    const int w = QFontMetrics(font).horizontalAdvance(QStringLiteral("李明"));
    const int x = int(200 - w / 2.0);
    QCOMPARE(edgesOf(view->textView()), edges(x, 10, x + w, 50));
    QCOMPARE(view->textView()->text(), QStringLiteral("李明"));
    QCOMPARE(edgesOf(view->imageView()), edges(0, 50, 400, 300));
}

void TestBackgroundLayout::visibleIn_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("visible");

    // The band is y 1000 .. 1640.
    QTest::newRow("bottom edge on the band's top") << 900 << 100 << false;
    QTest::newRow("top edge on the band's bottom") << 1640 << 100 << false;
    QTest::newRow("reaching into the band") << 900 << 101 << true;
    QTest::newRow("starting inside") << 1639 << 100 << true;
    QTest::newRow("taller than the band, covering it") << 500 << 2000 << true;
    QTest::newRow("exactly the band") << 1000 << 640 << true;
    QTest::newRow("far below") << 3000 << 100 << false;
}

void TestBackgroundLayout::visibleIn()
{
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(bool, visible);

    TQDrawBackgroundElementLayout view;
    view.initWithUserNameAndUrl(QString(), QString(), QRect(0, top, 100, height), 0);
    QCOMPARE(view.isVisibleIn(1000, 640), visible);
}

void TestBackgroundLayout::imageSource_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("cached");
    QTest::addColumn<bool>("atHand");
    QTest::addColumn<QString>("image"); // "cache" for the cached file
    QTest::addColumn<int>("redownloads");

    const int local = TQDrawingElement::LocalImage;
    const int page = TQDrawingElement::PageImage;
    QTest::newRow("local path as it is") << local << "/tmp/shot.png" << false << false << "/tmp/shot.png" << 0;
    QTest::newRow("upper-case HTTP is a local path") << local << "HTTP://127.0.0.1/a.png" << false << false
                                                     << "HTTP://127.0.0.1/a.png" << 0;
    QTest::newRow("local kind with http goes through the cache") << local << "http://127.0.0.1/b.png" << true
                                                                 << false << "cache" << 0;
    QTest::newRow("local kind, http, not cached: asked again") << local << "http://127.0.0.1/c.png" << false
                                                               << false << "" << 1;
    QTest::newRow("page at hand, cached") << page << "http://127.0.0.1/d.png" << true << true << "cache" << 0;
    QTest::newRow("page reported at hand but not cached") << page << "http://127.0.0.1/e.png" << false << true
                                                          << "" << 1;
    QTest::newRow("page not at hand: waits for the download") << page << "http://127.0.0.1/f.png" << true << false
                                                              << "" << 0;
}

void TestBackgroundLayout::imageSource()
{
    QFETCH(int, kind);
    QFETCH(QString, url);
    QFETCH(bool, cached);
    QFETCH(bool, atHand);
    QFETCH(QString, image);
    QFETCH(int, redownloads);

    const QString local = cached ? cachePicture(url, Qt::red) : QString();
    Board board;
    board.source.addBackground(9, kind, QRect(0, 0, 1000, 640), 1000, url);
    if (atHand)
        board.source.filesAtHand << url;
    board.redraw();

    TQDrawBackgroundElementLayout *view = board.view(9);
    QCOMPARE(view->imageView()->imagePath(), image == QLatin1String("cache") ? local : image);
    QCOMPARE(board.downloader->asked.size(), redownloads);
    QCOMPARE(board.source.downloadsAsked.size(), kind == TQDrawingElement::LocalImage ? 0 : 1);
    if (cached)
        QFile::remove(local);
}

void TestBackgroundLayout::downloadFinished()
{
    const QString url = QStringLiteral("http://127.0.0.1/course/page1.png");
    const QString other = QStringLiteral("http://127.0.0.1/course/page2.png");
    QFile::remove(FileUtils::getResourceFileFromUrl(url)); // starts with nothing downloaded
    Board board;
    board.source.addBackground(1, TQDrawingElement::PageImage, QRect(0, 0, 500, 300), 1000, url);
    board.source.addBackground(2, TQDrawingElement::PlacedImage, QRect(500, 0, 500, 300), 1000, url);
    board.source.addBackground(3, TQDrawingElement::PlacedImage, QRect(0, 300, 500, 300), 1000, other);
    board.redraw();
    QCOMPARE(board.source.downloadsAsked, QStringList({url, url, other}));

    // A failed download leaves the placeholder and asks for nothing more.
    board.downloader->finish(url);
    QVERIFY(board.view(1)->imageView()->imagePath().isEmpty());
    QVERIFY(board.downloader->asked.isEmpty());

    // Both views of the url get the picture; the third waits for its own.
    const QString local = cachePicture(url, Qt::blue);
    board.downloader->finish(url);
    QCOMPARE(board.view(1)->imageView()->imagePath(), local);
    QCOMPARE(board.view(2)->imageView()->imagePath(), local);
    QVERIFY(board.view(3)->imageView()->imagePath().isEmpty());
    QCOMPARE(board.layer.contentImage().pixelColor(250, 150), QColor(Qt::blue));

    // A cached file that does not load: one request however many views show
    // it, since each request uses up one of the url's retries.
    const QString broken = FileUtils::getResourceFileFromUrl(other);
    QVERIFY(FileUtils::putFileContent(broken, "not a picture"));
    board.layer.setupBackgroundImage(other, nullptr, false);
    QCOMPARE(board.downloader->asked, QStringList({other}));
    board.source.addBackground(4, TQDrawingElement::PlacedImage, QRect(500, 300, 500, 300), 1000, other);
    board.redraw(false);
    board.downloader->asked.clear();
    board.layer.setupBackgroundImage(other, nullptr, false);
    QCOMPARE(board.downloader->asked, QStringList({other}));

    // A download that ends after its views were removed finds nothing.
    qDeleteAll(board.source.background);
    board.source.background.clear();
    board.layer.removeAllViews();
    board.downloader->finish(url);
    QCOMPARE(board.layer.viewCount(), 0);
    QFile::remove(local);
    QFile::remove(broken);
}

void TestBackgroundLayout::placeholderAndScroll()
{
    const QString url = QStringLiteral("http://127.0.0.1/course/scroll.png");
    const QString local = cachePicture(url, Qt::green);
    Board board;
    board.source.addBackground(1, TQDrawingElement::PageImage, QRect(0, 0, 1000, 640), 1000, url);
    board.source.addBackground(2, TQDrawingElement::PlacedImage, QRect(0, 700, 1000, 300), 1000,
                               QStringLiteral("http://127.0.0.1/course/missing.png"));
    board.source.filesAtHand << url;
    board.redraw();
    QImage content = board.layer.contentImage();
    QCOMPARE(content.pixelColor(500, 320), QColor(Qt::green));

    // Scrolled down 600: the page image's last 40 rows, then white, then the
    // placeholder of the missing picture from y 100.
    board.redraw(false, 600);
    content = board.layer.contentImage();
    QCOMPARE(content.pixelColor(500, 20), QColor(Qt::green));
    QCOMPARE(content.pixelColor(500, 60), QColor(Qt::white));
    const QImage placeholder = TQDrawBackgroundElementLayout::placeholderImage();
    QVERIFY(!placeholder.isNull());
    const QColor expected = placeholder.pixelColor(2, placeholder.height() / 2);
    const QColor drawn = content.pixelColor(4, 250);
    QVERIFY2(qAbs(drawn.red() - expected.red()) < 8 && qAbs(drawn.blue() - expected.blue()) < 8,
             qPrintable(drawn.name()));
    QFile::remove(local);
}

void TestBackgroundLayout::relayoutKeepsViews()
{
    Board board;
    board.source.addBackground(1, TQDrawingElement::PlacedImage, QRect(100, 100, 400, 200), 1000, QString());
    board.redraw();
    TQDrawBackgroundElementLayout *view = board.view(1);
    board.layer.relayoutViews(0, 1.0f, &board.source, QSize(500, 320));
    QCOMPARE(board.layer.viewCount(), 1);
    QCOMPARE(board.view(1), view);
    QCOMPARE(view->elementRect(), QRect(50, 50, 200, 100));
    QCOMPARE(board.layer.contentImage().size(), QSize(500, 320));

    // Neither canvas nor width: left out, never divided by.
    board.source.addBackground(2, TQDrawingElement::PlacedImage, QRect(10, 10, 0, 10), 0, QString());
    board.redraw(false);
    QVERIFY(!board.view(2));
}

QTEST_MAIN(TestBackgroundLayout)
#include "tst_backgroundlayout.moc"
