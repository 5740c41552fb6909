#include "ActionTestSupport.h"

#include "actions/TQMessagePackagingService.h"
#include "actions/drawing/TQDrawActionCutImagePortion.h"
#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawActionEraseBlackBoard.h"
#include "actions/drawing/TQDrawingActionCleanPage.h"
#include "actions/drawing/TQDrawingActionDrawText.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionNone.h"
#include "actions/drawing/TQDrawingActionPageZoom.h"
#include "actions/drawing/TQDrawingActionRestore.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"

#include "TestLogCapture.h"

#include <QtTest>

#include <typeinfo>

namespace {

std::vector<TQPointW> pointsOf(std::initializer_list<std::array<int, 3>> list)
{
    std::vector<TQPointW> points;
    for (const auto &p : list)
        points.emplace_back(p[0], p[1], p[2]);
    return points;
}

// A piece of stroke `stroke` with `count` points starting at x = first.
std::unique_ptr<TQDrawingActionLine> linePiece(int stroke, int count, int first = 0)
{
    auto line = std::make_unique<TQDrawingActionLine>();
    line->strokeId = stroke;
    for (int i = 0; i < count; ++i)
        line->points.emplace_back(first + i, 2 * (first + i), 0);
    return line;
}

void fillHeader(TQDrawingAction &action, int index, int material, int page, int sender)
{
    action.drawingIndex = index;
    action.materialId = material;
    action.pageIndex = page;
    action.senderId = sender;
}

ActionPtr sampleLine()
{
    return make<TQDrawingActionLine>([](TQDrawingActionLine &a) {
        fillHeader(a, 12, 345, 2, 55);
        a.topOffset = 400;
        a.secondOffset = 400;
        a.canvasWidth = 3280;
        a.canvasHeight = 2080;
        a.brush = TQBrushStyle(1, 102, 41, 0);
        a.strokeId = 777;
        a.points = pointsOf({{10, 20, 0}, {30, 40, 0}});
    });
}

ActionPtr eraserLine()
{
    return make<TQDrawingActionLine>([](TQDrawingActionLine &a) {
        fillHeader(a, 1, 9, 0, 7);
        a.canvasWidth = 3280;
        a.canvasHeight = 2080;
        a.brush = TQBrushStyle(100, 100, 3, 0);
        a.straight = true;
        a.strokeId = 5;
        a.points = pointsOf({{-4, 0, 1}, {8, 8, 1}, {8, 8, 1}});
    });
}

ActionPtr alphaLine()
{
    return make<TQDrawingActionLine>([](TQDrawingActionLine &a) {
        fillHeader(a, 2, 9, 0, 7);
        a.brush = TQBrushStyle(8, 107, 82, 0);
        a.alphaFlag = 1;
        a.strokeId = 6;
        a.points = pointsOf({{1, 2, 0}, {3, 4, 0}});
    });
}

ActionPtr sampleCircle(bool filled)
{
    return make<TQDrawActionDrawCircle>([filled](TQDrawActionDrawCircle &a) {
        fillHeader(a, 3, 9, 1, 7);
        a.canvasWidth = 3280;
        a.canvasHeight = 2080;
        a.brush = TQBrushStyle(1, 102, 3, 0);
        a.centreX = 100;
        a.centreY = 200;
        a.radius = 50;
        a.endAngle = 62831;
        a.filled = filled;
        a.elementId = 99;
    });
}

ActionPtr sampleText(const std::string &text)
{
    return make<TQDrawingActionDrawText>([text](TQDrawingActionDrawText &a) {
        fillHeader(a, 5, 9, 0, 7);
        a.canvasWidth = 3280;
        a.canvasHeight = 2080;
        a.x = 40;
        a.y = 80;
        a.width = 400;
        a.height = 120;
        a.fontSize = 64;
        a.elementId = 42;
        a.text = text;
        a.colour = "#FF0000";
        a.fontFamily = "SimSun";
    });
}

ActionPtr sampleImage(const std::string &url)
{
    return make<TQDrawActionDrawImage>([url](TQDrawActionDrawImage &a) {
        fillHeader(a, 14, 9, 0, 7);
        a.canvasWidth = 3280;
        a.canvasHeight = 2080;
        a.width = 400;
        a.height = 300;
        a.captionHeight = 40;
        a.sourceB = 1;
        a.ownerUserId = 8;
        a.x = 100;
        a.y = 200;
        a.elementId = 77;
        a.url = url;
    });
}

ActionPtr sampleRegion()
{
    return make<TQDrawActionCutImagePortion>([](TQDrawActionCutImagePortion &a) {
        fillHeader(a, 15, 9, 0, 7);
        a.x = 10;
        a.y = 20;
        a.width = 300;
        a.height = 200;
        a.canvasWidth = 3280;
        a.canvasHeight = 2080;
        a.smallBoard = true;
        a.sourceTime = 1234;
    });
}

ActionPtr sampleScroll()
{
    return make<TQDrawingActionMoveUpDown>([](TQDrawingActionMoveUpDown &a) {
        fillHeader(a, 11, 9, 2, 7);
        a.topOffset = 800;
        a.secondOffset = 800;
        a.canvasWidth = 3280;
        a.canvasHeight = 2080;
    });
}

// Every drawing record with its exact text.
std::vector<Golden> goldens()
{
    return {
        {"line", sampleLine(), "[12,0,345,2,400,400,3280,2080,41,1,0,55,0,777,FF0000FF,0,(10,20,0),(30,40,0)]", true},
        {"eraser line", eraserLine(), "[1,0,9,0,0,0,3280,2080,3,0,1,7,1,5,00000000,0,(-4,0,1),(8,8,1),(8,8,1)]", true},
        {"alpha line", alphaLine(), "[2,0,9,0,0,0,0,0,82,8,0,7,0,6,FF7C00CC,1,(1,2,0),(3,4,0)]", true},
        {"circle", sampleCircle(false), "[3,1,9,1,0,0,3280,2080,0,1,0,100,200,50,0,62831,0,7,99,FF0000FF]", true},
        {"filled circle", sampleCircle(true), "[3,1,9,1,0,0,3280,2080,0,1,0,100,200,50,0,62831,1,7,99,FF0000CC]",
         true},
        {"text with separators", sampleText("a,b]"),
         "[5,14,9,0,3280,2080,40,80,0,400,120,64,0,YSxiXQ==,#FF0000,SimSun,7,42]", true},
        {"chinese text", sampleText("你好"), "[5,14,9,0,3280,2080,40,80,0,400,120,64,0,5L2g5aW9,#FF0000,SimSun,7,42]",
         true},
        {"empty text", sampleText(""), "[5,14,9,0,3280,2080,40,80,0,400,120,64,0,,#FF0000,SimSun,7,42]", true},
        {"erase", make<TQDrawActionEraseBlackBoard>([](TQDrawActionEraseBlackBoard &a) {
             fillHeader(a, 6, 9, 0, 7);
             a.eraseTime = 1234567;
         }),
         "[6,12,9,0,1234567,7]", true},
        {"placeholder", makeRecord<TQDrawingActionNone>(4), "[4,9,0]", true},
        {"save", make<TQDrawingActionSave>([](TQDrawingActionSave &a) {
             fillHeader(a, 8, 9, 1, 7);
             a.valueA = 7;
             a.strokeId = 777;
         }),
         "[8,2,9,7,1,7,777]", false},
        {"restore", make<TQDrawingActionRestore>([](TQDrawingActionRestore &a) {
             fillHeader(a, 9, 9, 1, 7);
             a.snapshotId = 5;
         }),
         "[9,3,5,7,9,1]", true},
        {"turn page", make<TQDrawingActionTurnPage>([](TQDrawingActionTurnPage &a) {
             fillHeader(a, 10, 9, 2, 7);
             a.targetPage = 3;
         }),
         "[10,4,9,3,7,2]", true},
        {"scroll", sampleScroll(), "[11,5,9,2,800,800,3280,2080,7]", true},
        {"select material", make<TQDrawingActionSelectMaterial>([](TQDrawingAction &a) { fillHeader(a, 12, 9, 0, 7); }),
         "[12,6,9,0]", true},
        {"clean page", make<TQDrawingActionCleanPage>([](TQDrawingAction &a) { fillHeader(a, 13, 9, 4, 7); }),
         "[13,8,9,4]", true},
        {"image", sampleImage("http://x/a.png"),
         "[14,10,9,0,0,3280,2080,400,300,40,1,8,0,0,0,0,100,200,77,http://x/a.png]", true},
        {"cover board", sampleImage("NoURL"), "[14,10,9,0,0,3280,2080,400,300,40,1,8,0,0,0,0,100,200,77,NoURL]", true},
        {"region", sampleRegion(), "[15,11,9,0,10,20,300,200,0,0,3280,2080,0,1,1234,7,ImageUrl]", true},
        {"negative numbers", make<TQDrawingActionTurnPage>([](TQDrawingActionTurnPage &a) {
             fillHeader(a, -2147483647 - 1, -1, -2, 2147483647);
             a.targetPage = -3;
         }),
         "[-2147483648,4,-1,-3,2147483647,-2]", true},
        {"page zoom", makeRecord<TQDrawingActionPageZoom>(), "[0,13,0,0,0,0,100,0]", false},
    };
}

TQDrawingAction *parseDrawing(const std::string &text)
{
    TQMessagePackagingService service;
    return dynamic_cast<TQDrawingAction *>(service.constructionActionFromStr(text, 1));
}

} // namespace

