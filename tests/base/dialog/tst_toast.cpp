#include "TopLevelWidgets.h"
#include "base/dialog/CDialogManager.h"
#include "base/dialog/CToast.h"
#include "utils/TextMetrics.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QtTest>

namespace {

QList<CToast *> toasts()
{
    return topLevelWidgetsOf<CToast>();
}

} // namespace

class TestToast : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void cleanup();
    void fade_data();
    void fade();
    void closesItselfAfterItsTime();
    void nothingToShow_data();
    void nothingToShow();
    void size_data();
    void size();
    void placement_data();
    void placement();
    void grabForReview();
};

void TestToast::cleanup()
{
    qDeleteAll(toasts());
}

void TestToast::fade_data()
{
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<double>("opacity"); // 0 means closed
    QTest::newRow("3000 ms, first tick") << 3000 << 1 << 29.0 / 30.0;
    QTest::newRow("3000 ms, 29th tick") << 3000 << 29 << 1.0 / 30.0;
    QTest::newRow("3000 ms, 30th tick") << 3000 << 30 << 0.0;
    QTest::newRow("below one tick") << 50 << 1 << 0.0;
    QTest::newRow("250 ms, second tick") << 250 << 2 << 0.2;
    QTest::newRow("250 ms, third tick") << 250 << 3 << 0.0;
}

void TestToast::fade()
{
    QFETCH(int, duration);
    QFETCH(int, ticks);
    QFETCH(double, opacity);

    CDialogManager::toast(nullptr, QStringLiteral("网络异常"), duration, 0);
    QCOMPARE(toasts().size(), 1);
    QPointer<CToast> toast = toasts().first();
    QVERIFY(toast->isVisible());
    QCOMPARE(toast->windowOpacity(), 1.0);
    for (int i = 0; i < ticks; ++i)
        toast->timeout_slot();
    if (opacity > 0.0) {
        QVERIFY(toast->isVisible());
        QVERIFY2(qAbs(toast->windowOpacity() - opacity) < 0.01, qPrintable(QString::number(toast->windowOpacity())));
    } else {
        QTRY_VERIFY(toast.isNull());
    }
}

void TestToast::closesItselfAfterItsTime()
{
    QElapsedTimer clock;
    clock.start();
    CDialogManager::toast(nullptr, QStringLiteral("保存成功"), 300);
    QCOMPARE(toasts().size(), 1);
    QPointer<CToast> toast = toasts().first();
    QTRY_VERIFY_WITH_TIMEOUT(toast.isNull(), 5000);
    QVERIFY(clock.elapsed() >= 300);
}

void TestToast::nothingToShow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("duration");
    QTest::newRow("empty text") << "" << 3000;
    QTest::newRow("no time") << "网络异常" << 0;
    QTest::newRow("negative time") << "网络异常" << -100;
}

void TestToast::nothingToShow()
{
    QFETCH(QString, text);
    QFETCH(int, duration);
    QCOMPARE(CDialogManager::toast(nullptr, text, duration, 0), 0);
    QVERIFY(toasts().isEmpty());
}

void TestToast::size_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wraps");
    QTest::newRow("short") << "网络异常" << false;
    QTest::newRow("twenty characters") << "一二三四五六七八九十一二三四五六七八九十" << false;
    QTest::newRow("long") << "请先退出进行中课程，然后再打开新的课程，谢谢您的配合与理解" << true;
}

void TestToast::size()
{
    QFETCH(QString, text);
    QFETCH(bool, wraps);

    CToast toast(nullptr, text);
    auto *label = toast.findChild<QLabel *>();
    QVERIFY(label);
    const QFontMetrics metrics(label->font());
    const int line = metrics.height();
    QCOMPARE(label->font().pointSize(), 12);
    QCOMPARE(label->width(), metrics.horizontalAdvance(text.left(20)));
    QCOMPARE(label->height() > line * 3 / 2, wraps);
    QCOMPARE(label->pos(), QPoint(line, line));
    QCOMPARE(toast.size(), label->size() + QSize(2 * line, 2 * line));
}

void TestToast::placement_data()
{
    // What the toast is placed against: a top-level parent, a child widget
    // as parent, no parent while a window is active or merely shown, no
    // parent and no window.
    QTest::addColumn<QString>("reference");
    QTest::addColumn<int>("position");
    for (const char *reference : {"window", "child", "active", "shown", "screen"}) {
        for (int position = 0; position <= 5; ++position)
            QTest::addRow("%s, position %d", reference, position) << QString::fromLatin1(reference) << position;
    }
}

void TestToast::placement()
{
    QFETCH(QString, reference);
    QFETCH(int, position);

    QWidget window;
    window.setGeometry(200, 150, 640, 400);
    auto *child = new QWidget(&window);
    child->setGeometry(50, 40, 300, 200);
    if (reference != QLatin1String("screen")) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (reference == QLatin1String("active")) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
    }
    QWidget *parent = reference == QLatin1String("window") ? &window
                      : reference == QLatin1String("child") ? child
                                                            : nullptr;

    CToast toast(parent, QStringLiteral("已开始录制"), 3000, position);
    const int margin = QFontMetrics(toast.findChild<QLabel *>()->font()).height();
    const QRect windowArea(window.x(), window.y() + window.frameGeometry().height() - window.height(),
                           window.width(), window.height());
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect area = reference == QLatin1String("window") ? windowArea
                       : reference == QLatin1String("child") ? QRect(child->mapToGlobal(QPoint(0, 0)), child->size())
                                                             : workArea;
    // Without a position the toast is centred over the parent, else over the
    // active window, else over the work area.
    const QRect centreArea = reference == QLatin1String("active") || reference == QLatin1String("shown")
                                 ? windowArea
                                 : area;
    const QPoint centred(centreArea.x() + (centreArea.width() - toast.width()) / 2,
                         centreArea.y() + (centreArea.height() - toast.height()) / 2);
    const int left = area.x() + margin;
    const int right = area.x() + area.width() - toast.width() - margin;
    const int top = area.y() + margin;
    const int bottom = area.y() + area.height() - toast.height() - margin;
    const QPoint expected[] = {centred, {left, top}, {right, top}, {right, bottom}, {left, bottom}, centred};
    QCOMPARE(toast.pos(), expected[position]);
    QVERIFY(centreArea.contains(QRect(centred, toast.size())));
    if (reference == QLatin1String("child"))
        QVERIFY(child->mapToGlobal(QPoint(0, 0)) != window.pos()); // the child, not its window
}

void TestToast::grabForReview()
{
    CToast toast(nullptr, QStringLiteral("请先退出进行中课程，然后再打开新的课程"));
    toast.show();
    QVERIFY(QTest::qWaitForWindowExposed(&toast));
    QVERIFY(toast.grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/toast.png")));
}

QTEST_MAIN(TestToast)
#include "tst_toast.moc"
