#include "base/dialog/CCommonDialog.h"

#include "TestLogCapture.h"
#include "TestPictures.h"
#include "utils/TextMetrics.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>
#include <QtTest>

namespace {

// A classroom dialog in miniature: delete-on-close, then init with the
// default margin and radius.
class TestDialog : public CCommonDialog
{
public:
    explicit TestDialog(int margin = -1, int radius = -1)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        init(QStringLiteral("testDialog"), QStringLiteral("qrc:///test/TestPanel.qml"), margin, radius);
    }

    int margin() const { return m_margin; }
    int radius() const { return m_radius; }
    bool showing() const { return m_bShowing; }
    QSize contentSize() const { return m_contentSize; }
    QQuickWidget *view() const { return m_pView; }
    QQuickItem *panel() const { return m_pView->rootObject(); }

    void sendMouse(QEvent::Type type, const QPoint &global, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent event(type, mapFromGlobal(global), global, button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QCoreApplication::sendEvent(this, &event);
    }
};

QSize screenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

} // namespace

class TestCommonDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void hostsPanelAndFollowsItsSize();
    void nonPositiveContentSize();
    void showSelfAlternatesHeight();
    void staysOnScreen_data();
    void staysOnScreen();
    void keptOnScreen_data();
    void keptOnScreen();
    void paintsShadowAndPanel_data();
    void paintsShadowAndPanel();
    void dragsAndClosesAsPopup();
};

void TestCommonDialog::hostsPanelAndFollowsItsSize()
{
    QPointer<TestDialog> dialog(new TestDialog);
    const int m = layoutUnit().width() / 2;
    QVERIFY(m > 0);
    QCOMPARE(dialog->margin(), m);
    QCOMPARE(dialog->radius(), m);
    QVERIFY(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog->windowType(), Qt::Tool);
    QVERIFY(dialog->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(dialog->view()->status(), QQuickWidget::Ready);
    QCOMPARE(dialog->view()->parentWidget(), dialog.data());
    // A second init is refused: one view, one layout.
    QQuickWidget *view = dialog->view();
    dialog->init(QStringLiteral("other"), QStringLiteral("qrc:///test/TestPanel.qml"), 3, 3);
    QCOMPARE(dialog->view(), view);
    QCOMPARE(dialog->margin(), m);
    QCOMPARE(dialog->findChildren<QQuickWidget *>().size(), 1);

    // The panel reported its size on load.
    QCOMPARE(dialog->size(), QSize(240 + 2 * m, 120 + 2 * m));
    QCOMPARE(dialog->contentSize(), dialog->size());

    dialog->showSelf();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    QVERIFY(dialog->showing());
    // The first show makes the window one pixel taller than its content.
    QCOMPARE(dialog->height(), 120 + 2 * m + 1);
    QCOMPARE(dialog->view()->geometry(), QRect(m, m, 240, 121));

    dialog->panel()->setWidth(300);
    dialog->panel()->setHeight(90);
    QCOMPARE(dialog->size(), QSize(300 + 2 * m, 90 + 2 * m));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QTRY_COMPARE(dialog->view()->size(), QSize(300, 90));
    // The panel's button sits centred near its bottom edge.
    QTRY_COMPARE(QColor(dialog->grab().toImage().pixel(m + 150, m + 90 - 12 - 4)), QColor(QStringLiteral("#3A78E6")));
    QCOMPARE(QColor(dialog->grab().toImage().pixel(m + 5, m + 45)), QColor(Qt::white));
    saveTestPicture(dialog->grab().toImage(), QStringLiteral("commondialog"));

    dialog->close();
    QVERIFY(!dialog->showing());
    QTRY_VERIFY(dialog.isNull());
}

void TestCommonDialog::nonPositiveContentSize()
{
    TestDialog *dialog = new TestDialog(6, -1);
    QCOMPARE(dialog->radius(), 6);
    const QSize viewSize = dialog->view()->size();
    dialog->contentSizeChange(0, 50);
    QCOMPARE(dialog->size(), QSize(12, 62));
    dialog->contentSizeChange(80, -4);
    QCOMPARE(dialog->size(), QSize(92, 8));
    QCOMPARE(dialog->contentSize(), QSize(92, 8));
    QCOMPARE(dialog->view()->size(), viewSize);
    delete dialog;
}

void TestCommonDialog::showSelfAlternatesHeight()
{
    TestLogCapture capture;
    QPointer<TestDialog> dialog(new TestDialog);
    const int h = dialog->contentSize().height();
    dialog->showSelf();
    QCOMPARE(dialog->height(), h + 1);
    dialog->showSelf();
    QCOMPARE(dialog->height(), h);
    dialog->showSelf();
    QCOMPARE(dialog->height(), h + 1);
    QVERIFY(TestLogCapture::currentLogFileText().contains(
        QStringLiteral("CCommonDialog::showSelf [LOG] show for dialog done")));
    dialog->close();
    QTRY_VERIFY(dialog.isNull());
}

void TestCommonDialog::staysOnScreen_data()
{
    const QSize screen = screenSize();
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<bool>("jumpsLeft");
    QTest::addColumn<bool>("centredVertically");
    QTest::newRow("inside") << QPoint(20, 30) << false << false;
    QTest::newRow("out right") << QPoint(screen.width() - 40, 30) << true << false;
    QTest::newRow("out bottom") << QPoint(20, screen.height() - 40) << false << true;
    QTest::newRow("left and above") << QPoint(-50, -60) << true << false;
}

void TestCommonDialog::staysOnScreen()
{
    QFETCH(QPoint, from);
    QFETCH(bool, jumpsLeft);
    QFETCH(bool, centredVertically);
    QPointer<TestDialog> dialog(new TestDialog);
    dialog->move(from);
    dialog->showSelf();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    const QSize screen = screenSize();
    const QSize window = dialog->contentSize();
    const int x = jumpsLeft ? 0 : from.x();
    const int y = centredVertically ? (screen.height() - window.height()) / 2 : qMax(0, from.y());
    QCOMPARE(dialog->pos(), QPoint(x, y));
    dialog->close();
    QTRY_VERIFY(dialog.isNull());
}

void TestCommonDialog::keptOnScreen_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("kept");
    const QRect first(0, 0, 1920, 1080);
    const QRect second(1920, 0, 1280, 1024);
    QTest::newRow("fits") << QRect(100, 200, 300, 200) << first << QPoint(100, 200);
    QTest::newRow("right edge exactly") << QRect(1620, 880, 300, 200) << first << QPoint(1620, 880);
    QTest::newRow("one pixel out right") << QRect(1621, 100, 300, 200) << first << QPoint(0, 100);
    QTest::newRow("one pixel out bottom") << QRect(100, 881, 300, 200) << first << QPoint(100, 440);
    QTest::newRow("left and above") << QRect(-5, -7, 300, 200) << first << QPoint(0, 0);
    QTest::newRow("wider than screen") << QRect(0, 0, 2000, 200) << first << QPoint(0, 0);
    // A window on a second screen stays on that screen.
    QTest::newRow("second screen fits") << QRect(2500, 300, 300, 200) << second << QPoint(2500, 300);
    QTest::newRow("second screen out right") << QRect(3000, 300, 300, 200) << second << QPoint(1920, 300);
    QTest::newRow("second screen out bottom") << QRect(2500, 900, 300, 200) << second << QPoint(2500, 412);
}

