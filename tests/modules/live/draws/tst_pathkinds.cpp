#include "modules/live/draws/TQPathCircle.h"
#include "modules/live/draws/TQPathClearRect.h"
#include "modules/live/draws/TQPathImage.h"
#include "modules/live/draws/TQPathText.h"

#include "utils/TextMetrics.h"

#include "TestLogCapture.h"

#include <QtTest>

#include <map>
#include <memory>

// Circle, clear-rect, image and text paths: their three copies per kind, the
// rounded width of text copies, and the font size a text chooses for its line
// height from the table shared by the process.
class TestPathKinds : public QObject
{
    Q_OBJECT

private slots:
    void copies_data();
    void copies();
    void copiesKeepTheirFields();
    void textWidthRoundsUp_data();
    void textWidthRoundsUp();
    void fontSizeTable();
};

namespace {

// Rectangle (10, 20, 100, 40) made on a canvas of 500 x 320, line height 16.
TQPathRect *make(const QString &kind)
{
    const TQBrushStyle brush(1, 102, 82, 0);
    const QRectF rect(10, 20, 100, 40);
    TQPathRect *path = nullptr;
    if (kind == "circle")
        path = new TQPathCircle(brush, 31, rect, 30, 270, false, true);
    else if (kind == "clear")
        path = new TQPathClearRect(brush, 31, rect);
    else if (kind == "image")
        path = new TQPathImage(brush, 31, rect, 1, 0.5f, "/tmp/picture.png");
    else
        path = new TQPathText(brush, 31, QStringLiteral("板书"), QStringLiteral("#FF0000"),
                              QStringLiteral("DejaVu Sans"), rect, 16);
    path->setCanvasSize(500, 320);
    return path;
}

TQPathRect *copyOf(TQPathRect &path, const QString &op)
{
    if (op == "offset")
        return path.copyOffset(3, 5, 2);
    if (op == "offset to canvas")
        return path.copyOffset(3, 5, 2, QSize(1000, 640));
    if (op == "from drawn")
        return path.copyFromDrawn(3, 5, 2);
    if (op == "shifted")
        return path.copyShifted(3, 5, QSize(1000, 640), 2);
    return path.copyRescaled(QSize(250, 160));
}

} // namespace

void TestPathKinds::copies_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QSize>("canvas");

    const QSize own(500, 320);
    // dx 3, dy 5, scale 2; the target 1000 wide gives k = 2.
    for (const char *kind : {"clear", "image", "text"}) {
        // The offset is scaled with the rectangle; the canvas stays.
        QTest::addRow("%s offset", kind) << kind << "offset" << QRectF((10 + 3) * 2, (20 + 5) * 2, 200, 80) << own;
        QTest::addRow("%s offset ignores a canvas", kind)
            << kind << "offset to canvas" << QRectF(26, 50, 200, 80) << own;
        QTest::addRow("%s from drawn", kind) << kind << "from drawn" << QRectF(26, 50, 200, 80) << own;
    }
    // A circle's offset is added after scaling; without a valid target k = 1.
    QTest::newRow("circle offset") << "circle" << "offset" << QRectF(10 * 2 + 3, (20 + 5) * 2, 200, 80) << own;
    QTest::newRow("circle from drawn") << "circle" << "from drawn" << QRectF(23, 50, 200, 80) << own;
    QTest::newRow("circle offset to canvas")
        << "circle" << "offset to canvas" << QRectF(10 * 4 + 3, 25 * 4, 400, 160) << QSize(1000, 640);
    for (const char *kind : {"circle", "clear", "image", "text"}) {
        // The shifted copy adds dx after scaling, dy before.
        QTest::addRow("%s shifted", kind) << kind << "shifted" << QRectF(10 * 4 + 3, (20 + 5) * 4, 400, 160)
                                          << QSize(1000, 640);
        QTest::addRow("%s rescaled", kind) << kind << "rescaled" << QRectF(5, 10, 50, 20) << QSize(250, 160);
    }
}

void TestPathKinds::copies()
{
    QFETCH(QString, kind);
    QFETCH(QString, op);
    QFETCH(QRectF, rect);
    QFETCH(QSize, canvas);

    std::unique_ptr<TQPathRect> path(make(kind));
    std::unique_ptr<TQPathRect> copy(copyOf(*path, op));
    QCOMPARE(typeid(*copy).name(), typeid(*path).name());
    QCOMPARE(copy->rect, rect);
    QCOMPARE(copy->canvas, canvas);
    QCOMPARE(path->rect, QRectF(10, 20, 100, 40));
    if (kind == "text") {
        // The line height scales with the rectangle.
        const float factor = float(rect.height() / 40);
        QCOMPARE(static_cast<TQPathText *>(copy.get())->lineHeight, 16 * factor);
    }
}