// Every drawing action's text, its parser, clone and merge rules.
class TestDrawingActions : public QObject
{
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
    void roundTrips_data();
    void roundTrips();
    void clones_data();
    void clones();
    void cloneKeepsFieldsOutsideText();
    void parses_data();
    void parses();
    void drawTextLogsItsInput();
    void lineMergeLimit_data();
    void lineMergeLimit();
    void lineMergeDropsRepeats();
    void lineMergeKeepsHeader();
    void scrollMerge();
    void translateMovesPoints();
};

void TestDrawingActions::writes_data()
{
    addGoldenTextRows(goldens());
}

void TestDrawingActions::writes()
{
    QFETCH(ActionPtr, action);
    QFETCH(QString, text);
    QCOMPARE(textOf(action), text);
}

void TestDrawingActions::roundTrips_data()
{
    addRoundTripRows(goldens());
}

// parse(write(x)) writes x again, is of x's class, and is a fresh received
// record: receiver -1, publish and refresh set.
void TestDrawingActions::roundTrips()
{
    QFETCH(ActionPtr, action);
    const QString text = textOf(action);
    std::unique_ptr<TQDrawingAction> parsed(parseDrawing(withoutBrackets(text)));
    QVERIFY(parsed);
    QCOMPARE(typeid(*parsed).name(), typeid(*action).name());
    QCOMPARE(textOf(*parsed), text);
    QCOMPARE(parsed->receiver, TQAction::GENERAL_AUDIENCE);
    QVERIFY(parsed->publish);
    QVERIFY(parsed->refresh);
}

