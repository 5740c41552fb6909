#include "utils/CQrEncodeWidget.h"

#include "TestPictures.h"

#include <QPainter>
#include <QProcess>
#include <QFile>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <qrencode.h>

#include <memory>

namespace {

struct CodeDeleter {
    void operator()(QRcode *code) const { QRcode_free(code); }
};
using Code = std::unique_ptr<QRcode, CodeDeleter>;

// libqrencode's own matrix for a text, encoded the way the item encodes it.
Code referenceCode(const QString &text)
{
    return Code(QRcode_encodeString(text.toUtf8().constData(), 1, QR_ECLEVEL_L, QR_MODE_8, 1));
}

} // namespace

class TestQrEncodeWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rendersModules_data();
    void rendersModules();
    void decodesBack_data();
    void decodesBack();
    void emptyOrUnencodableTextPaintsNothing_data();
    void emptyOrUnencodableTextPaintsNothing();
    void paintsInAQuickView();
};

void TestQrEncodeWidget::initTestCase()
{
    qmlRegisterType<CQrEncodeWidget>("com.morvane.veltro.controls", 1, 0, "CQrEncodeWidget");
}

void TestQrEncodeWidget::rendersModules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modules");
    QTest::newRow("hello: version 1") << "hello" << 21;
    QTest::newRow("17 bytes: still version 1") << "abcdefghijklmnopq" << 21;
    QTest::newRow("18 bytes: version 2") << "abcdefghijklmnopqr" << 25;
    QTest::newRow("url: version 3") << "https://veltro.example.com/class?id=123456" << 29;
    QTest::newRow("chinese utf-8") << QStringLiteral("你好，课堂") << 21;
}

// Every 10 x 10 cell of the picture is one module of libqrencode's matrix.
void TestQrEncodeWidget::rendersModules()
{
    QFETCH(QString, text);
    QFETCH(int, modules);

    CQrEncodeWidget item;
    QSignalSpy changed(&item, &CQrEncodeWidget::urlChanged);
    item.setUrl(text);
    QCOMPARE(item.url(), text);
    QCOMPARE(changed.count(), 1);

    const Code reference = referenceCode(text);
    QVERIFY(reference);
    QCOMPARE(reference->width, modules);

    const QImage image = item.image();
    QCOMPARE(image.size(), QSize(modules * 10, modules * 10));
    QCOMPARE(image.format(), QImage::Format_Mono);
    for (int i = 0; i < modules; ++i) {
        for (int j = 0; j < modules; ++j) {
            const bool dark = reference->data[i * modules + j] & 1;
            const QRgb expected = dark ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            for (const QPoint &corner : {QPoint(0, 0), QPoint(9, 0), QPoint(0, 9), QPoint(9, 9), QPoint(5, 5)}) {
                const QPoint p(j * 10 + corner.x(), i * 10 + corner.y());
                if (image.pixel(p) != expected)
                    QFAIL(qPrintable(QStringLiteral("module %1,%2 wrong at %3,%4").arg(i).arg(j).arg(p.x()).arg(p.y())));
            }
        }
    }
}

void TestQrEncodeWidget::decodesBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("hello") << "hello";
    QTest::newRow("url") << "https://veltro.example.com/class?id=123456&from=teacher";
}

// A QR reader reads the painted picture back. The item paints no quiet zone,
// so the test adds one before handing the picture to the reader.
void TestQrEncodeWidget::decodesBack()
{
    QFETCH(QString, text);
    const QString zbar = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (zbar.isEmpty())
        QSKIP("zbarimg is not installed; modules are compared in rendersModules");

    CQrEncodeWidget item;
    item.setUrl(text);
    const QImage image = item.image();
    QImage framed(image.width() + 80, image.height() + 80, QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter(&framed).drawImage(40, 40, image);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("code.png"));
    QVERIFY(framed.save(file));
    saveTestPicture(framed, QStringLiteral("qr_") + QTest::currentDataTag());

    QProcess reader;
    reader.start(zbar, {QStringLiteral("--raw"), QStringLiteral("-q"), file});
    QVERIFY(reader.waitForFinished(20000));
    QCOMPARE(reader.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()).trimmed(), text);
}

void TestQrEncodeWidget::emptyOrUnencodableTextPaintsNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    // More bytes than the largest symbol holds at level L.
    QTest::newRow("too long") << QString(3000, QLatin1Char('x'));
}

void TestQrEncodeWidget::emptyOrUnencodableTextPaintsNothing()
{
    QFETCH(QString, text);
    CQrEncodeWidget item;
    item.setUrl(QStringLiteral("hello"));
    QVERIFY(!item.image().isNull());

    item.setUrl(text);
    QVERIFY(item.image().isNull());
    QCOMPARE(item.url(), text);

    item.setWidth(100);
    item.setHeight(100);
    QImage canvas(100, 100, QImage::Format_ARGB32);
    canvas.fill(Qt::red);
    QPainter painter(&canvas);
    item.paint(&painter);
    painter.end();
    for (int y = 0; y < canvas.height(); y += 7)
        for (int x = 0; x < canvas.width(); x += 7)
            QCOMPARE(canvas.pixel(x, y), qRgb(255, 0, 0));
}

// The registered item in a real QML view: the symbol stretched over the item, and
// nothing once its url is cleared.
void TestQrEncodeWidget::paintsInAQuickView()
{
    QTemporaryDir dir;
    const QString qml = dir.filePath(QStringLiteral("Qr.qml"));
    QFile file(qml);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("import QtQuick 2.15\n"
               "import com.morvane.veltro.controls 1.0\n"
               "Rectangle { color: \"red\"; width: 420; height: 420\n"
               "  CQrEncodeWidget { objectName: \"qr\"; anchors.fill: parent; url: \"hello\" } }\n");
    file.close();

    // The software scene graph cannot grab a QQuickView's window on the
    // offscreen platform; a QQuickWidget renders into an image it can hand out.
    QQuickWidget view;
    view.setSource(QUrl::fromLocalFile(qml));
    QCOMPARE(view.status(), QQuickWidget::Ready);
    auto *item = view.rootObject()->findChild<CQrEncodeWidget *>(QStringLiteral("qr"));
    QVERIFY(item);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QImage shot = view.grabFramebuffer();
    saveTestPicture(shot, QStringLiteral("qr_view_hello"));
    QCOMPARE(shot.size(), QSize(420, 420));
    // Stretched to twice the rendered size: each module is 20 pixels.
    const Code reference = referenceCode(QStringLiteral("hello"));
    for (int i = 0; i < 21; ++i) {
        for (int j = 0; j < 21; ++j) {
            const bool dark = reference->data[i * 21 + j] & 1;
            QCOMPARE(QColor(shot.pixel(j * 20 + 10, i * 20 + 10)), dark ? QColor(Qt::black) : QColor(Qt::white));
        }
    }

    item->setUrl(QString());
    QTRY_COMPARE(QColor(view.grabFramebuffer().pixel(210, 210)), QColor(Qt::red));
    QImage cleared = view.grabFramebuffer();
    for (int y = 0; y < cleared.height(); y += 10)
        for (int x = 0; x < cleared.width(); x += 10)
            QCOMPARE(QColor(cleared.pixel(x, y)), QColor(Qt::red));
}

QTEST_MAIN(TestQrEncodeWidget)
#include "tst_qrencodewidget.moc"
