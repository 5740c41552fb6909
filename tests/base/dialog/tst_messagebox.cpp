#include "ModalAnswerer.h"
#include "TestLogCapture.h"
#include "TopLevelWidgets.h"
#include "base/dialog/CDialogManager.h"
#include "base/dialog/CMessageBox.h"
#include "utils/TextMetrics.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

QLabel *label(CMessageBox &box, const char *name)
{
    return box.findChild<QLabel *>(QLatin1String(name));
}

QPushButton *button(QWidget &box, const char *name)
{
    return box.findChild<QPushButton *>(QLatin1String(name));
}

CMessageBox *openBox()
{
    for (CMessageBox *box : topLevelWidgetsOf<CMessageBox>()) {
        if (box->isVisible())
            return box;
    }
    return nullptr;
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void layout_data();
    void layout();
    void modalResults_data();
    void modalResults();
    void countDownTexts_data();
    void countDownTexts();
    void countDownEndAnswersFirst();
    void deletedParentDismisses();
    void nonModalBoxDeletesItself();
    void dragging_data();
    void dragging();
    void destructorLogs();
    void grabForReview();
};

void TestMessageBox::layout_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("wraps");
    QTest::newRow("one character") << "好" << "确定" << "" << false;
    QTest::newRow("question") << "确定退出教室?" << "退出" << "取消" << false;
    QTest::newRow("long message")
        << "本节课正式生超过10人，我们将默认为你切换到禁言模式。你可以在“课堂设置”里随时切换此设置" << "我知道了"
        << "" << true;
    QTest::newRow("wide button") << "提示" << "我知道了，马上去处理这件事情" << "取消" << false;
}

void TestMessageBox::layout()
{
    QFETCH(QString, text);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, wraps);

    CMessageBox box(nullptr, QStringLiteral("提示"), text, first, second);
    const int u = layoutUnit().width();
    QLabel *textLabel = label(box, "textLabel");
    QPushButton *firstButton = button(box, "firstButton");
    QVERIFY(textLabel && firstButton);

    // A short message is measured padded to thirty characters, a long one on its first thirty.
    const QFontMetrics textMetrics(textLabel->font());
    QString measured = text;
    if (measured.size() < 30)
        measured += QString(27, QChar(0x597D));
    const int textWidth = textMetrics.horizontalAdvance(measured.left(30));
    const int buttonWidth = firstButton->width();
    QCOMPARE(box.width(), qMax(textWidth + 6 * u, 3 * buttonWidth));
    QCOMPARE(textLabel->width(), box.width() - 6 * u);
    QCOMPARE(textLabel->x(), 3 * u);
    QCOMPARE(textLabel->height() > textMetrics.height() * 3 / 2, wraps);

    // Buttons fit their longer text with room on both sides and stand one button height above the bottom.
    const QString longer = second.size() > first.size() ? second : first;
    QVERIFY(buttonWidth > getTextSize(12, longer, QString()).width());
    QVERIFY(firstButton->height() >= getTextSize(12, QString(), QString()).height() * 3 / 2);
    QCOMPARE(firstButton->y() + 2 * firstButton->height(), box.height());
    QVERIFY(textLabel->geometry().bottom() < firstButton->y());

    QPushButton *secondButton = button(box, "secondButton");
    QCOMPARE(secondButton != nullptr, !second.isEmpty());
    if (!secondButton) {
        QVERIFY(qAbs(firstButton->geometry().center().x() - box.width() / 2) <= 1);
        return;
    }
    // The outlined second button on the left, the filled first on the right, half a button apart.
    QCOMPARE(secondButton->geometry(), firstButton->geometry().translated(-(buttonWidth * 3 / 2), 0));
    QVERIFY(qAbs(firstButton->x() + buttonWidth + secondButton->x() - box.width()) <= 2);
    QVERIFY(firstButton->styleSheet().contains(QStringLiteral("background-color:#3A78E6")));
    QVERIFY(secondButton->styleSheet().contains(QStringLiteral("border-color:#3A78E6")));
}

