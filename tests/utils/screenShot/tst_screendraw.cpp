#include "utils/screenShot/CScreenDraw.h"
#include "utils/screenShot/CScreenDrawTool.h"

#include "TestPictures.h"
#include "utils/TextMetrics.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

// A tool bar that records what the canvas tells it.
class RecordingTool : public CScreenDrawTool
{
public:
    void setUndoEnabled(bool enabled) override { undoCalls.append(enabled); }
    void onTextCommitted() override { ++textCommits; }

    QList<bool> undoCalls;
    int textCommits = 0;
};

// An annotation surface as the screenshot tool builds one: a widget covering
// the screen from its origin that forwards mouse and Shift key events to the
// canvas and paints its layers over the background.
class Surface : public QWidget, public CScreenDraw
{
public:
    Surface()
        : CScreenDraw(this)
    {
        setWindowFlags(Qt::FramelessWindowHint);
        QImage picture(kWidth, kHeight, QImage::Format_RGB32);
        picture.fill(QColor(235, 240, 250));
        QPainter painter(&picture);
        painter.setPen(QColor(180, 190, 210));
        for (int x = 0; x < kWidth; x += 20)
            painter.drawLine(x, 0, x, kHeight);
        painter.end();
        m_background = QPixmap::fromImage(picture);
        m_backgroundImage = picture;
        m_screenWidth = kWidth;
        m_screenHeight = kHeight;
        m_selectRect = QRect(100, 80, 200, 120);
        m_penColor = Qt::red;
        m_pTextEdit = new QTextEdit(this);
        m_pTextEdit->resize(160, 60);
        m_pTextEdit->hide();
        m_pDrawTool = &tool;
        initCanvas();
        setGeometry(0, 0, kWidth, kHeight);
    }

    // Mouse input with its global position equal to its local one.
    void send(QEvent::Type type, const QPoint &pos, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, pos, pos, button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &event);
    }
    void drag(const QVector<QPoint> &points)
    {
        send(QEvent::MouseButtonPress, points.first());
        for (int i = 1; i < points.size(); ++i)
            send(QEvent::MouseMove, points.at(i));
        send(QEvent::MouseButtonRelease, points.last(), Qt::NoButton);
    }

    QImage result() const { return m_resultLayer.pixmap->toImage(); }
    QImage stroke() const { return m_strokeLayer.pixmap->toImage(); }
    QImage background() const { return m_background.toImage(); }
    QImage composed()
    {
        QImage image(kWidth, kHeight, QImage::Format_ARGB32);
        QPainter painter(&image);
        painter.drawPixmap(0, 0, m_background);
        paintLayers(&painter);
        return image;
    }
    int shapeCount() const { return int(m_shapes.size()); }
    const CScreenDrawShape &shape(int i) const { return *m_shapes.at(size_t(i)); }
    int drawType() const { return m_drawType; }
    QTextEdit *editor() const { return m_pTextEdit; }

    RecordingTool tool;

protected:
    void mousePressEvent(QMouseEvent *e) override { onMousePress(e); }
    void mouseMoveEvent(QMouseEvent *e) override { onMouseMove(e); }
    void mouseReleaseEvent(QMouseEvent *e) override { onMouseRelease(e); }
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Shift)
            setShiftPressed(true);
    }
    void keyReleaseEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Shift)
            setShiftPressed(false);
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_background);
        paintLayers(&painter);
    }
};

bool isBlank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

} // namespace

class TestScreenDraw : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup() { m_surface.reset(); }

    void spannedRectangle_data();
    void spannedRectangle();
    void clickWithoutDragDrawsNothing_data();
    void clickWithoutDragDrawsNothing();
    void shiftDragGivesSquare_data();
    void shiftDragGivesSquare();
    void arrowGeometry();
    void eraserUndoRestoresPixels();
    void clearAllKeepsUndoState();
    void textCommit_data();
    void textCommit();
    void pressWithTextToolSwitchesToPen();
    void paintToFlattensIntoBackground();

private:
    std::unique_ptr<Surface> m_surface;
};

void TestScreenDraw::init()
{
    m_surface.reset(new Surface);
    m_surface->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_surface.get()));
}