void TestDrawingActions::clones_data()
{
    writes_data();
}

void TestDrawingActions::clones()
{
    QFETCH(ActionPtr, action);
    auto *original = static_cast<TQDrawingAction *>(action.get());
    original->publish = false;
    original->receivedAt = 123;
    original->refresh = false;
    std::unique_ptr<TQDrawingAction> copy(original->clone());
    QCOMPARE(typeid(*copy).name(), typeid(*original).name());
    QCOMPARE(textOf(*copy), textOf(*original));
    QCOMPARE(copy->publish, false);
    QCOMPARE(copy->receivedAt, 123);
    QCOMPARE(copy->refresh, true);
}

void TestDrawingActions::cloneKeepsFieldsOutsideText()
{
    TQDrawingActionLine line;
    line.noAdjust = 3;
    line.receiver = 12;
    line.points = pointsOf({{1, 2, 0}});
    line.points[0].time = 99;
    std::unique_ptr<TQDrawingAction> copy(line.clone());
    QCOMPARE(static_cast<TQDrawingActionLine *>(copy.get())->noAdjust, 3);
    QCOMPARE(static_cast<TQDrawingActionLine *>(copy.get())->points[0], line.points[0]);
    QCOMPARE(copy->receiver, TQAction::GENERAL_AUDIENCE);

    TQDrawingActionMoveUpDown scroll;
    scroll.valueA = 1;
    scroll.valueB = 2;
    scroll.standalone = true;
    scroll.noAdjust = 4;
    copy.reset(scroll.clone());
    const auto *scrollCopy = static_cast<TQDrawingActionMoveUpDown *>(copy.get());
    QCOMPARE(scrollCopy->valueA, 1);
    QCOMPARE(scrollCopy->valueB, 2);
    QCOMPARE(scrollCopy->standalone, true);
    QCOMPARE(scrollCopy->noAdjust, 4);

    TQDrawActionDrawImage image;
    image.scrollTo = false;
    image.caption = "讲课老师:Ann";
    copy.reset(image.clone());
    QCOMPARE(static_cast<TQDrawActionDrawImage *>(copy.get())->scrollTo, false);
    QCOMPARE(static_cast<TQDrawActionDrawImage *>(copy.get())->caption, image.caption);

    TQDrawActionCutImagePortion region;
    region.tag = 8;
    copy.reset(region.clone());
    QCOMPARE(static_cast<TQDrawActionCutImagePortion *>(copy.get())->tag, 8);

    // Into a target of another class only the header goes.
    TQDrawingActionNone none(5);
    none.senderId = 6;
    line.copyTo(&none);
    QCOMPARE(none.drawingIndex, 0);
    QCOMPARE(none.type, 9);
}

