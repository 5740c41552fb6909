// The shape menu, its settings panels, the right menu and the writing tools.
// The native menu object (with the board's side recorded) records picks and
// opens the panels; More/ShapeMenu.qml and the panels run in a real
// QQuickView offscreen, driven by mouse clicks, and are saved as pictures;
// the writing tools act on the board of a real class window (ClassHarness:
// stand-in service on 127.0.0.1, modal boxes answered like a user).
#include "ClassHarness.h"
#include "TestLogCapture.h"
#include "TestPictures.h"

#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/menu/TQBroadCastBlackboardWritingToolsInterface.h"
#include "modules/live/menu/TQBroadCastRightMenuInterface.h"
#include "modules/live/menu/TQMenuListLayout.h"
#include "modules/live/menu/TQShapeLayout.h"
#include "modules/login/LoginManager.h"
#include "shapes/TQShapeData.h"
#include "shapes/TQShapeImageBean.h"
#include "utils/CSqliteHelper.h"
#include "utils/KV.h"
#include "utils/TextMetrics.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// What reached the board: code, the item's paths and settings.
struct Selected
{
    int code;
    QString path;
    int toStudentCode;
    QString drawImagePath;
    QList<int> settings; // rows, columns, edges, angle A, angle B
};

class RecordingShapeLayout : public TQShapeLayout
{
public:
    RecordingShapeLayout()
        : TQShapeLayout(nullptr, nullptr)
    {
    }
    std::vector<Selected> selected;

protected:
    void selectShape(TQShapeImageBean *item) override
    {
        selected.push_back({item->code, QString::fromStdString(item->path), item->toStudentCode,
                            QString::fromStdString(item->drawImagePath),
                            {item->rows, item->columns, item->edges, item->angleA, item->angleB}});
    }
};

void signIn(const QString &userId)
{
    LoginManager::saveLoginInfo(
        QJsonObject{{"tokenStatus", QJsonObject{{"token", "t"}}},
                    {"accountDetails", QJsonObject{{"user_id", userId}, {"user_nick_name", "T"},
                                                   {"mobile_phone", "13800138000"}, {"image_file_addr", "/i.png"}}}});
    KV::remove((userId + "key_live_class_shape_used").toStdString());
}

QList<int> recentCodes()
{
    QList<int> codes;
    for (const TQShapeImageBean *item : TQShapeData::recentlyUsed())
        codes << item->code;
    return codes;
}

// The items below in the item tree (where repeaters put what they make)
// whose names start with the prefix, in order.
QList<QQuickItem *> named(QQuickItem *below, const QString &prefix)
{
    QList<QQuickItem *> items;
    for (QQuickItem *item : below->childItems()) {
        if (item->objectName().startsWith(prefix))
            items << item;
        items << named(item, prefix);
    }
    return items;
}

QQuickItem *first(QQuickItem *below, const QString &name)
{
    const QList<QQuickItem *> items = named(below, name);
    for (QQuickItem *item : items)
        if (item->objectName() == name)
            return item;
    return nullptr;
}

// A view showing `type` from the folder, the layout as "shapeLayout".
class Scene
{
public:
    Scene(const QString &folder, const QString &type, TQShapeLayout *layout, QSize size)
    {
        view.rootContext()->setContextProperty(QStringLiteral("shapeLayout"), layout);
        view.resize(size);
        QQmlComponent component(view.engine());
        component.setData(QStringLiteral("import QtQuick 2.12\nimport \"qrc:/Qml/%1\"\n"
                                         "Rectangle { color: \"#7A8290\"; %2 { objectName: \"probe\"; x: 20; y: 20 } }\n")
                              .arg(folder, type)
                              .toUtf8(),
                          QUrl(QStringLiteral("qrc:/probe/host.qml")));
        root.reset(qobject_cast<QQuickItem *>(component.create(view.rootContext())));
        if (!root) {
            qWarning("%s", qPrintable(component.errorString()));
            return;
        }
        root->setSize(size);
        root->setParentItem(view.contentItem());
        view.show();
        probe = first(root.get(), QStringLiteral("probe"));
    }

