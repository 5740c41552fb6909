// The shape catalogue against its golden table (categories, their order,
// every code in menu order, the students' picture numbers), the category
// JSON, that every icon and picture it names is a real picture in the
// resources, and the recently used shapes of two teachers who sign in one
// after the other in one process over one store file.
#include "modules/login/LoginManager.h"
#include "shapes/TQShapeData.h"
#include "shapes/TQShapeImageBean.h"
#include "shapes/TQShapeTypeBean.h"
#include "utils/CSqliteHelper.h"
#include "utils/KV.h"

#include <QImage>
#include <QJsonDocument>
#include <QtTest>

#include <memory>
#include <set>

namespace {

struct Category
{
    QString title;
    std::vector<TQShapeImageBean *> items;
};

// The list split into its categories (items before any title under "").
std::vector<Category> categoriesOf(const std::vector<TQShapeAny *> &list)
{
    std::vector<Category> categories;
    for (TQShapeAny *entry : list) {
        if (auto *title = dynamic_cast<TQShapeTypeBean *>(entry)) {
            categories.push_back({QString::fromStdString(title->title), {}});
        } else if (auto *item = dynamic_cast<TQShapeImageBean *>(entry)) {
            if (categories.empty())
                categories.push_back({QString(), {}});
            categories.back().items.push_back(item);
        }
    }
    return categories;
}

std::vector<TQShapeImageBean *> allItems()
{
    std::vector<TQShapeImageBean *> items;
    for (int subject = 0; subject < 3; ++subject) {
        for (const Category &category : categoriesOf(TQShapeData::shapesForSubject(subject)))
            items.insert(items.end(), category.items.begin(), category.items.end());
    }
    return items;
}

QList<int> range(int first, int last)
{
    QList<int> codes;
    for (int code = first; code <= last; ++code)
        codes << code;
    return codes;
}

QList<int> codesOf(const std::vector<TQShapeImageBean *> &items)
{
    QList<int> codes;
    for (const TQShapeImageBean *item : items)
        codes << item->code;
    return codes;
}

QJsonObject account(const QString &userId)
{
    return QJsonObject{{"tokenStatus", QJsonObject{{"token", "t" + userId}}},
                       {"accountDetails", QJsonObject{{"user_id", userId}, {"user_nick_name", "T" + userId},
                                                      {"mobile_phone", "13800138000"}, {"image_file_addr", "/i.png"}}}};
}

std::string keyOf(const QString &userId)
{
    return (userId + "key_live_class_shape_used").toStdString();
}

QList<int> storedCodes(const QString &userId)
{
    QList<int> codes;
    for (const QJsonValue &value : KV::getJsonValue(keyOf(userId)).toArray())
        codes << value.toObject().value("code").toInt();
    return codes;
}

QList<int> recentCodes()
{
    return codesOf(TQShapeData::recentlyUsed());
}

// Picks a new item of the code as the menu does; the title entry in front
// of the result is ours, the item the list's when it took it.
void pick(int code)
{
    auto *item = new TQShapeImageBean("../../res/x.png", code, 0, -1, "");
    const std::vector<TQShapeAny *> result = TQShapeData::updateRecentlyUsed(item);
    QVERIFY(!result.empty());
    QCOMPARE(QString::fromStdString(dynamic_cast<TQShapeTypeBean *>(result.front())->title), QString("最近使用"));
    const bool taken = std::find(result.begin(), result.end(), item) != result.end();
    delete result.front();
    if (!taken)
        delete item;
}

} // namespace

class TestShapeCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void categories_data();
    void categories();
    void subjectsWithoutCatalogue();
    void builtOnce();
    void studentCodes_data();
    void studentCodes();
    void itemRecords();
    void everyPathIsAPicture();
    void categoryJson();
    void recentOrder();
    void recentOfTwoTeachers();
    void recentFromAnEditedStore();
};

void TestShapeCatalogue::initTestCase()
{
    CSqliteHelper::instance();
}