// Received texts (without brackets) and the record they give: the expected
// record's text, or an empty text for a refusal.
void TestDrawingActions::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("record");
    const QString line = "1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,";
    QTest::newRow("line without alpha element") << line + "(1,2,0),(3,4,0)"
                                                << "[1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(1,2,0),(3,4,0)]";
    QTest::newRow("line two identical points") << line + "0,(1,2,0),(1,2,0)"
                                               << "[1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(1,2,0),(1,2,0)]";
    QTest::newRow("line one point") << line + "0,(1,2,0)" << "";
    QTest::newRow("line without points") << line + "0," << "";
    QTest::newRow("line two-number point") << line + "0,(1,2,0),(5,6)" << "";
    QTest::newRow("line word in point") << line + "0,(1,2,0),(5,x,0)" << "";
    QTest::newRow("line point without bracket") << line + "0,(1,2,0),(5,6,0" << "";
    QTest::newRow("line point with more numbers") << line + "0,(1,2,0,9),(3,4,0)"
                                                  << "[1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(1,2,0),(3,4,0)]";
    QTest::newRow("line word in element 13") << "1,0,9,0,0,0,3280,2080,3,1,0,7,0,x,000000FF,0,(1,2,0),(3,4,0)" << "";
    QTest::newRow("line word in element 0") << "x,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(1,2,0),(3,4,0)"
                                            << "[0,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(1,2,0),(3,4,0)]";
    QTest::newRow("line unknown width, type and colour")
        << "1,0,9,0,0,0,3280,2080,40,9,0,7,2,5,123456FF,0,(1,2,0),(3,4,0)"
        << "[1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(1,2,0),(3,4,0)]";
    QTest::newRow("line width 0 kept") << "1,0,9,0,0,0,3280,2080,0,1,0,7,0,5,000000FF,0,(1,2,0),(3,4,0)"
                                       << "[1,0,9,0,0,0,3280,2080,0,1,0,7,0,5,000000FF,0,(1,2,0),(3,4,0)]";
    QTest::newRow("line 14 elements") << "1,0,9,0,0,0,3280,2080,3,1,0,7,0,5" << "";
    QTest::newRow("line blanks and signs in the header") << "1,0, 9,+0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(1,2,0),(3,4,0)"
                                                          << "[1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(1,2,0),(3,4,0)]";
    QTest::newRow("line blanks and signs in a point") << line + "0,( 1,+2,-0 ),(3,4,0)"
                                                      << "[1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(1,2,0),(3,4,0)]";
    QTest::newRow("line point closed by another character") << line + "0,(1,2,3y,(4,5,6)"
                                                            << "[1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(1,2,3),(4,5,6)]";
    QTest::newRow("line junk after a point") << line + "0,(1,2,3)x,(4,5,6)" << "";
    QTest::newRow("line empty point") << line + "0,(1,2,0),(,(3,4,0)" << "";
    QTest::newRow("line point beyond int") << line + "0,(2147483648,2,0),(3,4,0)" << "";
    QTest::newRow("line point at int limits") << line + "0,(-2147483648,2147483647,0),(00000000003,4,0)"
                                              << "[1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,0,(-2147483648,2147483647,0),"
                                                 "(3,4,0)]";
    QTest::newRow("line points starting in the colour element") << "1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,(1,2,0),(3,4,0)"
                                                                << "[1,0,9,0,0,0,3280,2080,3,1,0,7,0,5,000000FF,2,(1,2,0),(3,4,0)]";
    QTest::newRow("circle eraser comes back as type 0 width 3")
        << "3,1,9,1,0,0,3280,2080,0,0,1,100,200,50,0,62831,0,7,99,00000000"
        << "[3,1,9,1,0,0,3280,2080,0,0,0,100,200,50,0,62831,0,7,99,00000000]";
    QTest::newRow("circle 19 elements") << "3,1,9,1,0,0,3280,2080,0,0,1,100,200,50,0,62831,0,7,99" << "";
    QTest::newRow("circle word in element 8") << "3,1,9,1,0,0,3280,2080,x,0,1,100,200,50,0,62831,0,7,99,00000000"
                                              << "";
    QTest::newRow("text 17 elements") << "5,14,9,0,3280,2080,40,80,0,400,120,64,0,YQ==,#F00,SimSun,7" << "";
    QTest::newRow("text bad base64 skipped") << "5,14,9,0,3280,2080,40,80,0,400,120,64,0,Y!Q=,c,f,7,42"
                                             << "[5,14,9,0,3280,2080,40,80,0,400,120,64,0,YQ==,c,f,7,42]";
    QTest::newRow("placeholder 4 elements") << "4,9,0,0" << "";
    QTest::newRow("placeholder word index") << "x,9,0" << "[0,9,0]";
    QTest::newRow("save drops valueA") << "8,2,9,7,1,7,777" << "[8,2,9,0,1,7,777]";
    QTest::newRow("restore word index") << "x,3,5,7,9,1" << "";
    QTest::newRow("turn page word index") << "x,4,9,3,7,2" << "[0,4,9,3,7,2]";
    QTest::newRow("scroll 8 elements") << "11,5,9,2,800,800,3280,2080" << "";
    QTest::newRow("material word page") << "1,6,9,x" << "";
    QTest::newRow("erase word time") << "6,12,9,0,x,7" << "";
    QTest::newRow("image 19 elements: id is the address")
        << "14,10,9,0,0,3280,2080,400,300,40,1,8,5,0,0,0,100,200,77"
        << "[14,10,9,0,0,3280,2080,400,300,40,1,8,0,0,0,0,100,200,77,77]";
    QTest::newRow("image address with commas") << "14,10,9,0,0,3280,2080,400,300,40,1,8,0,0,0,0,100,200,77,http://x/a,b,c.png"
                                               << "[14,10,9,0,0,3280,2080,400,300,40,1,8,0,0,0,0,100,200,77,http://x/a,b,c.png]";
    QTest::newRow("image word in element 17") << "14,10,9,0,0,3280,2080,400,300,40,1,8,0,0,0,0,100,y,77,u" << "";
    QTest::newRow("region 18 elements") << "15,11,9,0,10,20,300,200,0,0,3280,2080,0,1,1234,7,ImageUrl,5" << "";
    QTest::newRow("region 17 elements unchecked") << "15,11,9,0,10,x,300,200,0,0,3280,2080,0,1,1234,7,u"
                                                  << "[15,11,9,0,10,0,300,200,0,0,3280,2080,0,1,1234,7,u]";
    QTest::newRow("region 16 elements") << "15,11,9,0,10,20,300,200,0,0,3280,2080,0,1,1234,7" << "";
}