    QQuickItem *find(const QString &name, QQuickItem *below = nullptr) const
    {
        return first(below ? below : root.get(), name);
    }

    void click(QQuickItem *item)
    {
        QVERIFY(item);
        const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    }

    void clickTimes(QQuickItem *counter, const char *button, int times)
    {
        for (int i = 0; i < times; ++i)
            click(find(QString::fromLatin1(button), counter));
    }

    QString savePicture(const QString &name)
    {
        QTest::qWait(50);
        return saveTestPicture(grabQuickView(&view), name);
    }

    QQuickView view;
    std::unique_ptr<QQuickItem> root;
    QQuickItem *probe = nullptr;
};

int visibleCount(const QList<QQuickItem *> &items)
{
    return int(std::count_if(items.begin(), items.end(), [](QQuickItem *i) { return i->isVisible(); }));
}

// A live class whose board is set up, with writing tools of its own on the
// window's service.
struct ClassBoard
{
    bool open()
    {
        if (!harness.isReady())
            return false;
        window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
        if (!QTest::qWaitFor([this] { return window && window->getDrawLayout(); }))
            return false;
        if (!harness.waitForTeaching())
            return false;
        service = std::make_unique<TQBroadCastMethodService>(window, window->context());
        tools = std::make_unique<TQBroadCastBlackboardWritingToolsInterface>(service.get(), window->context());
        return true;
    }
    TQDrawManager *manager() const { return window->getDrawLayout()->drawManager(); }

    ClassHarness harness;
    TQLiveBroadCastActivity *window = nullptr;
    std::unique_ptr<TQBroadCastMethodService> service;
    std::unique_ptr<TQBroadCastBlackboardWritingToolsInterface> tools;
};

} // namespace

class TestShapeMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pickDispatch_data();
    void pickDispatch();
    void settingsConfirmed();
    void showSendsMenuAndRecent();
    void menuView();
    void tablePreview_data();
    void tablePreview();
    void triangleAngles_data();
    void triangleAngles();
    void polygonPanel();
    void menuList();
    void eraserSizes();
    void cleanPage_data();
    void cleanPage();
};

void TestShapeMenu::initTestCase()
{
    installFontSubstitutions();
    CSqliteHelper::instance();
}

void TestShapeMenu::pickDispatch_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("panel");
    QTest::newRow("table") << 2101 << "tabular";
    QTest::newRow("polygon") << 2314 << "polygon";
    QTest::newRow("fixed-angle triangle") << 2305 << "triangle";
    QTest::newRow("drawn shape") << 2300 << "";
    QTest::newRow("picture") << 3204 << "";
}

void TestShapeMenu::pickDispatch()
{
    QFETCH(int, code);
    QFETCH(QString, panel);
    signIn(QString::number(80000 + code));
    RecordingShapeLayout layout;
    QSignalSpy tabular(&layout, &TQShapeLayout::showShapeTabularSetting_signal);
    QSignalSpy polygon(&layout, &TQShapeLayout::showShapePolygonSetting_signal);
    QSignalSpy triangle(&layout, &TQShapeLayout::showShapeTriangleFixedAngle_signal);

    const QString picture = code == 3204 ? ":/res/physics/electromagnetism/shape_image_magnetics_bar4.png" : "";
    layout.menuShape(code / 1000 == 3 ? 1 : 0, code, code == 3204 ? 22 : -1, picture, "qrc:/res/icon.png");
    // Twice: one entry for the code, and the second record is not kept
    // (the sanitizer run sees it freed).
    layout.menuShape(code / 1000 == 3 ? 1 : 0, code, code == 3204 ? 22 : -1, picture, "qrc:/res/icon.png");
    QCOMPARE(recentCodes(), QList<int>{code});

    QCOMPARE(tabular.count(), panel == "tabular" ? 2 : 0);
    QCOMPARE(polygon.count(), panel == "polygon" ? 2 : 0);
    QCOMPARE(triangle.count(), panel == "triangle" ? 2 : 0);
    // A shape that asks for settings is recorded at the click but reaches
    // the board only when its panel is confirmed.
    QCOMPARE(int(layout.selected.size()), panel.isEmpty() ? 2 : 0);
    if (panel.isEmpty()) {
        const Selected &s = layout.selected.back();
        QCOMPARE(s.code, code);
        QCOMPARE(s.path, QString("qrc:/res/icon.png"));
        QCOMPARE(s.toStudentCode, code == 3204 ? 22 : -1);
        QCOMPARE(s.drawImagePath, picture);
        QCOMPARE(s.settings, QList<int>({-1, -1, 5, 90, 60}));
    }
}

