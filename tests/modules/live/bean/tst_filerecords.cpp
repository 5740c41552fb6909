#include "actions/TQActionHelpers.h"
#include "modules/live/bean/FileBean.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQPath.h"
#include "utils/FileUtils.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include "StdTestPrinting.h"

#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Counts how often paths and page-state records are destroyed.
int g_pathsDeleted = 0;
int g_recordsDeleted = 0;

class CountedPath : public TQPath
{
public:
    CountedPath() : TQPath(1, 101, 3, 0, 1) {}
    ~CountedPath() override { ++g_pathsDeleted; }
};

class CountedRecord : public FileBean::PageStateRecord
{
public:
    ~CountedRecord() override { ++g_recordsDeleted; }
};

QJsonObject pageWithAttribute(int width, int height)
{
    return QJsonObject{{"file_url", "http://h/p.png"},
                       {"attribute", QJsonObject{{"width", width}, {"height", height}}}};
}

} // namespace

class TestFileRecords : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void timeLine_data();
    void timeLine();
    void fileFieldsFromNumbersAndTexts();
    void correlationType();
    void briefListsReplaceTheirContent();
    void selectionIsNotCopiedButAssigned();
    void backgroundSize_data();
    void backgroundSize();
    void resetDrawingsTag_data();
    void resetDrawingsTag();
    void resetKeepsOwnedAndDropsShown();
    void blankPage();
    void copyStartsEmpty();
    void destructionDeletesEachOwnedOnce();
    void localFilePath();
    void debugTexts();
};

void TestFileRecords::init()
{
    setBoardSize(1000, 640);
}

void TestFileRecords::timeLine_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<std::vector<int>>("expected");
    const std::vector<int> tens{10, 20, 30};
    QTest::newRow("text") << QJsonValue("[10,20,30]") << tens;
    QTest::newRow("array") << QJsonValue(QJsonArray{10, 20, 30}) << tens;
    QTest::newRow("empty text") << QJsonValue("") << std::vector<int>();
    QTest::newRow("not json") << QJsonValue("abc") << std::vector<int>();
    QTest::newRow("text object") << QJsonValue("{\"a\":1}") << std::vector<int>();
    QTest::newRow("empty array") << QJsonValue(QJsonArray()) << std::vector<int>();
    QTest::newRow("number") << QJsonValue(12) << std::vector<int>();
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << std::vector<int>();
    QTest::newRow("non-numbers are 0") << QJsonValue(QJsonArray{"7", 5, QJsonValue(), 2.5, true})
                                       << std::vector<int>{0, 5, 0, 0, 0};
    QTest::newRow("text with non-numbers") << QJsonValue("[\"x\", 4]") << std::vector<int>{0, 4};
}

void TestFileRecords::timeLine()
{
    QFETCH(QJsonValue, value);
    QFETCH(std::vector<int>, expected);
    QJsonObject json;
    if (!value.isUndefined())
        json.insert("time_line", value);
    QCOMPARE(Attribute(json).timeLine, expected);
}

void TestFileRecords::fileFieldsFromNumbersAndTexts()
{
    const FileBaseBean file(QJsonObject{{"file_id", 12345},
                                        {"file_name", "讲义.png"},
                                        {"file_url", "http://h/a.png"},
                                        {"file_size", 2048},
                                        {"file_type", QJsonValue()},
                                        {"attribute", QJsonObject{{"width", "640"}, {"height", 480.0},
                                                                  {"duration", 2.5}, {"index_url", 7}}}});
    QCOMPARE(file.fileId, std::string("12345"));
    QCOMPARE(file.fileName, std::string("讲义.png"));
    QCOMPARE(file.fileSize, std::string("2048"));
    QCOMPARE(file.fileType, std::string());
    QCOMPARE(file.fileMd5, std::string());
    QCOMPARE(file.attribute.width, 640);
    QCOMPARE(file.attribute.height, 480);
    QCOMPARE(file.attribute.duration, 0);
    QCOMPARE(file.attribute.indexUrl, std::string("7"));
    QCOMPARE(file.isSelect, false);
    // A large number keeps every digit.
    QCOMPARE(FileBaseBean(QJsonObject{{"file_size", 1234567}}).fileSize, std::string("1234567"));
}

