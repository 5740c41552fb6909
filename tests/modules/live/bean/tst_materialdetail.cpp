#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQPreSendingImage.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include "StdTestPrinting.h"

#include <memory>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

QJsonObject materialFixture()
{
    QFile file(QFINDTESTDATA("fixtures/material_detail.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

class TestMaterialDetail : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fixtureMaterial();
    void fixturePages();
    void fixtureVideos();
    void processState_data();
    void processState();
    void materialTypes_data();
    void materialTypes();
    void changeOngoingPage_data();
    void changeOngoingPage();
    void resetToFirstPage();
    void blankPlaceholder();
    void pageBackgroundElement_data();
    void pageBackgroundElement();
    void pageBackgroundElementWithExtras();
};

void TestMaterialDetail::init()
{
    setBoardSize(1000, 640);
}

void TestMaterialDetail::fixtureMaterial()
{
    const QJsonObject json = materialFixture();
    QVERIFY(!json.isEmpty());
    const MaterialDetailBean material(json);
    QCOMPARE(material.materialId, Q_INT64_C(9007199254740993));
    QCOMPARE(material.rawMaterialId, Q_INT64_C(7001));
    QCOMPARE(material.materialName, std::string("二次函数 第1讲"));
    QCOMPARE(material.materialType, 1);
    QCOMPARE(material.materialFileProcessState, 4);
    QVERIFY(material.isFileProcessed());
    QCOMPARE(material.m_pOngoingPage, nullptr);
    QCOMPARE(material.mOngoingPageIndex, 0);
    QCOMPARE(material.mIsBlankPlaceholder, false);
    QCOMPARE(material.parent(), nullptr);
}

void TestMaterialDetail::fixturePages()
{
    const MaterialDetailBean material(materialFixture());
    QCOMPARE(int(material.mFileItems.size()), 3);

    const FileBean &first = material.mFileItems[0];
    QCOMPARE(first.fileId, std::string("f-100"));
    QCOMPARE(first.fileName, std::string("page1.png"));
    QCOMPARE(first.fileUrl, std::string("http://127.0.0.1:18480/files/course/page1.png"));
    QCOMPARE(first.fileMd5, std::string("0cc175b9c0f1b6a831c399e269772661"));
    QCOMPARE(first.fileSize, std::string("2048"));
    QCOMPARE(first.fileType, std::string("png"));
    QCOMPARE(first.materialPageId, std::string("501"));
    QCOMPARE(first.materialPageNumber, std::string("1"));
    QCOMPARE(first.attribute.width, 2000);
    QCOMPARE(first.attribute.height, 1500);
    QCOMPARE(first.attribute.duration, 0);
    QCOMPARE(first.attribute.timeLine, (std::vector<int>{10, 20, 30}));
    QCOMPARE(first.attribute.previewImage.fileUrl, std::string("http://127.0.0.1:18480/files/course/page1_s.png"));
    QCOMPARE(first.attribute.previewImage.attribute.width, 200);
    QCOMPARE(first.attribute.previewImage.attribute.height, 150);
    QCOMPARE(int(first.correlations.size()), 2);
    QCOMPARE(first.correlations[0].type, 2);
    QCOMPARE(first.correlations[0].data.fileUrl, std::string("http://127.0.0.1:18480/files/course/answer1.png"));
    QCOMPARE(first.correlations[1].type, 0);
    QCOMPARE(first.correlations[1].data.fileId, std::string("c-2"));
    QCOMPARE(int(first.materialPageExtras.size()), 2);
    QCOMPARE(first.materialPageExtras[0].fileType, std::string("mp4"));
    QCOMPARE(first.materialPageExtras[0].attribute.duration, 42);
    QCOMPARE(first.materialPageExtras[0].attribute.timeLine, (std::vector<int>{10, 20, 30}));
    QCOMPARE(first.materialPageExtras[1].fileUrl, std::string("http://127.0.0.1:18480/files/course/clip2.mp4"));
    // Pages arrive without drawings.
    QVERIFY(first.mOwnedBackgroundElements.isEmpty());
    QVERIFY(first.mReservoirBackgroundElements.isEmpty());

    const FileBean &second = material.mFileItems[1];
    QCOMPARE(second.fileSize, std::string("1234567"));
    QCOMPARE(second.materialPageNumber, std::string("2"));
    QCOMPARE(second.attribute.width, 800);
    QCOMPARE(second.attribute.height, 600);
    QVERIFY(second.attribute.timeLine.empty());
    QVERIFY(second.correlations.empty());
    QVERIFY(second.materialPageExtras.empty());

    QVERIFY(material.mFileItems[2].fileUrl.empty());
    QVERIFY(material.mFileItems[2].attribute.timeLine.empty());
}

void TestMaterialDetail::fixtureVideos()
{
    const MaterialDetailBean material(materialFixture());
    // Each video from its own "videos" entry, also beyond the number of pages.
    QCOMPARE(int(material.mVideos.size()), 4);
    QCOMPARE(material.mVideos[0].fileId, std::string("v-1"));
    QCOMPARE(material.mVideos[0].fileSize, std::string("1048576"));
    QCOMPARE(material.mVideos[0].attribute.duration, 95);
    QCOMPARE(material.mVideos[0].attribute.timeLine, (std::vector<int>{0, 30, 60, 90}));
    QCOMPARE(material.mVideos[1].attribute.timeLine, (std::vector<int>{0, 5, 0, 0}));
    QCOMPARE(material.mVideos[2].fileId, std::string("v-3"));
    QCOMPARE(material.mVideos[3].fileId, std::string());
}

void TestMaterialDetail::processState_data()
{
    QTest::addColumn<QJsonValue>("state");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("processed");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << 0 << true << "";
    QTest::newRow("0") << QJsonValue(0) << 0 << true << "";
    QTest::newRow("1") << QJsonValue(1) << 1 << false << "等候转换中";
    QTest::newRow("2 as text") << QJsonValue("2") << 2 << false << "转换中";
    QTest::newRow("3") << QJsonValue(3) << 3 << false << "转换失败";
    QTest::newRow("4") << QJsonValue(4) << 4 << true << "";
    QTest::newRow("5") << QJsonValue(5) << 5 << false << "";
}

void TestMaterialDetail::processState()
{
    QFETCH(QJsonValue, state);
    QFETCH(int, expected);
    QFETCH(bool, processed);
    QFETCH(QString, text);
    QJsonObject json;
    if (!state.isUndefined())
        json.insert("material_file_process_state", state);
    const MaterialDetailBean material(json);
    QCOMPARE(material.materialFileProcessState, expected);
    QCOMPARE(material.isFileProcessed(), processed);
    QCOMPARE(QString::fromStdString(material.getProcessStateText()), text);
    QVERIFY(material.isAvailable());
}

void TestMaterialDetail::materialTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("audio");
    QTest::addColumn<bool>("video");
    QTest::newRow("document") << 1 << false << false;
    QTest::newRow("video") << 3 << false << true;
    QTest::newRow("audio") << 6 << true << false;
    QTest::newRow("4") << 4 << false << false;
}

void TestMaterialDetail::materialTypes()
{
    QFETCH(int, type);
    QFETCH(bool, audio);
    QFETCH(bool, video);
    const MaterialDetailBean material(QJsonObject{{"material_type", type}});
    QCOMPARE(material.isAudioMaterial(), audio);
    QCOMPARE(material.isVideoMaterial(), video);
}

void TestMaterialDetail::changeOngoingPage_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("changed");
    QTest::newRow("first") << 3 << 0 << true;
    QTest::newRow("last") << 3 << 2 << true;
    QTest::newRow("count") << 3 << 3 << false;
    QTest::newRow("-1") << 3 << -1 << false;
    QTest::newRow("empty") << 0 << 0 << false;
}