void TestDrawingActions::parses()
{
    QFETCH(QString, text);
    QFETCH(QString, record);
    std::unique_ptr<TQDrawingAction> parsed(parseDrawing(text.toStdString()));
    QCOMPARE(parsed ? textOf(*parsed) : QString(), record);
}

void TestDrawingActions::drawTextLogsItsInput()
{
    TestLogCapture capture;
    const std::string text = "5,14,9,0,3280,2080,40,80,0,400,120,64,0,YQ==,c,f,7";
    QVERIFY(!TQDrawingActionDrawText::drawTextFromString(text));
    const QString expected = QStringLiteral("[LOG] TQDrawingActionDrawText::drawTextFromString get draw text ")
        + QString::fromStdString(text);
    QVERIFY2(capture.messages().join('\n').contains(expected), qPrintable(capture.messages().join('\n')));
}

void TestDrawingActions::lineMergeLimit_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("merged");
    QTest::newRow("40 + 30") << 40 << 30 << 70;
    QTest::newRow("40 + 31") << 40 << 31 << -1;
    QTest::newRow("69 + 1") << 69 << 1 << 70;
    QTest::newRow("1 + 0") << 1 << 0 << -1;
    QTest::newRow("0 + 1") << 0 << 1 << -1;
}

void TestDrawingActions::lineMergeLimit()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, merged);
    const auto earlier = linePiece(4, first, 0);
    const auto later = linePiece(4, second, 1000);
    std::unique_ptr<TQDrawingAction> result(earlier->mergeWith(later.get()));
    QCOMPARE(result ? int(static_cast<TQDrawingActionLine *>(result.get())->points.size()) : -1, merged);
}