void TestFileRecords::correlationType()
{
    QCOMPARE(Correlation().type, -999);
    QCOMPARE(Correlation(QJsonObject()).type, 0);
    const Correlation read(QJsonObject{{"type", "3"}, {"data", QJsonObject{{"file_id", "d"}}}});
    QCOMPARE(read.type, 3);
    QCOMPARE(read.data.fileId, std::string("d"));
    QCOMPARE(read.name, std::string());
}

void TestFileRecords::briefListsReplaceTheirContent()
{
    FileBriefBean brief(QJsonObject{{"material_page_id", 501},
                                    {"material_page_number", 2},
                                    {"correlations", QJsonArray{QJsonObject{{"type", 1}}, 5}},
                                    {"material_page_extras", "not an array"}});
    QCOMPARE(brief.materialPageId, std::string("501"));
    QCOMPARE(brief.materialPageNumber, std::string("2"));
    QCOMPARE(int(brief.correlations.size()), 2);
    QCOMPARE(brief.correlations[1].type, 0); // an element that is no object reads as empty
    QVERIFY(brief.materialPageExtras.empty());

    brief.setCorrelations(QJsonArray{QJsonObject{{"type", 9}}});
    QCOMPARE(int(brief.correlations.size()), 1);
    QCOMPARE(brief.correlations[0].type, 9);
    brief.setMaterialPageExtras(QJsonArray{QJsonObject{{"file_url", "x"}}, QJsonObject{{"file_url", "y"}}});
    QCOMPARE(int(brief.materialPageExtras.size()), 2);
    QCOMPARE(brief.materialPageExtras[1].fileUrl, std::string("y"));
}

void TestFileRecords::selectionIsNotCopiedButAssigned()
{
    FileBaseBean selected(QJsonObject{{"file_id", "a"}});
    selected.isSelect = true;
    const FileBaseBean copy(selected);
    QCOMPARE(copy.fileId, std::string("a"));
    QCOMPARE(copy.isSelect, false);
    FileBaseBean assigned;
    assigned = selected;
    QCOMPARE(assigned.isSelect, true);

    // A list that grows moves its records and keeps their selection.
    std::vector<FileBaseBean> list(1, selected);
    list[0].isSelect = true;
    for (int i = 0; i < 40; ++i)
        list.emplace_back();
    QCOMPARE(list[0].isSelect, true);
}

void TestFileRecords::backgroundSize_data()
{
    QTest::addColumn<int>("imageWidth");
    QTest::addColumn<int>("imageHeight");
    QTest::addColumn<int>("boardWidth");
    QTest::addColumn<int>("boardHeight");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("2000x1500") << 2000 << 1500 << 1000 << 640 << 1000 << 750;
    QTest::newRow("1000x640") << 1000 << 640 << 1000 << 640 << 1000 << 640;
    QTest::newRow("portrait 600x900") << 600 << 900 << 1000 << 640 << 1000 << 1500;
    QTest::newRow("width 0") << 0 << 1500 << 1000 << 640 << 1000 << 640;
    QTest::newRow("width 1") << 1 << 1500 << 1000 << 640 << 1000 << 640;
    QTest::newRow("width 2") << 2 << 3 << 1000 << 640 << 1000 << 1500;
    QTest::newRow("truncates") << 3 << 1 << 1000 << 640 << 1000 << 333;
    QTest::newRow("negative width") << -5 << 100 << 1000 << 640 << 1000 << 640;
    QTest::newRow("height 0") << 2000 << 0 << 1000 << 640 << 1000 << 0;
    QTest::newRow("negative height") << 2000 << -10 << 1000 << 640 << 1000 << 0;
    QTest::newRow("product beyond int") << 2 << 2147483647 << 1000 << 640 << 1000 << 2147483647;
    QTest::newRow("resized board") << 2000 << 1500 << 1400 << 900 << 1400 << 1050;
}

