// Every shared QML component loads on its own without a warning, and all of
// them together render into a picture a person can look at.
#include "TestLogCapture.h"
#include "TestPictures.h"
#include "utils/TextMetrics.h"

#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRegularExpression>
#include <QtTest>

class TestComponentGallery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void componentLoads_data();
    void componentLoads();
    void galleryRenders();
};

void TestComponentGallery::componentLoads_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("type");
    // The public types are the ones the module's qmldir lists.
    for (const QString folder : {QStringLiteral("CustomItem"), QStringLiteral("Util")}) {
        QFile qmldir(QStringLiteral(":/Qml/%1/qmldir").arg(folder));
        QVERIFY(qmldir.open(QIODevice::ReadOnly));
        const QRegularExpression entry(QStringLiteral("^(\\w+) 1\\.0 \\1\\.qml$"));
        for (const QString &line : QString::fromUtf8(qmldir.readAll()).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch match = entry.match(line.trimmed());
            if (match.hasMatch())
                QTest::newRow(qPrintable(match.captured(1))) << folder << match.captured(1);
        }
    }
}

void TestComponentGallery::componentLoads()
{
    QFETCH(QString, folder);
    QFETCH(QString, type);

    TestLogCapture log;
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(QStringLiteral("import QtQuick 2.12\nimport \"qrc:/Qml/%1\"\n%2 {}\n").arg(folder, type).toUtf8(),
                      QUrl(QStringLiteral("qrc:/gallery/probe.qml")));
    QScopedPointer<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QVERIFY2(qobject_cast<QQuickItem *>(object.data()), "every component is an item");
    QCoreApplication::processEvents();
    QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join(QLatin1Char('\n'))));
}

void TestComponentGallery::galleryRenders()
{
    TestLogCapture log;
    QQuickWidget view;
    view.setResizeMode(QQuickWidget::SizeViewToRootObject);
    view.setSource(QUrl(QStringLiteral("qrc:/gallery/ComponentGallery.qml")));
    QVERIFY2(view.status() == QQuickWidget::Ready,
             qPrintable(view.errors().isEmpty() ? QString() : view.errors().first().toString()));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // Let pictures load and the toggles finish their animation.
    QTest::qWait(500);

    const QImage picture = view.grabFramebuffer();
    QCOMPARE(picture.size(), QSize(1080, 720));
    const QString path = saveTestPicture(picture, QStringLiteral("component_gallery"));
    QVERIFY(!path.isEmpty());
    qInfo("gallery saved as %s", qPrintable(path));

    // The accent colour shows up: the chosen buttons, the counters, the tabs.
    int accent = 0;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            accent += picture.pixelColor(x, y) == QColor(0x3A, 0x78, 0xE6) ? 1 : 0;
    QVERIFY2(accent > 500, qPrintable(QString::number(accent)));

    QStringList problems;
    for (const QString &message : log.messages())
        if (!message.startsWith(QLatin1String("gallery saved")))
            problems << message;
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestComponentGallery)

#include "tst_componentgallery.moc"