void TestShapeCatalogue::categories_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QList<int>>("codes");

    QTest::newRow("基础图形") << 0 << 0 << "基础图形" << "math/general" << (range(1000, 1013) << 1015);
    QTest::newRow("数轴与坐标") << 0 << 1 << "数轴与坐标" << "math/number_line_and_coordinates"
                           << QList<int>{2002, 2003, 2004, 2005, 2000, 2006, 2007, 2008, 2009, 2001};
    QTest::newRow("器具与表格") << 0 << 2 << "器具与表格" << "math/instruments_and_form" << QList<int>{2100, 2101};
    QTest::newRow("平面几何图形") << 0 << 3 << "平面几何图形" << "math/plane_geometry"
                            << (QList<int>{2201, 2202, 2200, 2203, 2204, 2205} + range(2300, 2317));
    QTest::newRow("立体几何图形") << 0 << 4 << "立体几何图形" << "math/three_dimensional_geometry" << range(2400, 2407);
    QTest::newRow("函数") << 0 << 5 << "函数" << "math/function"
                        << QList<int>{2500, 2501, 2502, 2503, 2516, 2504, 2505, 2515, 2518, 2517,
                                      2506, 2507, 2508, 2511, 2512, 2513, 2514, 2509, 2510};
    QTest::newRow("力学") << 1 << 0 << "力学" << "physics/mechanics" << range(3000, 3013);
    QTest::newRow("光学") << 1 << 1 << "光学" << "physics/optical" << range(3100, 3103);
    QTest::newRow("电磁学") << 1 << 2 << "电磁学" << "physics/electromagnetism" << range(3200, 3229);
    QTest::newRow("实验器材") << 2 << 0 << "实验器材" << "chemistry/test_instruments" << range(4000, 4062);
}

void TestShapeCatalogue::categories()
{
    QFETCH(int, subject);
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(QString, folder);
    QFETCH(QList<int>, codes);

    const std::vector<TQShapeAny *> list = TQShapeData::shapesForSubject(subject);
    const std::vector<Category> categories = categoriesOf(list);
    const QList<int> categoryCounts{6, 3, 1};
    QCOMPARE(int(categories.size()), categoryCounts.at(subject));
    // Every entry is a title or an item, and the list opens with a title.
    QVERIFY(dynamic_cast<TQShapeTypeBean *>(list.front()));
    const Category &category = categories.at(size_t(index));
    QCOMPARE(category.title, title);
    QCOMPARE(codesOf(category.items), codes);
    for (const TQShapeImageBean *item : category.items) {
        QCOMPARE(item->type, subject);
        QVERIFY2(QString::fromStdString(item->path).startsWith("../../res/" + folder + "/shape_"), item->path.c_str());
        if (!item->drawImagePath.empty())
            QVERIFY(QString::fromStdString(item->drawImagePath).startsWith(":/res/" + folder + "/shape_image_"));
        // The settings fields keep their defaults in the catalogue.
        QCOMPARE(QList<int>({item->rows, item->columns, item->edges, item->angleA, item->angleB}),
                 QList<int>({-1, -1, 5, 90, 60}));
    }
}

void TestShapeCatalogue::subjectsWithoutCatalogue()
{
    QVERIFY(TQShapeData::shapesForSubject(3).empty());
    QVERIFY(TQShapeData::shapesForSubject(-1).empty());
    // 78 + 48 + 63, and no item for the factory's 1014 and 1016.
    const QList<int> codes = codesOf(allItems());
    QCOMPARE(codes.size(), 189);
    QVERIFY(!codes.contains(1014) && !codes.contains(1016));
}

void TestShapeCatalogue::builtOnce()
{
    const std::vector<TQShapeAny *> first = TQShapeData::shapesForSubject(1);
    const std::vector<TQShapeAny *> second = TQShapeData::shapesForSubject(1);
    QCOMPARE(second, first);
}