void TestCommonDialog::keptOnScreen()
{
    QFETCH(QRect, window);
    QFETCH(QRect, screen);
    QFETCH(QPoint, kept);
    QCOMPARE(CCommonDialog::keptOnScreen(window, screen), kept);
}

void TestCommonDialog::paintsShadowAndPanel_data()
{
    QTest::addColumn<int>("margin");
    QTest::newRow("default margin") << -1;
    QTest::newRow("margin 0") << 0;
}

void TestCommonDialog::paintsShadowAndPanel()
{
    QFETCH(int, margin);
    TestDialog *dialog = new TestDialog(margin, -1);
    const int m = dialog->margin();
    dialog->showSelf();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    saveTestPicture(dialog->grab().toImage(),
                    QStringLiteral("commondialog_") + QString(QTest::currentDataTag()).replace(' ', '_'));

    // The dialog's own painting, without the panel's QML on top.
    dialog->view()->hide();
    const QImage image = dialog->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const int midY = image.height() / 2;
    const int midX = image.width() / 2;
    QCOMPARE(image.pixel(midX, midY), qRgb(255, 255, 255));
    if (m > 0) {
        // Soft shadow outside the panel, then the grey border, then white.
        QVERIFY(m >= 4);
        QCOMPARE(image.pixel(1, midY), qRgba(0, 0, 0, 0x16));
        const QColor border(image.pixel(m / 2, midY));
        QVERIFY2(border.red() == border.green() && border.red() >= 0xC8 && border.red() < 0xF8,
                 qPrintable(border.name(QColor::HexArgb)));
        QCOMPARE(image.pixel(m - 1, midY), qRgb(255, 255, 255));
    } else {
        QCOMPARE(dialog->radius(), layoutUnit().width() / 2);
        // No shadow: the panel fills the window, its border on the edge.
        QCOMPARE(image.pixel(1, midY), qRgb(255, 255, 255));
        const QColor border(image.pixel(0, midY));
        QVERIFY2(border.alpha() == 255 && border.red() < 0xF8, qPrintable(border.name(QColor::HexArgb)));
    }
    // Rounded corners leave the very corner pixel clear.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    delete dialog;
}

void TestCommonDialog::dragsAndClosesAsPopup()
{
    QPointer<TestDialog> dialog(new TestDialog);
    dialog->move(100, 100);
    dialog->showSelf();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    const QPoint start = dialog->pos();

    // Dragging the background moves the window with the cursor.
    dialog->sendMouse(QEvent::MouseButtonPress, start + QPoint(3, 3));
    dialog->sendMouse(QEvent::MouseMove, start + QPoint(43, 23));
    QCOMPARE(dialog->pos(), start + QPoint(40, 20));
    dialog->sendMouse(QEvent::MouseButtonRelease, start + QPoint(43, 23));
    dialog->sendMouse(QEvent::MouseMove, start + QPoint(90, 90));
    QCOMPARE(dialog->pos(), start + QPoint(40, 20));

    // Outside presses and other buttons: no drag; a tool window stays open.
    dialog->sendMouse(QEvent::MouseButtonPress, QPoint(5, 5));
    dialog->sendMouse(QEvent::MouseButtonPress, dialog->pos() + QPoint(3, 3), Qt::RightButton);
    dialog->sendMouse(QEvent::MouseMove, QPoint(300, 300));
    QCOMPARE(dialog->pos(), start + QPoint(40, 20));
    QVERIFY(dialog->isVisible());

    dialog->setPopup(true);
    QCOMPARE(dialog->windowType(), Qt::Popup);
    QVERIFY(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    dialog->showSelf();
    dialog->sendMouse(QEvent::MouseButtonPress, dialog->pos() + QPoint(3, 3));
    QVERIFY(dialog->isVisible());
    dialog->sendMouse(QEvent::MouseButtonRelease, dialog->pos() + QPoint(3, 3));
    dialog->sendMouse(QEvent::MouseButtonPress, dialog->geometry().bottomRight() + QPoint(1, 1));
    QTRY_VERIFY(dialog.isNull());
}

QTEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