void TestScreenDraw::spannedRectangle_data()
{
    QTest::addColumn<QPoint>("p0");
    QTest::addColumn<QPoint>("p1");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("inner");
    QTest::newRow("down right") << QPoint(10, 20) << QPoint(110, 70) << false << QRect(10, 20, 100, 50)
                                << QRect(14, 24, 92, 42);
    QTest::newRow("up left") << QPoint(110, 70) << QPoint(10, 20) << false << QRect(10, 20, 100, 50)
                             << QRect(14, 24, 92, 42);
    QTest::newRow("shift keeps top-left") << QPoint(100, 100) << QPoint(40, 10) << true << QRect(40, 10, 60, 60)
                                          << QRect(44, 14, 52, 52);
    QTest::newRow("flat: no inner") << QPoint(10, 20) << QPoint(110, 20) << false << QRect(10, 20, 100, 0)
                                    << QRect(-1, -1, 0, 0);
    QTest::newRow("shift flat: empty") << QPoint(10, 20) << QPoint(110, 20) << true << QRect(10, 20, 0, 0)
                                       << QRect(-1, -1, 0, 0);
}

void TestScreenDraw::spannedRectangle()
{
    QFETCH(QPoint, p0);
    QFETCH(QPoint, p1);
    QFETCH(bool, shift);
    QFETCH(QRect, rect);
    QFETCH(QRect, inner);
    QRect gotInner;
    QCOMPARE(CScreenDraw::getRect(p0, p1, shift, &gotInner), rect);
    QCOMPARE(gotInner, inner);
}

void TestScreenDraw::clickWithoutDragDrawsNothing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("jiggle");
    QTest::newRow("rectangle") << int(CScreenDraw::DRAW_RECT) << false;
    QTest::newRow("ellipse") << int(CScreenDraw::DRAW_ELLIPSE) << false;
    QTest::newRow("arrow") << int(CScreenDraw::DRAW_ARROW) << false;
    QTest::newRow("line") << int(CScreenDraw::DRAW_LINE) << false;
    QTest::newRow("eraser") << int(CScreenDraw::DRAW_ERASER) << false;
    // A one-pixel pen or eraser stroke is still a click, and leaves no trace.
    QTest::newRow("line jiggle") << int(CScreenDraw::DRAW_LINE) << true;
    QTest::newRow("eraser jiggle") << int(CScreenDraw::DRAW_ERASER) << true;
}

void TestScreenDraw::clickWithoutDragDrawsNothing()
{
    QFETCH(int, type);
    QFETCH(bool, jiggle);
    Surface &s = *m_surface;
    s.drag({QPoint(100, 150), QPoint(300, 150)});
    QCOMPARE(s.shapeCount(), 1);
    const QImage before = s.result();

    s.setDrawType(type);
    if (jiggle)
        s.drag({QPoint(200, 150), QPoint(201, 150)});
    else
        s.drag({QPoint(200, 150)});
    QCOMPARE(s.shapeCount(), 1);
    QCOMPARE(s.tool.undoCalls, QList<bool>{true});
    QCOMPARE(s.result(), before);
    QVERIFY(isBlank(s.stroke()));
}

void TestScreenDraw::shiftDragGivesSquare_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("rectangle") << int(CScreenDraw::DRAW_RECT);
    QTest::newRow("ellipse") << int(CScreenDraw::DRAW_ELLIPSE);
}

void TestScreenDraw::shiftDragGivesSquare()
{
    QFETCH(int, type);
    Surface &s = *m_surface;
    s.setDrawType(type);
    QTest::keyPress(&s, Qt::Key_Shift);
    s.drag({QPoint(100, 100), QPoint(70, 60), QPoint(40, 10)});
    QTest::keyRelease(&s, Qt::Key_Shift);

    QCOMPARE(s.shapeCount(), 1);
    QCOMPARE(s.tool.undoCalls, QList<bool>{true});
    const CScreenDrawShape &shape = s.shape(0);
    QCOMPARE(shape.path->boundingRect(), QRectF(40, 10, 60, 60));
    QVERIFY(shape.innerPath);
    QCOMPARE(shape.innerPath->boundingRect(), QRectF(44, 14, 52, 52));
    QVERIFY(!shape.filled);
    // The outline lies on the committed layer within the square and its pen.
    const QRect painted = paintedBounds(s.result());
    QVERIFY2(QRect(38, 8, 64, 64).contains(painted) && painted.width() >= 58 && painted.height() >= 58,
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(painted.x()).arg(painted.y()).arg(painted.width()).arg(painted.height())));
    QCOMPARE(QColor(s.result().pixel(40, 40)).rgb(), QColor(Qt::red).rgb());

    // Without Shift the same drag spans the whole rectangle.
    s.drag({QPoint(100, 100), QPoint(40, 10)});
    QCOMPARE(s.shape(1).path->boundingRect(), QRectF(40, 10, 60, 90));
    saveTestPicture(s.composed(), QStringLiteral("screendraw_shift_") + QTest::currentDataTag());
}