void TestFileRecords::backgroundSize()
{
    QFETCH(int, imageWidth);
    QFETCH(int, imageHeight);
    QFETCH(int, boardWidth);
    QFETCH(int, boardHeight);
    QFETCH(int, width);
    QFETCH(int, height);
    setBoardSize(boardWidth, boardHeight);
    FileBean page(pageWithAttribute(imageWidth, imageHeight));
    page.resetDrawings(7);
    QCOMPARE(page.mReservoirBackgroundElements.size(), 1);
    const TQDrawingElement *element = page.mReservoirBackgroundElements.first();
    QCOMPARE(element->kind, int(TQDrawingElement::PageImage));
    QCOMPARE(element->x, 0);
    QCOMPARE(element->y, 0);
    QCOMPARE(element->width, width);
    QCOMPARE(element->height, height);
    QCOMPARE(element->url, QString("http://h/p.png"));
}

void TestFileRecords::resetDrawingsTag_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("expected"); // -1: the next sequence number
    QTest::newRow("7") << 7 << 7;
    QTest::newRow("0") << 0 << -1;
    QTest::newRow("negative") << -3 << -1;
}

void TestFileRecords::resetDrawingsTag()
{
    QFETCH(int, tag);
    QFETCH(int, expected);
    setSequenceCounterForTest(4000);
    FileBean page;
    page.resetDrawings(tag);
    QCOMPARE(page.mOwnedBackgroundElements.first()->tag, expected == -1 ? 4001 : expected);
}

void TestFileRecords::resetKeepsOwnedAndDropsShown()
{
    g_recordsDeleted = 0;
    g_pathsDeleted = 0;
    {
        FileBean page(pageWithAttribute(2000, 1500));
        auto *path = new CountedPath;
        page.mOwnedPaths.append(path);
        page.mVisiblePaths.append(path);
        TQDrawingElement pasted(99); // the drawing engine's own element
        page.mReservoirBackgroundElements.append(&pasted);
        page.mReservoirForegroundElements.append(&pasted);
        page.mPageState.records.emplace_back(new CountedRecord);
        page.mPageState.topOffset = 300;
        page.mPageState.extraValue = 4;
        page.mPageState.extraIndex = 8;
        page.mPageState.canvasWidth = 1000;
        page.mPageState.canvasHeight = 640;

        page.resetDrawings(0);
        page.resetDrawings(0);
        QCOMPARE(page.mPageState.topOffset, 0);
        QCOMPARE(page.mPageState.extraValue, 0);
        QCOMPARE(page.mPageState.extraIndex, 8);
        QCOMPARE(page.mPageState.canvasWidth, 1000);
        QCOMPARE(page.mPageState.canvasHeight, 640);
        QVERIFY(page.mPageState.records.empty());
        QCOMPARE(g_recordsDeleted, 1);
        QVERIFY(page.mVisiblePaths.isEmpty());
        QVERIFY(page.mReservoirForegroundElements.isEmpty());
        QCOMPARE(page.mReservoirBackgroundElements.size(), 1);
        QCOMPARE(page.mOwnedPaths.size(), 1);
        // Each reset adds an element the page owns; the shown one is the newest.
        QCOMPARE(page.mOwnedBackgroundElements.size(), 2);
        QCOMPARE(page.mReservoirBackgroundElements.first(), page.mOwnedBackgroundElements.last());
        QVERIFY(page.mOwnedBackgroundElements.first()->tag != page.mOwnedBackgroundElements.last()->tag);
        QCOMPARE(g_pathsDeleted, 0);
    }
    QCOMPARE(g_pathsDeleted, 1);
}

void TestFileRecords::blankPage()
{
    setBoardSize(1200, 800);
    FileBean page(pageWithAttribute(2000, 1500));
    page.initBlankPage();
    const TQDrawingElement *element = page.mReservoirBackgroundElements.value(0);
    QVERIFY(element);
    QVERIFY(element->url.isEmpty());
    QVERIFY(element->tag > 0);
    QCOMPARE(element->width, 1200);
    QCOMPARE(element->height, 900); // the page's own size still sets the aspect
}