void TestDrawingActions::lineMergeDropsRepeats()
{
    // Each outline side of the next piece starts where this piece ended.
    TQDrawingActionLine earlier;
    earlier.strokeId = 1;
    earlier.points = pointsOf({{1, 1, 0}, {2, 2, 1}, {5, 5, 0}, {6, 6, 1}});
    TQDrawingActionLine later;
    later.strokeId = 1;
    later.points = pointsOf({{5, 5, 0}, {6, 6, 1}, {7, 7, 0}, {5, 5, 0}, {5, 5, 1}, {8, 8, 1}});
    std::unique_ptr<TQDrawingAction> merged(earlier.mergeWith(&later));
    QVERIFY(merged);
    const auto points = static_cast<TQDrawingActionLine *>(merged.get())->points;
    const auto expected = pointsOf({{1, 1, 0}, {2, 2, 1}, {5, 5, 0}, {6, 6, 1}, {7, 7, 0}, {5, 5, 1}, {8, 8, 1}});
    QCOMPARE(points.size(), expected.size());
    for (size_t i = 0; i < points.size(); ++i)
        QVERIFY2(points[i].samePlace(expected[i]), qPrintable(QString::number(i)));

    // A side whose first point moved keeps it.
    later.points = pointsOf({{5, 6, 0}, {7, 7, 0}});
    merged.reset(earlier.mergeWith(&later));
    QCOMPARE(static_cast<TQDrawingActionLine *>(merged.get())->points.size(), size_t(6));
}