void TestMessageBox::modalResults_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("countDownButton");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("result");
    QTest::newRow("only button") << "" << int(ModalAnswerer::PressFirst) << 0 << -1 << 0;
    QTest::newRow("first of two") << "取消" << int(ModalAnswerer::PressFirst) << 0 << -1 << 0;
    QTest::newRow("second of two") << "取消" << int(ModalAnswerer::PressSecond) << 0 << -1 << 1;
    QTest::newRow("escape") << "取消" << int(ModalAnswerer::Escape) << 0 << -1 << -1;
    QTest::newRow("escape, one button") << "" << int(ModalAnswerer::Escape) << 0 << -1 << -1;
    QTest::newRow("window closed") << "取消" << int(ModalAnswerer::Close) << 0 << -1 << -1;
    QTest::newRow("count-down on first runs out") << "" << int(ModalAnswerer::Wait) << 0 << 1 << 0;
    QTest::newRow("count-down on second runs out") << "取消" << int(ModalAnswerer::Wait) << 1 << 1 << 0;
    QTest::newRow("count-down on no button runs out") << "取消" << int(ModalAnswerer::Wait) << 4 << 1 << 0;
    QTest::newRow("second pressed during count-down") << "取消" << int(ModalAnswerer::PressSecond) << 0 << 5 << 1;
    QTest::newRow("escape during count-down") << "取消" << int(ModalAnswerer::Escape) << 1 << 5 << -1;
}

void TestMessageBox::modalResults()
{
    QFETCH(QString, second);
    QFETCH(int, answer);
    QFETCH(int, countDownButton);
    QFETCH(int, seconds);
    QFETCH(int, result);

    ModalAnswerer answerer(ModalAnswerer::Answer(answer), 50);
    answerer.setDeadline(5000);
    const int got = second.isEmpty()
                        ? CDialogManager::oneButtonDialog(nullptr, QStringLiteral("提示"), QStringLiteral("确定退出?"),
                                                          QStringLiteral("确定"), seconds)
                        : CDialogManager::twoButtonDialog(nullptr, QStringLiteral("提示"), QStringLiteral("确定退出?"),
                                                          QStringLiteral("确定"), second, countDownButton, seconds);
    QCOMPARE(got, result);
    QCOMPARE(answerer.boxesSeen(), 1);
    QCOMPARE(answerer.timedOut(), 0);
    QCOMPARE(answerer.lastTitle(), QStringLiteral("提示"));
    QCOMPARE(answerer.lastText(), QStringLiteral("确定退出?"));
    QVERIFY(!openBox());
}

void TestMessageBox::countDownTexts_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("countDownButton");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("afterTick");
    QTest::newRow("on the first button")
        << "取消" << 0 << 5 << QStringList{"确定(5)", "取消"} << QStringList{"确定(4)", "取消"};
    QTest::newRow("on the second button")
        << "取消" << 1 << 5 << QStringList{"确定", "取消(5)"} << QStringList{"确定", "取消(4)"};
    QTest::newRow("on a missing second button") << "" << 1 << 5 << QStringList{"确定"} << QStringList{"确定"};
    QTest::newRow("on no button") << "取消" << 3 << 5 << QStringList{"确定", "取消"} << QStringList{"确定", "取消"};
    QTest::newRow("zero seconds: none") << "取消" << 0 << 0 << QStringList{"确定", "取消"} << QStringList{"确定", "取消"};
}

void TestMessageBox::countDownTexts()
{
    QFETCH(QString, second);
    QFETCH(int, countDownButton);
    QFETCH(int, seconds);
    QFETCH(QStringList, before);
    QFETCH(QStringList, afterTick);

    CMessageBox box(nullptr, QString(), QStringLiteral("请稍候"), QStringLiteral("确定"), second, countDownButton,
                    seconds);
    auto texts = [&box] {
        QStringList list;
        for (const char *name : {"firstButton", "secondButton"}) {
            if (QPushButton *b = button(box, name))
                list << b->text();
        }
        return list;
    };
    QCOMPARE(texts(), before);
    box.timeout_slot();
    QCOMPARE(texts(), afterTick);
    QCOMPARE(box.remainingSeconds(), seconds > 0 ? seconds - 1 : -1);
}