void TestFileRecords::copyStartsEmpty()
{
    g_pathsDeleted = 0;
    FileBean page(QJsonObject{{"file_url", "http://h/p.png"},
                              {"file_size", "10"},
                              {"material_page_extras", QJsonArray{QJsonObject{{"file_url", "e"}}}},
                              {"correlations", QJsonArray{QJsonObject{{"type", 1}}}}});
    page.resetDrawings(3);
    page.mOwnedPaths.append(new CountedPath);
    page.mPageState.topOffset = 50;
    page.mLocalFilePath = "/somewhere";
    {
        const FileBean copy(page);
        QCOMPARE(copy.fileUrl, page.fileUrl);
        QCOMPARE(copy.fileSize, std::string("10"));
        QCOMPARE(int(copy.materialPageExtras.size()), 1);
        QCOMPARE(int(copy.correlations.size()), 1);
        QVERIFY(copy.mOwnedPaths.isEmpty());
        QVERIFY(copy.mOwnedBackgroundElements.isEmpty());
        QVERIFY(copy.mReservoirBackgroundElements.isEmpty());
        QCOMPARE(copy.mPageState.topOffset, 0);
        QCOMPARE(copy.mPageState.extraIndex, -1);
        QVERIFY(copy.mLocalFilePath.empty());
    }
    QCOMPARE(g_pathsDeleted, 0);
    QCOMPARE(page.mOwnedPaths.size(), 1);
    QCOMPARE(page.mReservoirBackgroundElements.first()->tag, 3);
}

void TestFileRecords::destructionDeletesEachOwnedOnce()
{
    g_pathsDeleted = 0;
    g_recordsDeleted = 0;
    {
        FileBean page;
        page.resetDrawings(1);
        auto *path = new CountedPath;
        // Listed twice among the owned paths and once among the visible ones.
        page.mOwnedPaths << path << path << new CountedPath;
        page.mVisiblePaths << path;
        auto *cover = new TQDrawingElement(5);
        page.mOwnedForegroundElements << cover;
        page.mReservoirForegroundElements << cover;
        page.mOwnedBackgroundElements << page.mOwnedBackgroundElements.first(); // twice
        page.mPageState.records.emplace_back(new CountedRecord);
    }
    // ASan reports a double delete of the elements; the counters show the paths.
    QCOMPARE(g_pathsDeleted, 2);
    QCOMPARE(g_recordsDeleted, 1);
}

void TestFileRecords::localFilePath()
{
    const QString url = QStringLiteral("http://127.0.0.1:18480/files/course/local-%1.png").arg(QCoreApplication::applicationPid());
    FileBean page(QJsonObject{{"file_url", url}});
    QCOMPARE(page.getLocalFilePath(), std::string());

    const QString cached = FileUtils::getResourceFileFromUrl(url);
    QFile file(cached);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("png");
    file.close();
    QCOMPARE(page.getLocalFilePath(), cached.toStdString());
    // Found once, kept.
    QVERIFY(QFile::remove(cached));
    QCOMPARE(page.getLocalFilePath(), cached.toStdString());
    QCOMPARE(FileBean().getLocalFilePath(), std::string());
}

void TestFileRecords::debugTexts()
{
    const Attribute attribute(QJsonObject{
        {"width", 4}, {"height", 3},
        {"preview_image", QJsonObject{{"file_url", "u%1"}, {"attribute", QJsonObject{{"width", 2}, {"height", 1}}}}}});
    QCOMPARE(attribute.toString(),
             std::string("Attribute(width=4; height=3; previewImage=PreviewImage(fileUrl='u%1'; "
                         "Attribute=PreviewImage(width='2'; height='1')))"));
    QVERIFY(FileBean().toString().rfind("FileBaseBean(fileId='$fileId';", 0) == 0);
    QCOMPARE(Correlation().toString(), std::string("Correlation(type=$type; data=$data; name='$name')"));
}

QTEST_GUILESS_MAIN(TestFileRecords)
#include "tst_filerecords.moc"