void TestDrawingActions::lineMergeKeepsHeader()
{
    const ActionPtr sample = sampleLine();
    auto *earlier = static_cast<TQDrawingActionLine *>(sample.get());
    earlier->receiver = 31;
    earlier->publish = false;
    earlier->alphaFlag = 1;
    earlier->straight = true;
    earlier->brush.extra = 4;
    earlier->noAdjust = 1;
    earlier->receivedAt = 99;
    TQDrawingActionLine later;
    later.strokeId = earlier->strokeId;
    later.drawingIndex = 500;
    later.senderId = 501;
    later.points = pointsOf({{30, 40, 0}, {50, 60, 0}});

    std::unique_ptr<TQDrawingAction> result(earlier->mergeWith(&later));
    QVERIFY(result);
    auto *merged = static_cast<TQDrawingActionLine *>(result.get());
    QCOMPARE(textOf(*merged),
             QStringLiteral("[12,0,345,2,400,400,3280,2080,41,1,0,55,1,777,FF0000CC,1,(10,20,0),(30,40,0),(50,60,0)]"));
    QCOMPARE(merged->receiver, 31);
    QCOMPARE(merged->publish, false);
    QCOMPARE(merged->brush.extra, 0);
    QCOMPARE(merged->noAdjust, 0);
    QCOMPARE(merged->receivedAt, 0);

    later.strokeId = 778;
    QVERIFY(!earlier->mergeWith(&later));
    const ActionPtr circle = sampleCircle(false);
    QVERIFY(!earlier->mergeWith(static_cast<TQDrawingAction *>(circle.get())));
    QVERIFY(!earlier->mergeWith(nullptr));
}

void TestDrawingActions::scrollMerge()
{
    const ActionPtr first = sampleScroll();
    auto *earlier = static_cast<TQDrawingActionMoveUpDown *>(first.get());
    earlier->valueA = 3;
    earlier->valueB = 4;
    earlier->noAdjust = 1;
    earlier->receiver = 31;
    const ActionPtr second = sampleScroll();
    auto *later = static_cast<TQDrawingActionMoveUpDown *>(second.get());
    later->drawingIndex = 90;
    later->topOffset = 1600;
    later->secondOffset = 1604;
    later->canvasHeight = 1;

    std::unique_ptr<TQDrawingAction> result(earlier->mergeWith(later));
    QVERIFY(result);
    auto *merged = static_cast<TQDrawingActionMoveUpDown *>(result.get());
    QCOMPARE(textOf(*merged), QStringLiteral("[11,5,9,2,1600,1604,3280,2080,0]"));
    QCOMPARE(merged->receiver, 31);
    QCOMPARE(merged->valueA, 0);
    QCOMPARE(merged->valueB, 4);
    QCOMPARE(merged->noAdjust, 0);

    later->canvasWidth = 3000;
    QVERIFY(!earlier->mergeWith(later));
    later->canvasWidth = earlier->canvasWidth;
    later->standalone = true;
    QVERIFY(!earlier->mergeWith(later));
    later->standalone = false;
    earlier->standalone = true;
    QVERIFY(!earlier->mergeWith(later));
    earlier->standalone = false;
    later->pageIndex = 3;
    QVERIFY(!earlier->mergeWith(later));
    const ActionPtr line = sampleLine();
    QVERIFY(!earlier->mergeWith(static_cast<TQDrawingAction *>(line.get())));
}

void TestDrawingActions::translateMovesPoints()
{
    const ActionPtr sample = sampleLine();
    auto *line = static_cast<TQDrawingActionLine *>(sample.get());
    line->translate(-10, 5);
    QCOMPARE(textOf(*line), QStringLiteral("[12,0,345,2,400,400,3280,2080,41,1,0,55,0,777,FF0000FF,0,(0,25,0),(20,45,0)]"));
}

QTEST_GUILESS_MAIN(TestDrawingActions)
#include "tst_drawingactions.moc"