void TestShapeCatalogue::studentCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("studentCode");
    // The wire numbers: 3204 and 3205 are swapped on purpose.
    const QList<QPair<int, int>> rows{{2100, 1},   {3000, 2},   {3010, 12},  {3011, 110}, {3012, 111}, {3013, 112},
                                      {3100, 13},  {3103, 16},  {3200, 17},  {3203, 20},  {3204, 22},  {3205, 21},
                                      {3206, 23},  {3227, 44},  {3228, 108}, {3229, 109}, {4000, 45},  {4062, 107},
                                      {2101, -1},  {1000, -1},  {2518, -1}};
    for (const auto &row : rows)
        QTest::newRow(qPrintable(QString::number(row.first))) << row.first << row.second;
}

void TestShapeCatalogue::studentCodes()
{
    QFETCH(int, code);
    QFETCH(int, studentCode);
    for (const TQShapeImageBean *item : allItems()) {
        if (item->code != code)
            continue;
        QCOMPARE(item->toStudentCode, studentCode);
        QCOMPARE(item->drawImagePath.empty(), studentCode < 0);
        if (studentCode > 0)
            QCOMPARE(TQShapeData::drawImagePathForStudentCode(studentCode), item->drawImagePath);
        return;
    }
    QFAIL("code not in the catalogue");
}

void TestShapeCatalogue::itemRecords()
{
    // The 112 pictures have the numbers 1 to 112, each once, and only 2100
    // of mathematics is a picture.
    std::set<int> numbers;
    int mathPictures = 0;
    for (const TQShapeImageBean *item : allItems()) {
        if (item->toStudentCode > 0) {
            QVERIFY(numbers.insert(item->toStudentCode).second);
            mathPictures += item->type == 0;
        }
    }
    QCOMPARE(int(numbers.size()), 112);
    QCOMPARE(*numbers.begin(), 1);
    QCOMPARE(*numbers.rbegin(), 112);
    QCOMPARE(mathPictures, 1);
    for (int unknown : {0, -1, 113, 1000})
        QCOMPARE(TQShapeData::drawImagePathForStudentCode(unknown), std::string());

    // The protractor's icon is a picture file, unlike every other icon.
    const std::vector<TQShapeImageBean *> items = allItems();
    const auto protractor = std::find_if(items.begin(), items.end(), [](auto *i) { return i->code == 2100; });
    QCOMPARE(QString::fromStdString((*protractor)->path),
             QString("../../res/math/instruments_and_form/shape_image_anglemeter_icon.png"));
    QCOMPARE(QString::fromStdString((*protractor)->drawImagePath),
             QString(":/res/math/instruments_and_form/shape_image_anglemeter.png"));
    QCOMPARE((*protractor)->toJson(),
             QJsonObject({{"path", "../../res/math/instruments_and_form/shape_image_anglemeter_icon.png"},
                          {"code", 2100},
                          {"type", 0},
                          {"toStudentCode", 1},
                          {"drawImagePath", ":/res/math/instruments_and_form/shape_image_anglemeter.png"}}));
}

void TestShapeCatalogue::everyPathIsAPicture()
{
    int pictures = 0;
    for (const TQShapeImageBean *item : allItems()) {
        // The icon path is relative to the menu's QML two folders below the
        // resource root.
        const QString icon = QString::fromStdString(item->path).replace("../../res/", ":/res/");
        QVERIFY2(!QImage(icon).isNull(), qPrintable(icon));
        if (!item->drawImagePath.empty()) {
            const QImage picture(QString::fromStdString(item->drawImagePath));
            QVERIFY2(!picture.isNull(), item->drawImagePath.c_str());
            ++pictures;
        }
    }
    QCOMPARE(pictures, 112);
}