void TestMaterialDetail::changeOngoingPage()
{
    QFETCH(int, pages);
    QFETCH(int, index);
    QFETCH(bool, changed);
    QJsonArray items;
    for (int i = 0; i < pages; ++i)
        items.append(QJsonObject{{"file_url", QString("p%1").arg(i)}});
    MaterialDetailBean material(QJsonObject{{"file_items", items}});
    material.resetToFirstPage();
    FileBean *before = material.m_pOngoingPage;
    QCOMPARE(material.changeOngoingPage(index), changed);
    if (changed)
        QCOMPARE(material.m_pOngoingPage, &material.mFileItems[size_t(index)]);
    else
        QCOMPARE(material.m_pOngoingPage, before);
    // The caller keeps the index.
    QCOMPARE(material.mOngoingPageIndex, 0);
}

void TestMaterialDetail::resetToFirstPage()
{
    MaterialDetailBean empty;
    empty.mOngoingPageIndex = 4;
    empty.resetToFirstPage();
    QCOMPARE(empty.m_pOngoingPage, nullptr);
    QCOMPARE(empty.mOngoingPageIndex, 4);

    MaterialDetailBean material(materialFixture());
    material.changeOngoingPage(2);
    material.mOngoingPageIndex = 2;
    material.resetToFirstPage();
    QCOMPARE(material.m_pOngoingPage, &material.mFileItems.front());
    QCOMPARE(material.mOngoingPageIndex, 0);
}