void TestScreenDraw::arrowGeometry()
{
    Surface &s = *m_surface;
    s.setDrawType(CScreenDraw::DRAW_ARROW);
    s.drag({QPoint(100, 150), QPoint(150, 150), QPoint(200, 150)});
    QCOMPARE(s.shapeCount(), 1);
    const CScreenDrawShape &arrow = s.shape(0);
    QVERIFY(arrow.filled);
    QCOMPARE(arrow.path->fillRule(), Qt::WindingFill);
    // The head's tip lies 6 pixels beyond the cursor; its barbs are 20 pixels
    // long at 0.6 radian either side of the shaft.
    const QRectF bounds = arrow.path->boundingRect();
    QCOMPARE(bounds.left(), 100.0);
    QVERIFY(qAbs(bounds.right() - 206) < 1e-6);
    const qreal barb = 20 * std::sin(0.6);
    QVERIFY(qAbs(bounds.top() - (150 - barb)) < 1e-6);
    QVERIFY(qAbs(bounds.bottom() - (150 + barb)) < 1e-6);
    // Filled with the pen colour along the shaft and in the head.
    const QImage result = s.result();
    QCOMPARE(QColor(result.pixel(160, 150)), QColor(Qt::red));
    QCOMPARE(QColor(result.pixel(200, 150)), QColor(Qt::red));
    QCOMPARE(qAlpha(result.pixel(160, 140)), 0);
}

void TestScreenDraw::eraserUndoRestoresPixels()
{
    Surface &s = *m_surface;
    s.setDrawType(CScreenDraw::DRAW_RECT);
    s.drag({QPoint(60, 60), QPoint(340, 240)});
    s.setDrawType(CScreenDraw::DRAW_LINE);
    s.drag({QPoint(50, 150), QPoint(150, 150), QPoint(250, 150), QPoint(350, 150)});
    QCOMPARE(s.shapeCount(), 2);
    QVERIFY(isBlank(s.stroke()));
    const QImage beforeErasing = s.result();
    QCOMPARE(QColor(beforeErasing.pixel(200, 150)), QColor(Qt::red));

    s.setDrawType(CScreenDraw::DRAW_ERASER);
    s.drag({QPoint(200, 40), QPoint(200, 100), QPoint(200, 260)});
    QCOMPARE(s.shapeCount(), 3);
    const QImage erased = s.result();
    saveTestPicture(s.composed(), QStringLiteral("screendraw_erased"));
    QCOMPARE(qAlpha(erased.pixel(200, 150)), 0);
    QCOMPARE(qAlpha(erased.pixel(200, 60)), 0);
    QCOMPARE(QColor(erased.pixel(120, 150)), QColor(Qt::red));
    // The eraser starts where it was pressed, not where the pen stopped.
    QCOMPARE(QColor(erased.pixel(340, 150)), QColor(Qt::red));

    s.undo();
    QCOMPARE(s.shapeCount(), 2);
    QCOMPARE(s.result(), beforeErasing);
    QCOMPARE(s.tool.undoCalls, (QList<bool>{true, true, true}));

    // A shape drawn after an eraser is not erased by it on replay.
    s.setDrawType(CScreenDraw::DRAW_ERASER);
    s.drag({QPoint(100, 100), QPoint(100, 200)});
    s.setDrawType(CScreenDraw::DRAW_LINE);
    s.drag({QPoint(60, 180), QPoint(140, 180)});
    s.redraw(true);
    QCOMPARE(QColor(s.result().pixel(100, 180)), QColor(Qt::red));
    QCOMPARE(qAlpha(s.result().pixel(100, 150)), 0);

    while (s.shapeCount() > 0)
        s.undo();
    QCOMPARE(s.tool.undoCalls.last(), false);
    QVERIFY(isBlank(s.result()));
}