void TestMessageBox::countDownEndAnswersFirst()
{
    CMessageBox box(nullptr, QString(), QStringLiteral("请稍候"), QStringLiteral("确定"), QString(), 0, 2);
    box.show();
    box.setResult(42);
    box.timeout_slot();
    QVERIFY(box.isVisible());
    box.timeout_slot();
    QCOMPARE(button(box, "firstButton")->text(), QStringLiteral("确定(0)"));
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), 0);
}

void TestMessageBox::deletedParentDismisses()
{
    // The window under a waiting box goes away (a class window closing): the
    // box goes with it and the answer is "dismissed", not the first button.
    auto *window = new QWidget;
    window->show();
    QTimer::singleShot(100, window, [window] { window->deleteLater(); });
    ModalAnswerer answerer(ModalAnswerer::Wait);
    answerer.setDeadline(5000);
    const int result = CDialogManager::twoButtonDialog(window, QString(), QStringLiteral("确定退出教室?"),
                                                       QStringLiteral("退出"), QStringLiteral("取消"));
    QCOMPARE(result, CMessageBox::kDismissed);
    QCOMPARE(answerer.timedOut(), 0);
}

void TestMessageBox::nonModalBoxDeletesItself()
{
    QCOMPARE(CDialogManager::showOneButtonDialog(nullptr, QString(), QStringLiteral("直播网络服务可能有问题"),
                                                 QStringLiteral("知道了"), 5),
             0);
    QPointer<CMessageBox> box = openBox();
    QVERIFY(box);
    QVERIFY(!box->isModal());
    QCOMPARE(button(*box, "firstButton")->text(), QStringLiteral("知道了(5)"));
    ModalAnswerer::pressButton(button(*box, "firstButton"));
    QTRY_VERIFY(box.isNull());
}

void TestMessageBox::dragging_data()
{
    QTest::addColumn<int>("mouseButton");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left button drags") << int(Qt::LeftButton) << true;
    QTest::newRow("right button does not") << int(Qt::RightButton) << false;
}

void TestMessageBox::dragging()
{
    QFETCH(int, mouseButton);
    QFETCH(bool, moves);

    CMessageBox box(nullptr, QStringLiteral("提示"), QStringLiteral("拖我"), QStringLiteral("确定"));
    box.move(100, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint start = box.pos();
    const QPoint grip(8, 8);
    const auto which = Qt::MouseButton(mouseButton);
    QMouseEvent press(QEvent::MouseButtonPress, grip, box.mapToGlobal(grip), which, which, Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
    const QPoint target = box.mapToGlobal(grip) + QPoint(40, 25);
    QMouseEvent move(QEvent::MouseMove, box.mapFromGlobal(target), target, Qt::NoButton, which, Qt::NoModifier);
    QApplication::sendEvent(&box, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, box.mapFromGlobal(target), target, which, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&box, &release);
    QCOMPARE(box.pos(), moves ? start + QPoint(40, 25) : start);

    // After the release a move does nothing.
    const QPoint later = box.pos();
    QMouseEvent stray(QEvent::MouseMove, QPoint(1, 1), box.mapToGlobal(QPoint(60, 60)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&box, &stray);
    QCOMPARE(box.pos(), later);
}

void TestMessageBox::destructorLogs()
{
    TestLogCapture capture;
    delete new CMessageBox(nullptr, QString(), QStringLiteral("再见"), QStringLiteral("确定"));
    QVERIFY(capture.messages().join(QLatin1Char('\n')).contains(
        QStringLiteral("[LOG] CMessageBox::~CMessageBox destructor for 再见")));
}

void TestMessageBox::grabForReview()
{
    CMessageBox box(nullptr, QStringLiteral("提示"), QStringLiteral("确定退出教室?"), QStringLiteral("退出"),
                    QStringLiteral("取消"), 0, 10);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/messagebox.png");
    QVERIFY(box.grab().save(path));
    CMessageBox single(nullptr, QStringLiteral("Veltro"), QStringLiteral("检测到Veltro正在运行，请不要重复打开"),
                       QStringLiteral("确定"));
    single.show();
    QVERIFY(QTest::qWaitForWindowExposed(&single));
    QVERIFY(single.grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/messagebox_single.png")));
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