void TestShapeMenu::settingsConfirmed()
{
    signIn("8002");
    RecordingShapeLayout layout;
    layout.shapeTabularClicked(3, 7);
    layout.shapePolygonClicked(9);
    layout.shapeTriangleFixedAngleClicked(45, 70);
    QCOMPARE(int(layout.selected.size()), 3);
    QCOMPARE(layout.selected[0].code, 2101);
    QCOMPARE(layout.selected[0].settings, QList<int>({3, 7, 5, 90, 60}));
    QCOMPARE(layout.selected[1].code, 2314);
    QCOMPARE(layout.selected[1].settings, QList<int>({-1, -1, 9, 90, 60}));
    QCOMPARE(layout.selected[2].code, 2305);
    QCOMPARE(layout.selected[2].settings, QList<int>({-1, -1, 5, 45, 70}));
    QCOMPARE(layout.selected[2].toStudentCode, -1);
    QCOMPARE(layout.selected[2].path, QString());
    // Confirming does not touch the recent list.
    QCOMPARE(recentCodes(), QList<int>());
}

void TestShapeMenu::showSendsMenuAndRecent()
{
    signIn("8003");
    RecordingShapeLayout layout;
    layout.menuShape(0, 2300, -1, "", "a.png");
    layout.menuShape(0, 2301, -1, "", "b.png");
    layout.menuShape(0, 2300, -1, "", "c.png");
    QSignalSpy menu(&layout, &TQShapeLayout::showShapeLayout_signal);
    QSignalSpy recent(&layout, &TQShapeLayout::updateRecentShapes_signal);
    layout.show();
    QCOMPARE(menu.count(), 1);
    const QJsonArray subjects = menu.at(0).at(0).toJsonArray();
    QCOMPARE(subjects.size(), 3);
    QCOMPARE(subjects.at(0).toObject().value("title").toString(), QString("数学"));
    QCOMPARE(subjects.at(1).toObject().value("title").toString(), QString("物理"));
    QCOMPARE(subjects.at(2).toObject().value("title").toString(), QString("化学"));
    QCOMPARE(subjects.at(2).toObject().value("categories"),
             QJsonValue(TQShapeData::toCategoryJson(TQShapeData::shapesForSubject(2))));
    // The stored record of 2300 moved to the front (the first pick's path).
    QCOMPARE(recent.count(), 1);
    QCOMPARE(recent.at(0).at(0).toJsonArray(),
             QJsonArray({QJsonObject{{"path", "a.png"}, {"code", 2300}, {"type", 0}, {"toStudentCode", -1},
                                     {"drawImagePath", ""}},
                         QJsonObject{{"path", "b.png"}, {"code", 2301}, {"type", 0}, {"toStudentCode", -1},
                                     {"drawImagePath", ""}}}));
}