void TestPathKinds::copiesKeepTheirFields()
{
    for (const char *kind : {"circle", "image", "text"}) {
        std::unique_ptr<TQPathRect> path(make(kind));
        std::unique_ptr<TQPathRect> copy(path->copyShifted(0, 0, QSize(820, 520), 1));
        QCOMPARE(copy->strokeId, 31);
        QCOMPARE(copy->brush, TQBrushStyle(1, 102, 82, 0));
        if (auto *circle = dynamic_cast<TQPathCircle *>(copy.get())) {
            QCOMPARE(circle->startAngle, 30.0f);
            QCOMPARE(circle->spanAngle, 270.0f);
            QVERIFY(circle->filled);
            QVERIFY(!circle->flag);
        } else if (auto *image = dynamic_cast<TQPathImage *>(copy.get())) {
            QCOMPARE(image->url, QByteArray("/tmp/picture.png"));
            QCOMPARE(image->rotation, 0.5f);
            QCOMPARE(image->sourceKind, 1);
        } else {
            auto *text = static_cast<TQPathText *>(copy.get());
            QCOMPARE(text->text, QStringLiteral("板书"));
            QCOMPARE(text->colourText, QStringLiteral("#FF0000"));
            QCOMPARE(text->fontFamily, QStringLiteral("DejaVu Sans"));
        }
    }
    // A canvas 0 wide (never set from a real size) is not divided by.
    TQPathCircle circle(TQBrushStyle(), 1, QRectF(10, 10, 20, 20), 0, 360, false, false);
    circle.setCanvasSize(0, 0);
    std::unique_ptr<TQPathRect> copy(circle.copyRescaled(QSize(1000, 640)));
    QCOMPARE(copy->rect, QRectF(10, 10, 20, 20));
}

void TestPathKinds::textWidthRoundsUp_data()
{
    QTest::addColumn<qreal>("width");
    QTest::addColumn<QString>("op");
    QTest::addColumn<qreal>("expected");

    QTest::newRow("100.3 at scale 1") << 100.3 << "offset" << 101.0;
    QTest::newRow("exactly 100") << 100.0 << "offset" << 100.0;
    QTest::newRow("100.3 shifted, same canvas") << 100.3 << "shifted" << 101.0;
    QTest::newRow("100.3 rescaled to half") << 100.3 << "rescaled" << 51.0;
    QTest::newRow("100 rescaled to half") << 100.0 << "rescaled" << 50.0;
}

void TestPathKinds::textWidthRoundsUp()
{
    QFETCH(qreal, width);
    QFETCH(QString, op);
    QFETCH(qreal, expected);

    TQPathText text(TQBrushStyle(), 1, QStringLiteral("x"), QStringLiteral("black"), QString(),
                    QRectF(0, 0, width, 20), 20);
    text.setCanvasSize(820, 520);
    std::unique_ptr<TQPathRect> copy(op == "offset"    ? text.copyOffset(0, 0, 1)
                                     : op == "shifted" ? text.copyShifted(0, 0, QSize(820, 520), 1)
                                                       : text.copyRescaled(QSize(410, 260)));
    QCOMPARE(copy->rect.width(), expected);
}

void TestPathKinds::fontSizeTable()
{
    // The table the first text builds: height of "A" -> the largest size.
    const QString first = QStringLiteral("DejaVu Serif");
    std::map<int, int> expected;
    for (int size = 6; size <= 99; ++size)
        expected[getTextBoundingSize(size, QStringLiteral("A"), first).height()] = size;
    QVERIFY(expected.size() > 20);

    TestLogCapture capture;
    const auto entry = std::next(expected.begin(), 10);
    TQPathText serif(TQBrushStyle(), 1, "A", "black", first, QRectF(), entry->first + 0.3f);
    QCOMPARE(serif.getFontSize(), entry->second);
    QVERIFY(capture.messages().join('\n').contains(
        QStringLiteral("get line height %1:%2").arg(entry->first).arg(entry->second)));

    // A text in another family reads the same table.
    const auto other = std::next(expected.begin(), 20);
    TQPathText mono(TQBrushStyle(), 2, "A", "black", QStringLiteral("DejaVu Sans Mono"), QRectF(), other->first);
    QCOMPARE(mono.getFontSize(), other->second);

    // A height past the table is answered from the nearest (the tallest)
    // after walking the table, then found directly.
    capture.clear();
    const int tall = expected.rbegin()->first + 40;
    TQPathText big(TQBrushStyle(), 3, "A", "black", first, QRectF(), float(tall));
    QCOMPARE(big.getFontSize(), 99);
    const QString walked = capture.messages().join('\n');
    QCOMPARE(walked.count(QStringLiteral("update line height ")), int(expected.size()));
    capture.clear();
    QCOMPARE(big.getFontSize(), 99);
    QVERIFY(capture.messages().join('\n').contains(QStringLiteral("get line height %1:99").arg(tall)));

    // Between two heights the nearer wins; a tie keeps the smaller height.
    auto gap = [&](int wanted) {
        for (auto low = expected.begin(), high = std::next(low); high != expected.end(); ++low, ++high) {
            if (high->first - low->first == wanted)
                return low;
        }
        return expected.end();
    };
    const auto tieLow = gap(2);
    const auto wideLow = gap(3);
    QVERIFY(tieLow != expected.end() && wideLow != expected.end());
    TQPathText tie(TQBrushStyle(), 4, "A", "black", first, QRectF(), float(tieLow->first + 1));
    QCOMPARE(tie.getFontSize(), tieLow->second);
    TQPathText nearHigh(TQBrushStyle(), 5, "A", "black", first, QRectF(), float(wideLow->first + 2));
    QCOMPARE(nearHigh.getFontSize(), std::next(wideLow)->second);
    // An unusable line height never breaks the lookup.
    TQPathText broken(TQBrushStyle(), 6, "A", "black", first, QRectF(), std::numeric_limits<float>::quiet_NaN());
    QVERIFY(broken.getFontSize() >= 6);
}

QTEST_MAIN(TestPathKinds)
#include "tst_pathkinds.moc"
