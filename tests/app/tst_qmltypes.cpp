// The native item types are creatable from QML under their module names.
#include "QmlScene.h"
#include "QmlTypes.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickPaintedItem>
#include <QQuickView>
#include <QtTest>

class TestQmlTypes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerQmlTypes(); }
    void itemIsCreatable_data();
    void itemIsCreatable();
    void boardStackLoadsInAView();
};

void TestQmlTypes::itemIsCreatable_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("className");
    const QString controls = QLatin1String(kControlsModule);
    for (const char *name : {"TQDrawForegroundLayout", "TQDrawTemporalView", "TQDrawSketchView",
                             "TQDrawBackgroundLayout", "TQDrawShadeView", "TQDrawTemporalLayout", "TQDrawTouchView",
                             "TQPreviewView", "CQrEncodeWidget"})
        QTest::newRow(name) << controls << QString::fromLatin1(name) << QString::fromLatin1(name);
    QTest::newRow("AVideoWidget") << QString::fromLatin1(kVideoWidgetModule) << "AVideoWidget"
                                  << "TQAgoraVideoWidget";
}

void TestQmlTypes::itemIsCreatable()
{
    QFETCH(QString, module);
    QFETCH(QString, type);
    QFETCH(QString, className);

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(QStringLiteral("import QtQuick 2.12\nimport %1 1.0\n%2 { width: 40; height: 30 }\n")
                          .arg(module, type)
                          .toUtf8(),
                      QUrl());
    QScopedPointer<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    QVERIFY(qobject_cast<QQuickPaintedItem *>(object.data()));
}

void TestQmlTypes::boardStackLoadsInAView()
{
    // The layers stacked as the board will stack them, shown and painted once.
    QQuickView view;
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    QVERIFY2(loadQmlScene(view, "import QtQuick 2.12\n"
              "import com.morvane.veltro.controls 1.0\n"
              "import AVideoWidget 1.0\n"
              "Item {\n"
              "  width: 320; height: 200\n"
              "  TQDrawBackgroundLayout { anchors.fill: parent }\n"
              "  TQDrawSketchView { anchors.fill: parent }\n"
              "  TQDrawTemporalView { anchors.fill: parent }\n"
              "  TQDrawForegroundLayout { anchors.fill: parent }\n"
              "  TQDrawShadeView { anchors.fill: parent }\n"
              "  TQDrawTemporalLayout { anchors.fill: parent }\n"
              "  TQDrawTouchView { objectName: \"touch\"; anchors.fill: parent }\n"
              "  TQPreviewView { width: 80; height: 60 }\n"
              "  AVideoWidget { width: 80; height: 60; x: 100 }\n"
              "}\n"),
             qPrintable(QString::number(view.errors().size())));
    QQuickItem *root = view.rootObject();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(root->childItems().size(), 9);
    auto *touch = root->findChild<QQuickPaintedItem *>(QStringLiteral("touch"));
    QVERIFY(touch);
    QCOMPARE(touch->acceptedMouseButtons(), Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
    QCOMPARE(touch->size(), QSizeF(320, 200));
}

QTEST_MAIN(TestQmlTypes)
#include "tst_qmltypes.moc"
