// Virtual views: geometry relative to the parent chain, painting at the
// absolute place moved up by the scroll offset (checked on pixels), the frame
// layout's ownership of its children, and the image view's lazy loading.
#include "TestLogCapture.h"
#include "TestPictures.h"

#include "modules/live/draws/TQVirtualFrameLayout.h"
#include "modules/live/draws/TQVirtualImageView.h"
#include "modules/live/draws/TQVirtualLineView.h"
#include "modules/live/draws/TQVirtualTextView.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Counts its deletions.
class CountedView : public TQVirtualView
{
public:
    explicit CountedView(int *deleted, TQVirtualView *parent = nullptr)
        : TQVirtualView(parent)
        , deleted(deleted)
    {
    }
    ~CountedView() override { ++*deleted; }
    int *deleted;
};

QImage blankCanvas()
{
    QImage image(200, 300, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

class TestVirtualViews : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void childPaintsAtItsAbsolutePlace();
    void laterChildrenPaintOver();
    void frameLayoutOwnership();
    void removingAForeignViewLeavesIt();
    void imageView();
};

void TestVirtualViews::geometry_data()
{
    QTest::addColumn<QRect>("edges"); // as QRect(left, top, right, bottom) for setEdges
    QTest::addColumn<bool>("viaSetRect");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("relative");
    QTest::newRow("edges are exclusive") << QRect(10, 20, 110, 70) << false << QSize(100, 50) << QRect(10, 20, 100, 50);
    // setRect takes QRect's inclusive right and bottom: one pixel less each way.
    QTest::newRow("setRect") << QRect(10, 20, 100, 50) << true << QSize(99, 49) << QRect(10, 20, 99, 49);
}

void TestVirtualViews::geometry()
{
    QFETCH(QRect, edges);
    QFETCH(bool, viaSetRect);
    QFETCH(QSize, size);
    QFETCH(QRect, relative);
    TQVirtualView view;
    if (viaSetRect)
        view.setRect(edges);
    else
        view.setEdges(edges.x(), edges.y(), edges.width(), edges.height());
    QCOMPARE(QSize(view.width(), view.height()), size);
    QCOMPARE(view.rect(), relative);
    QCOMPARE(view.absoluteRect(), relative);
}

void TestVirtualViews::childPaintsAtItsAbsolutePlace()
{
    TQVirtualFrameLayout root;
    root.setEdges(60, 150, 160, 250);
    auto *frame = new TQVirtualFrameLayout(&root);
    frame->setEdges(40, 50, 100, 100); // absolute (100, 200)
    root.addView(frame);
    auto *line = new TQVirtualLineView(frame);
    line->setEdges(5, 5, 15, 15);
    line->setColor(Qt::red);
    frame->addView(line);
    QCOMPARE(line->absoluteRect(), QRect(105, 205, 10, 10));

    QImage image = blankCanvas();
    QPainter painter(&image);
    root.paint(&painter, 50);
    painter.end();
    // drawRect with a pen covers the rectangle's outline one pixel further.
    QCOMPARE(paintedBounds(image), QRect(105, 155, 11, 11));
    QCOMPARE(image.pixelColor(110, 160), QColor(Qt::red));

    // Moving the parent moves the child with it.
    frame->setEdges(0, 0, 60, 50);
    QCOMPARE(line->absoluteRect(), QRect(65, 155, 10, 10));
}

void TestVirtualViews::laterChildrenPaintOver()
{
    TQVirtualFrameLayout root;
    for (const QColor &c : {QColor(Qt::blue), QColor(Qt::green)}) {
        auto *line = new TQVirtualLineView(&root);
        line->setEdges(0, 0, 20, 20);
        line->setColor(c);
        root.addView(line);
    }
    auto *text = new TQVirtualTextView(&root);
    text->setEdges(0, 100, 200, 150);
    text->setText("Aa");
    root.addView(text);
    QImage image = blankCanvas();
    QPainter painter(&image);
    painter.setPen(Qt::black);
    root.paint(&painter, 0);
    painter.end();
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::green));
    // The text lands inside its own rectangle, in the painter's pen.
    const QRect textArea = paintedBounds(image.copy(0, 30, 200, 270)).translated(0, 30);
    QVERIFY2(QRect(0, 100, 200, 50).contains(textArea), qPrintable(QString::number(textArea.top())));
}

void TestVirtualViews::frameLayoutOwnership()
{
    int deleted = 0;
    TestLogCapture log;
    {
        TQVirtualFrameLayout frame;
        auto *a = new CountedView(&deleted, &frame);
        auto *b = new CountedView(&deleted, &frame);
        frame.addView(a);
        frame.addView(a);
        QCOMPARE(frame.viewCount(), 1);
        QCOMPARE(log.messages().filter("error repeat add view").size(), 1);
        frame.removeView(a);
        QCOMPARE(deleted, 1);
        QCOMPARE(frame.viewCount(), 0);
        frame.addView(b);
        QCOMPARE(frame.viewAt(0), b);
    }
    // b went with its layout; a was deleted exactly once.
    QCOMPARE(deleted, 2);
}

// A view that is not in the list belongs to somebody else: the layout logs
// and leaves it, so its owner's delete is the only one (run under ASan).
void TestVirtualViews::removingAForeignViewLeavesIt()
{
    int deleted = 0;
    TestLogCapture log;
    TQVirtualFrameLayout frame;
    CountedView foreign(&deleted);
    frame.removeView(&foreign);
    frame.removeView(nullptr);
    QCOMPARE(deleted, 0);
    QCOMPARE(log.messages().filter("error repeat remove view 0").size(), 2);
}

void TestVirtualViews::imageView()
{
    QTemporaryDir dir;
    QImage picture(4, 2, QImage::Format_ARGB32);
    picture.fill(Qt::magenta);
    const QString path = dir.filePath("p.png");
    QVERIFY(picture.save(path));

    TQVirtualImageView view;
    view.setEdges(10, 20, 50, 40);
    view.setImagePath(path);
    view.setVisible(false);
    QImage image = blankCanvas();
    QPainter painter(&image);
    view.paint(&painter, 0);
    QVERIFY(!view.isImageLoaded());
    QCOMPARE(paintedBounds(image), QRect());

    view.setVisible(true);
    view.paint(&painter, 10);
    QVERIFY(view.isImageLoaded());
    // Scaled into the rectangle, moved up by the offset.
    QCOMPARE(paintedBounds(image), QRect(10, 10, 40, 20));

    // A path that does not load draws nothing, and is not tried again.
    view.setImagePath(dir.filePath("missing.png"));
    QVERIFY(view.image()->isNull());
    QVERIFY(QFile::copy(path, dir.filePath("missing.png")));
    QVERIFY(view.image()->isNull());
    painter.end();
}

QTEST_MAIN(TestVirtualViews)
#include "tst_virtualviews.moc"