void TestScreenDraw::clearAllKeepsUndoState()
{
    Surface &s = *m_surface;
    s.setDrawType(CScreenDraw::DRAW_ELLIPSE);
    s.drag({QPoint(60, 60), QPoint(200, 160)});
    QCOMPARE(s.tool.undoCalls, QList<bool>{true});
    s.clearAll();
    QCOMPARE(s.shapeCount(), 0);
    QVERIFY(isBlank(s.result()));
    QVERIFY(isBlank(s.stroke()));
    QCOMPARE(s.tool.undoCalls, QList<bool>{true});
}

void TestScreenDraw::textCommit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("kept");
    QTest::newRow("blanks around") << QStringLiteral("  请看这里 ") << true;
    QTest::newRow("blanks only") << QStringLiteral("   \n ") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestScreenDraw::textCommit()
{
    QFETCH(QString, typed);
    QFETCH(bool, kept);
    Surface &s = *m_surface;
    s.setDrawType(CScreenDraw::DRAW_TEXT);
    QTextEdit *editor = s.editor();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->pos(), QRect(100, 80, 200, 120).center());
    editor->setPlainText(typed);

    s.commitText();
    QVERIFY(!editor->isVisible());
    QCOMPARE(s.tool.textCommits, 1);
    QVERIFY(s.tool.undoCalls.isEmpty());
    QCOMPARE(s.shapeCount(), kept ? 1 : 0);
    if (!kept) {
        QVERIFY(isBlank(s.result()));
        return;
    }
    const CScreenDrawShape &text = s.shape(0);
    QCOMPARE(text.text, typed);
    const int m = int(editor->document()->documentMargin());
    QCOMPARE(text.path->boundingRect(),
             QRectF(editor->x() + m, editor->y() + m, editor->width() - 2 * m, editor->height() - 2 * m));
    const QRect painted = paintedBounds(s.result());
    QVERIFY(!painted.isEmpty());
    QVERIFY(text.path->boundingRect().toAlignedRect().contains(painted));
    saveTestPicture(s.composed(), QStringLiteral("screendraw_text"));

    // Committing again without an open editor does nothing.
    s.commitText();
    QCOMPARE(s.tool.textCommits, 1);
}

void TestScreenDraw::pressWithTextToolSwitchesToPen()
{
    Surface &s = *m_surface;
    s.setDrawType(CScreenDraw::DRAW_TEXT);
    s.editor()->setPlainText(QStringLiteral("第一题"));
    s.drag({QPoint(20, 20)});
    QCOMPARE(s.shapeCount(), 1);
    QCOMPARE(s.drawType(), int(CScreenDraw::DRAW_LINE));
    QVERIFY(!s.editor()->isVisible());
    QCOMPARE(s.tool.textCommits, 1);

    // The next drag draws with the free pen.
    s.drag({QPoint(20, 250), QPoint(120, 260), QPoint(220, 250)});
    QCOMPARE(s.shapeCount(), 2);
    QCOMPARE(s.shape(1).type, int(CScreenDraw::DRAW_LINE));
}

void TestScreenDraw::paintToFlattensIntoBackground()
{
    Surface &s = *m_surface;
    s.setDrawType(CScreenDraw::DRAW_RECT);
    s.drag({QPoint(30, 30), QPoint(170, 120)});
    s.setDrawType(CScreenDraw::DRAW_ELLIPSE);
    s.drag({QPoint(200, 30), QPoint(370, 120)});
    s.setDrawType(CScreenDraw::DRAW_ARROW);
    s.drag({QPoint(40, 270), QPoint(180, 170)});
    s.setDrawType(CScreenDraw::DRAW_LINE);
    s.drag({QPoint(220, 260), QPoint(260, 180), QPoint(300, 250), QPoint(340, 170)});
    s.setDrawType(CScreenDraw::DRAW_TEXT);
    s.editor()->setPlainText(QStringLiteral("重点 Key"));
    s.commitText();
    QCOMPARE(s.shapeCount(), 5);

    const QImage before = s.background();
    QCOMPARE(before.pixel(30, 60), qRgb(235, 240, 250));
    s.paintTo();
    const QImage after = s.background();
    QCOMPARE(QColor(after.pixel(30, 60)), QColor(Qt::red));
    QCOMPARE(after.pixel(100, 70), before.pixel(100, 70));
    QVERIFY(!saveTestPicture(after, QStringLiteral("screendraw_all_shapes")).isEmpty());
    QCOMPARE(m_surface->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(30, 60), qRgb(255, 0, 0));
}

QTEST_MAIN(TestScreenDraw)
#include "tst_screendraw.moc"