void TestShapeMenu::menuView()
{
    signIn("8004");
    TestLogCapture log;
    RecordingShapeLayout layout;
    Scene scene("More", "ShapeMenu", &layout, QSize(800, 800));
    QVERIFY2(scene.probe, qPrintable(log.messages().join('\n')));
    scene.probe->setVisible(true);
    layout.show();

    QQuickItem *math = scene.find("subject_0");
    QQuickItem *physics = scene.find("subject_1");
    QVERIFY(math && physics && scene.find("subject_2"));
    QVERIFY(math->isVisible() && !physics->isVisible());
    // A fresh teacher: no "最近使用" band; the catalogue's six bands.
    QCOMPARE(visibleCount(named(math, "categoryTitle")), 6);
    const QList<QQuickItem *> icons = named(math, "shapeIcon_");
    QCOMPARE(icons.size(), 78);
    // Every icon resolves from the QML's folder to a loaded picture.
    for (QQuickItem *icon : icons)
        QTRY_COMPARE_WITH_TIMEOUT(icon->property("status").toInt(), 1, 2000);

    scene.click(scene.find("shapeIcon_1002", math));
    QCOMPARE(recentCodes(), QList<int>{1002});
    scene.click(scene.find("shapeIcon_1000", math));
    QCOMPARE(int(layout.selected.size()), 2);
    QCOMPARE(layout.selected[1].path, QString("qrc:/res/math/general/shape_arrow_left.png"));

    // Opened again: the same tabs, the recent shapes in every subject.
    emit layout.showShapeLayout_signal(QJsonArray{QJsonObject{{"title", "x"}, {"categories", QJsonArray()}}});
    layout.show();
    QCOMPARE(visibleCount(named(math, "categoryTitle")), 7);
    QQuickItem *recentInPhysics = scene.find("recentCategory", physics);
    QVERIFY(recentInPhysics);
    QCOMPARE(named(recentInPhysics, "shapeIcon_").size(), 2);
    QVERIFY(scene.find("shapeIcon_1000", recentInPhysics));
    QVERIFY(scene.find("tab_2") && !scene.find("tab_3"));

    QString path = scene.savePicture("shape_menu_math");
    QVERIFY(!path.isEmpty());
    scene.click(scene.find("tab_1"));
    QVERIFY(physics->isVisible() && !math->isVisible());
    QCOMPARE(named(physics, "shapeIcon_").size(), 48 + 2);
    QVERIFY(!scene.savePicture("shape_menu_physics").isEmpty());
    QVERIFY2(log.messages().filter("qml", Qt::CaseInsensitive).isEmpty(), qPrintable(log.messages().join('\n')));
}

void TestShapeMenu::tablePreview_data()
{
    QTest::addColumn<int>("rowClicks"); // + when positive, - when negative
    QTest::addColumn<int>("columnClicks");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::newRow("start 2 x 2") << 0 << 0 << 2 << 2;
    QTest::newRow("4 x 1") << 2 << -1 << 4 << 1;
    QTest::newRow("clamped 10 x 1") << 12 << -3 << 10 << 1;
}

void TestShapeMenu::tablePreview()
{
    QFETCH(int, rowClicks);
    QFETCH(int, columnClicks);
    QFETCH(int, rows);
    QFETCH(int, columns);
    RecordingShapeLayout layout;
    Scene scene("Panel", "ShapeTabularSetting", &layout, QSize(800, 700));
    QVERIFY(scene.probe);
    QVERIFY(!scene.probe->isVisible());
    emit layout.showShapeTabularSetting_signal();
    QVERIFY(scene.probe->isVisible());

    QQuickItem *rowCounter = scene.find("rowCounter");
    QQuickItem *columnCounter = scene.find("columnCounter");
    scene.clickTimes(rowCounter, rowClicks > 0 ? "plus" : "minus", std::abs(rowClicks));
    scene.clickTimes(columnCounter, columnClicks > 0 ? "plus" : "minus", std::abs(columnClicks));

    QQuickItem *preview = scene.find("tablePreview");
    const QList<QQuickItem *> rowLines = named(preview, "rowLine");
    const QList<QQuickItem *> columnLines = named(preview, "columnLine");
    QCOMPARE(rowLines.size(), 9);
    QCOMPARE(visibleCount(rowLines), rows - 1);
    QCOMPARE(visibleCount(columnLines), columns - 1);
    for (int k = 0; k < rows - 1; ++k)
        QCOMPARE(rowLines[k]->y(), preview->height() / rows * (k + 1));
    for (int k = 0; k < columns - 1; ++k)
        QCOMPARE(columnLines[k]->x(), preview->width() / columns * (k + 1));
    if (QByteArray(QTest::currentDataTag()) == "4 x 1")
        QVERIFY(!scene.savePicture("shape_table_setting").isEmpty());
    // The preview follows its own height too.
    preview->setHeight(preview->height() * 2);
    if (rows > 1)
        QCOMPARE(rowLines[0]->y(), preview->height() / rows);

    scene.click(scene.find("okButton"));
    QVERIFY(!scene.probe->isVisible());
    QCOMPARE(int(layout.selected.size()), 1);
    QCOMPARE(layout.selected[0].settings.mid(0, 2), QList<int>({rows, columns}));
}