void TestMaterialDetail::blankPlaceholder()
{
    MaterialDetailBean material;
    QCOMPARE(material.materialId, Q_INT64_C(-1));
    QCOMPARE(material.materialFileProcessState, -1);
    QVERIFY(!material.isFileProcessed());

    FileBean *first = material.initWithBlankPages();
    QCOMPARE(int(material.mFileItems.size()), 5);
    QCOMPARE(first, &material.mFileItems.front());
    QCOMPARE(material.m_pOngoingPage, first);
    QCOMPARE(material.mOngoingPageIndex, 0);
    QVERIFY(material.mIsBlankPlaceholder);
    QSet<int> tags;
    for (const FileBean &page : material.mFileItems) {
        QCOMPARE(page.mReservoirBackgroundElements.size(), 1);
        const TQDrawingElement *element = page.mReservoirBackgroundElements.first();
        QVERIFY(element->url.isEmpty());
        QCOMPARE(element->width, 1000);
        QCOMPARE(element->height, 640);
        tags.insert(element->tag);
    }
    QCOMPARE(tags.size(), 5);
}

void TestMaterialDetail::pageBackgroundElement_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QJsonValue>("size");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("made");
    QTest::addColumn<bool>("sizeFlag");
    QTest::newRow("size text") << "a.png" << QJsonValue("12345") << 0 << true << true;
    QTest::newRow("size number") << "a.png" << QJsonValue(12345) << 0 << true << true;
    QTest::newRow("no size") << "a.png" << QJsonValue("") << 0 << true << false;
    QTest::newRow("size 0") << "a.png" << QJsonValue("0") << 0 << true << false;
    QTest::newRow("no url") << "" << QJsonValue("12") << 0 << false << false;
    QTest::newRow("index 1") << "a.png" << QJsonValue("1") << 1 << false << false;
    QTest::newRow("index -1") << "a.png" << QJsonValue("1") << -1 << false << false;
}

void TestMaterialDetail::pageBackgroundElement()
{
    QFETCH(QString, url);
    QFETCH(QJsonValue, size);
    QFETCH(int, index);
    QFETCH(bool, made);
    QFETCH(bool, sizeFlag);
    const MaterialDetailBean material(
        QJsonObject{{"file_items", QJsonArray{QJsonObject{{"file_url", url}, {"file_size", size}}}}});
    const std::unique_ptr<TQPreSendingImage> image(material.createPageBackgroundElement(index));
    QCOMPARE(bool(image), made);
    if (!image)
        return;
    QCOMPARE(image->url, url.toStdString());
    QCOMPARE(image->sendValue, 1);
    QCOMPARE(image->currentPage, sizeFlag);
    QCOMPARE(image->earlyTurn, false);
    QCOMPARE(image->expectedSize, 0);
    QVERIFY(image->extraUrls.empty());
}

void TestMaterialDetail::pageBackgroundElementWithExtras()
{
    const MaterialDetailBean material(materialFixture());
    const std::unique_ptr<TQPreSendingImage> image(material.createPageBackgroundElement(0));
    QVERIFY(image);
    QCOMPARE(image->extraUrls, (std::vector<std::string>{"http://127.0.0.1:18480/files/course/clip1.mp4",
                                                         "http://127.0.0.1:18480/files/course/clip2.mp4"}));
    QCOMPARE(MaterialDetailBean().createPageBackgroundElement(0), nullptr);
}

QTEST_GUILESS_MAIN(TestMaterialDetail)
#include "tst_materialdetail.moc"