void TestShapeCatalogue::categoryJson()
{
    TQShapeTypeBean a("A"), b("B"), c("C");
    TQShapeImageBean one("1.png", 1, 0, -1, ""), two("2.png", 2, 1, 7, ":/p.png");
    // Items before the first title are dropped; a title without items gives
    // no category.
    const QJsonArray json = TQShapeData::toCategoryJson({&one, &a, &b, &one, &two, &c});
    QCOMPARE(json, QJsonArray({QJsonObject{{"title", "B"}, {"items_in_category", QJsonArray{one.toJson(), two.toJson()}}}}));
    QCOMPARE(TQShapeData::toCategoryJson({}), QJsonArray());
    QCOMPARE(TQShapeData::toCategoryJson(TQShapeData::shapesForSubject(0)).size(), 6);

    // What the store keeps of an item: its five keys, not its settings.
    two.rows = 4;
    two.angleA = 30;
    std::unique_ptr<TQShapeImageBean> back(TQShapeImageBean::fromJson(two.toJson()));
    QCOMPARE(back->toJson(), two.toJson());
    QCOMPARE(QList<int>({back->rows, back->columns, back->edges, back->angleA, back->angleB}),
             QList<int>({-1, -1, 5, 90, 60}));
}

void TestShapeCatalogue::recentOrder()
{
    LoginManager::saveLoginInfo(account("5001"));
    KV::remove(keyOf("5001"));
    for (int code : {1, 2, 3, 4, 5, 6})
        pick(code);
    QCOMPARE(recentCodes(), QList<int>({6, 5, 4, 3, 2}));
    pick(4);
    QCOMPARE(recentCodes(), QList<int>({4, 6, 5, 3, 2}));
    QCOMPARE(storedCodes("5001"), QList<int>({4, 6, 5, 3, 2}));
    // The same code twice: one entry, and the store rewritten.
    KV::remove(keyOf("5001"));
    pick(4);
    QCOMPARE(recentCodes(), QList<int>({4, 6, 5, 3, 2}));
    QCOMPARE(storedCodes("5001"), QList<int>({4, 6, 5, 3, 2}));
}

void TestShapeCatalogue::recentOfTwoTeachers()
{
    LoginManager::saveLoginInfo(account("6001"));
    KV::remove(keyOf("6001"));
    KV::remove(keyOf("6002"));
    pick(2300);
    pick(2301);
    QCOMPARE(recentCodes(), QList<int>({2301, 2300}));

    // Another teacher signs in within the same run: her own (empty) list,
    // and her pick is written under her key only.
    LoginManager::saveLoginInfo(account("6002"));
    QCOMPARE(recentCodes(), QList<int>());
    pick(3000);
    QCOMPARE(recentCodes(), QList<int>({3000}));
    QCOMPARE(storedCodes("6002"), QList<int>({3000}));
    QCOMPARE(storedCodes("6001"), QList<int>({2301, 2300}));

    // The first teacher again: her list comes back from the store.
    LoginManager::saveLoginInfo(account("6001"));
    QCOMPARE(recentCodes(), QList<int>({2301, 2300}));
    pick(2300);
    QCOMPARE(storedCodes("6001"), QList<int>({2300, 2301}));
    QCOMPARE(storedCodes("6002"), QList<int>({3000}));
}

void TestShapeCatalogue::recentFromAnEditedStore()
{
    // Not an array: nothing. An array with strays, repeats and too many
    // items: the objects, one per code, at most five.
    KV::set(keyOf("7001"), "{\"code\": 5}");
    LoginManager::saveLoginInfo(account("7001"));
    QCOMPARE(recentCodes(), QList<int>());

    QJsonArray edited{7, QJsonObject{{"code", 10}}, QJsonObject{{"code", 10}}, "x"};
    for (int code = 11; code <= 16; ++code)
        edited.append(QJsonObject{{"code", code}, {"path", "p"}});
    KV::setJsonValue(keyOf("7002"), edited);
    LoginManager::saveLoginInfo(account("7002"));
    QCOMPARE(recentCodes(), QList<int>({10, 11, 12, 13, 14}));
    QCOMPARE(QString::fromStdString(TQShapeData::recentlyUsed().at(1)->path), QString("p"));
}

QTEST_MAIN(TestShapeCatalogue)
#include "tst_shapecatalogue.moc"
