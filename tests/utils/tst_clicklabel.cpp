#include "utils/CClickLabel.h"
#include "utils/CustomLabel.h"

#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

class TestClickLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyNormalPathKeepsPicture();
    void hoverAndSelection();
    void disabledIgnoresHoverAndSelection();
    void withoutHoverPictureNothingChanges();
    void pressAndDoubleClickEmit();
    void customLabelClicksOnRelease_data();
    void customLabelClicksOnRelease();

private:
    QString picture(const QString &name, const QColor &color);
    static QColor shown(const QLabel &label);
    static void sendEnter(QWidget *widget);
    static void sendLeave(QWidget *widget);

    QTemporaryDir m_dir;
    QString m_red, m_green, m_grey, m_blue;
};

QString TestClickLabel::picture(const QString &name, const QColor &color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    const QString path = m_dir.filePath(name + QStringLiteral(".png"));
    image.save(path);
    return path;
}

// The colour of the picture the label shows now, or an invalid colour.
QColor TestClickLabel::shown(const QLabel &label)
{
    const QPixmap pixmap = label.pixmap(Qt::ReturnByValue);
    return pixmap.isNull() ? QColor() : QColor(pixmap.toImage().pixel(0, 0));
}

void TestClickLabel::sendEnter(QWidget *widget)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(widget, &enter);
}

void TestClickLabel::sendLeave(QWidget *widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

void TestClickLabel::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_red = picture(QStringLiteral("normal"), Qt::red);
    m_green = picture(QStringLiteral("hover"), Qt::green);
    m_grey = picture(QStringLiteral("disabled"), Qt::gray);
    m_blue = picture(QStringLiteral("hover2"), Qt::blue);
}

void TestClickLabel::emptyNormalPathKeepsPicture()
{
    CClickLabel label;
    label.setPixmaps(m_red, m_green, QStringLiteral("画笔"), m_grey);
    QVERIFY(label.hasScaledContents());
    QCOMPARE(label.toolTip(), QStringLiteral("画笔"));
    QCOMPARE(shown(label), QColor(Qt::red));

    // A new hover picture without a normal one: the old normal picture stays,
    // on screen and for leaving.
    label.setPixmaps(QString(), m_blue, QStringLiteral("橡皮"));
    QCOMPARE(shown(label), QColor(Qt::red));
    sendEnter(&label);
    QCOMPARE(shown(label), QColor(Qt::blue));
    sendLeave(&label);
    QCOMPARE(shown(label), QColor(Qt::red));
    // The disabled picture was dropped: disabling shows the normal one.
    label.setEnableState(false);
    QCOMPARE(shown(label), QColor(Qt::red));
}

void TestClickLabel::hoverAndSelection()
{
    CClickLabel label;
    label.setPixmaps(m_red, m_green, QString(), m_grey);

    sendEnter(&label);
    QCOMPARE(shown(label), QColor(Qt::green));
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
    sendLeave(&label);
    QCOMPARE(shown(label), QColor(Qt::red));
    QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);

    // Selected keeps the hover look after the pointer leaves.
    label.setSelected(true);
    QCOMPARE(shown(label), QColor(Qt::green));
    sendEnter(&label);
    sendLeave(&label);
    QCOMPARE(shown(label), QColor(Qt::green));
    label.setSelected(false);
    QCOMPARE(shown(label), QColor(Qt::red));
}

void TestClickLabel::disabledIgnoresHoverAndSelection()
{
    CClickLabel label;
    label.setPixmaps(m_red, m_green, QString(), m_grey);
    label.setEnableState(false);
    QCOMPARE(shown(label), QColor(Qt::gray));

    const Qt::CursorShape before = label.cursor().shape();
    sendEnter(&label);
    QCOMPARE(shown(label), QColor(Qt::gray));
    QCOMPARE(label.cursor().shape(), before);
    label.setSelected(true);
    QCOMPARE(shown(label), QColor(Qt::gray));
    sendLeave(&label);
    QCOMPARE(shown(label), QColor(Qt::gray));

    label.setEnableState(true);
    QCOMPARE(shown(label), QColor(Qt::red));
}

void TestClickLabel::withoutHoverPictureNothingChanges()
{
    CClickLabel label;
    label.setPixmaps(m_red, QString(), QString());
    label.setSelected(true);
    QCOMPARE(shown(label), QColor(Qt::red));
    sendEnter(&label);
    QCOMPARE(shown(label), QColor(Qt::red));
    label.setSelected(false);
    QCOMPARE(shown(label), QColor(Qt::red));

    CClickLabel empty;
    empty.setSelected(true);
    empty.setEnableState(false);
    sendEnter(&empty);
    QCOMPARE(shown(empty), QColor());
}

void TestClickLabel::pressAndDoubleClickEmit()
{
    CClickLabel label(QStringLiteral("撤销"));
    QSignalSpy clicked(&label, &CClickLabel::clicked_signal);
    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &doubleClick);
    QCOMPARE(clicked.count(), 2);
}

void TestClickLabel::customLabelClicksOnRelease_data()
{
    QTest::addColumn<int>("buttonCode");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
}

void TestClickLabel::customLabelClicksOnRelease()
{
    QFETCH(int, buttonCode);
    const auto button = Qt::MouseButton(buttonCode);
    CustomLabel label;
    QSignalSpy clicked(&label, &CustomLabel::clicked);
    QTest::mousePress(&label, button);
    QCOMPARE(clicked.count(), 0);
    QTest::mouseRelease(&label, button);
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestClickLabel)
#include "tst_clicklabel.moc"