void TestShapeMenu::triangleAngles_data()
{
    QTest::addColumn<int>("secondClicks");
    QTest::addColumn<int>("firstClicks");
    QTest::addColumn<int>("angle1");
    QTest::addColumn<int>("angle2");
    QTest::addColumn<int>("limit");
    QTest::newRow("start") << 0 << 0 << 60 << 60 << 115;
    QTest::newRow("60 -> 120 resets 60 to 5") << 0 << 12 << 120 << 5 << 55;
    QTest::newRow("170 leaves only 5") << 0 << 30 << 170 << 5 << 5;
    QTest::newRow("second 100, first 80 resets it") << 8 << 4 << 80 << 5 << 95;
    QTest::newRow("within the limit kept") << 6 << 3 << 75 << 90 << 100;
    QTest::newRow("5 opens to 170") << 0 << -20 << 5 << 60 << 170;
}

void TestShapeMenu::triangleAngles()
{
    QFETCH(int, secondClicks);
    QFETCH(int, firstClicks);
    QFETCH(int, angle1);
    QFETCH(int, angle2);
    QFETCH(int, limit);
    RecordingShapeLayout layout;
    Scene scene("Panel", "ShapeTriangleFixedAngleSetting", &layout, QSize(720, 480));
    QVERIFY(scene.probe);
    emit layout.showShapeTriangleFixedAngle_signal();
    QQuickItem *first = scene.find("firstAngle");
    QQuickItem *second = scene.find("secondAngle");
    scene.clickTimes(second, "plus", secondClicks);
    scene.clickTimes(first, firstClicks > 0 ? "plus" : "minus", std::abs(firstClicks));

    QCOMPARE(first->property("choosedValue").toInt(), angle1);
    QCOMPARE(second->property("choosedValue").toInt(), angle2);
    QCOMPARE(second->property("maxValue").toInt(), limit);
    // The second angle's "+" stops at the limit.
    scene.clickTimes(second, "plus", 40);
    QCOMPARE(second->property("choosedValue").toInt(), limit);

    if (QByteArray(QTest::currentDataTag()) == "start")
        QVERIFY(!scene.savePicture("shape_triangle_setting").isEmpty());
    scene.click(scene.find("okButton"));
    QCOMPARE(int(layout.selected.size()), 1);
    QCOMPARE(layout.selected[0].settings.mid(3), QList<int>({angle1, limit}));
}

void TestShapeMenu::polygonPanel()
{
    RecordingShapeLayout layout;
    Scene scene("Panel", "ShapePolygonSetting", &layout, QSize(720, 480));
    QVERIFY(scene.probe);
    emit layout.showShapePolygonSetting_signal();
    QQuickItem *edges = scene.find("edgeCounter");
    scene.clickTimes(edges, "minus", 2);
    QCOMPARE(edges->property("choosedValue").toInt(), 5);
    scene.clickTimes(edges, "plus", 3);
    QVERIFY(!scene.savePicture("shape_polygon_setting").isEmpty());
    // Cancel: nothing reaches the board.
    scene.click(scene.find("cancelButton"));
    QVERIFY(!scene.probe->isVisible());
    QVERIFY(layout.selected.empty());

    emit layout.showShapePolygonSetting_signal();
    scene.clickTimes(edges, "plus", 20);
    QCOMPARE(edges->property("choosedValue").toInt(), 16);
    scene.click(scene.find("okButton"));
    QCOMPARE(int(layout.selected.size()), 1);
    QCOMPARE(layout.selected[0].code, 2314);
    QCOMPARE(layout.selected[0].settings.at(2), 16);
}

void TestShapeMenu::menuList()
{
    // The other entries have nothing to do; the classroom tools need the
    // class's popover manager and only say so without one.
    TQLiveBroadCastContext *noContext = nullptr;
    TQBroadCastRightMenuInterface rightMenu(nullptr, noContext);
    TQMenuListLayout list(&rightMenu);
    TestLogCapture log;
    list.exitClassRoomIconClicked();
    list.teachingToolsIconClicked();
    list.writingToolsIconClicked();
    list.messageIconClicked(nullptr);
    list.classroomSettingIconClicked(nullptr);
    QVERIFY(log.messages().isEmpty());
    list.classroomToolIconClicked(nullptr);
    QVERIFY(log.messages().filter("menu class room tool clicked").size() == 1);
    QVERIFY(log.messages().filter("you need init TQLivePopoverManager").size() == 1);

    TQLiveBroadCastContext context;
    TQBroadCastRightMenuInterface withManager(nullptr, &context);
    log.clear();
    withManager.classroomToolIconClicked(nullptr);
    QVERIFY(log.messages().filter("you need init TQLivePopoverManager").isEmpty());
}

void TestShapeMenu::eraserSizes()
{
    ClassBoard board;
    QVERIFY(board.open());
    TQDrawManager *manager = board.manager();
    TQBroadCastBlackboardWritingToolsInterface &tools = *board.tools;

    // The top menu's card gives sizes 2, 1, 0; the eraser icon 1; any other
    // size keeps the width.
    const QList<QPair<int, int>> sizes{{2, 41}, {1, 82}, {0, 123}, {5, 123}, {-1, 123}};
    manager->setBrush(TQBrushStyle(3, 2, 7, 4));
    tools.setEraserSize(5);
    QCOMPARE(manager->brush(), TQBrushStyle(1, kBrushColorEraser, 7, 4));
    for (const auto &size : sizes) {
        tools.setEraserSize(size.first);
        QCOMPARE(manager->brush(), TQBrushStyle(1, kBrushColorEraser, size.second, 4));
    }
}

void TestShapeMenu::cleanPage_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleaned");
    QTest::newRow("删除") << int(ModalAnswerer::PressFirst) << true;
    QTest::newRow("取消") << int(ModalAnswerer::PressSecond) << false;
    QTest::newRow("Escape") << int(ModalAnswerer::Escape) << false;
    QTest::newRow("closed") << int(ModalAnswerer::Close) << false;
}

void TestShapeMenu::cleanPage()
{
    QFETCH(int, answer);
    QFETCH(bool, cleaned);
    ClassBoard board;
    QVERIFY(board.open());
    TQDrawManager *manager = board.manager();
    TQBroadCastBlackboardWritingToolsInterface &tools = *board.tools;
    QTRY_COMPARE(manager->queuedActionCount(), 0);

    board.harness.answerDialogs(ModalAnswerer::Answer(answer));
    tools.cleanCurrentPage();
    QCOMPARE(board.harness.dialogTexts(),
             QStringList{QStringLiteral("|删除当前页面的板书？（删除后可以按\"回退\"恢复）|删除,取消")});
    // Only "删除" queues the clean page.
    QCOMPARE(manager->queuedActionCount(), cleaned ? 1 : 0);
}

QTEST_MAIN(TestShapeMenu)
#include "tst_shapemenu.moc"
