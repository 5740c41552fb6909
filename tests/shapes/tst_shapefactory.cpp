// The shape factory: which figure class each type code names (codes whose
// class is still to come give null and so the pen), and what the factory does
// to a figure it made (flags the code implies, stored code, a copy of the
// parameters), shown with a small test figure.
#include "shapes/TQShapeGeneric.h"

#include "shapes/TQShapeFactory.h"

#include <QtTest>

#include <memory>

namespace {

// A figure whose own constructor claims other flags and another type code.
class OtherFigure : public TQShapeGeneric
{
public:
    OtherFigure()
        : TQShapeGeneric(2402, true, false, false, true)
    {
    }
};

TQShapeGeneric *makeOtherFigure()
{
    return new OtherFigure;
}

// The figure classes built so far.
const QStringList kBuiltClasses = {
    "TQShapeAnalyticals", "TQShapeAngle", "TQShapeArrow", "TQShapeAxisLine", "TQShapeBigParantheses",
    "TQShapeBrackets", "TQShapeCircle", "TQShapeCoordinates", "TQShapeCurve", "TQShapeCuttingBox", "TQShapeEllipse",
    "TQShapeFillArrow", "TQShapeFloatingImage", "TQShapeFourEdged", "TQShapeLine", "TQShapeParalleogram",
    "TQShapePartialCircle", "TQShapePoint", "TQShapePolygon", "TQShapeRectangle", "TQShapeRhombus",
    "TQShapeRightCoordinate", "TQShapeSquare", "TQShapeTabular", "TQShapeTrapezoid", "TQShapeTrapezoidIsosceles",
    "TQShapeTrapezoidRight", "TQShapeTriangle", "TQShapeTriangleEqualLateral", "TQShapeTriangleFixedAngle",
    "TQShapeTriangleIsosceles", "TQShapeTriangleIsoscelesRight", "TQShapeTriangleRight",
    "TQShapeCuboid", "TQShapeCube", "TQShapeGlobe", "TQShapeCylinder", "TQShapeCone", "TQShapeTrianglePyramid",
    "TQShapePrismTriangle", "TQShapeSquareParamid",
};

} // namespace

class TestShapeFactory : public QObject
{
    Q_OBJECT

private slots:
    void classOfCode_data();
    void classOfCode();
    void madeFigure_data();
    void madeFigure();
    void parametersAreCopied();
};

void TestShapeFactory::classOfCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("className");

    QTest::newRow("100") << 100 << "TQShapeCuttingBox";
    QTest::newRow("101") << 101 << "TQShapeCuttingBox";
    QTest::newRow("102") << 102 << "TQShapeFloatingImage";
    QTest::newRow("1000") << 1000 << "TQShapeArrow";
    QTest::newRow("1004") << 1004 << "TQShapeArrow";
    QTest::newRow("1006") << 1006 << "TQShapeBigParantheses";
    QTest::newRow("1009") << 1009 << "TQShapeCurve";
    QTest::newRow("1016") << 1016 << "TQShapeFillArrow";
    QTest::newRow("2001") << 2001 << "TQShapeAxisLine";
    QTest::newRow("2005") << 2005 << "TQShapeCoordinates";
    QTest::newRow("2009") << 2009 << "TQShapeRightCoordinate";
    QTest::newRow("2100") << 2100 << "TQShapeFloatingImage";
    QTest::newRow("2101") << 2101 << "TQShapeTabular";
    QTest::newRow("2200") << 2200 << "TQShapePoint";
    QTest::newRow("2204") << 2204 << "TQShapeLine";
    QTest::newRow("2205") << 2205 << "TQShapeAngle";
    QTest::newRow("2305") << 2305 << "TQShapeTriangleFixedAngle";
    QTest::newRow("2310") << 2310 << "TQShapeParalleogram";
    QTest::newRow("2314") << 2314 << "TQShapePolygon";
    QTest::newRow("2316") << 2316 << "TQShapePartialCircle";
    QTest::newRow("2400") << 2400 << "TQShapeCuboid";
    QTest::newRow("2401") << 2401 << "TQShapeCube";
    QTest::newRow("2402") << 2402 << "TQShapeGlobe";
    QTest::newRow("2403") << 2403 << "TQShapeCylinder";
    QTest::newRow("2404") << 2404 << "TQShapeCone";
    QTest::newRow("2405") << 2405 << "TQShapeTrianglePyramid";
    QTest::newRow("2406") << 2406 << "TQShapePrismTriangle";
    QTest::newRow("2407") << 2407 << "TQShapeSquareParamid";
    QTest::newRow("2500") << 2500 << "TQShapeAnalyticals";
    QTest::newRow("2518") << 2518 << "TQShapeAnalyticals";
    QTest::newRow("3000") << 3000 << "TQShapeFloatingImage";
    QTest::newRow("4062") << 4062 << "TQShapeFloatingImage";
    // The pen.
    QTest::newRow("2999") << 2999 << "";
    QTest::newRow("4063") << 4063 << "";
    QTest::newRow("-1") << -1 << "";
    QTest::newRow("1017") << 1017 << "";
    QTest::newRow("1999") << 1999 << "";
    QTest::newRow("2519") << 2519 << "";
    QTest::newRow("103") << 103 << "";
    QTest::newRow("0") << 0 << "";
}

void TestShapeFactory::classOfCode()
{
    QFETCH(int, code);
    QFETCH(QString, className);

    QCOMPARE(QString::fromLatin1(shapeClassForCode(code)), className);
    // A code whose class is built gives that class, with the code; the
    // others give the pen for now.
    std::unique_ptr<TQShapeAbstract> shape(createShape(code, TQShapeParams()));
    QCOMPARE(bool(shape), kBuiltClasses.contains(className));
    if (shape) {
        QCOMPARE(shape->type, code);
        // The mangled name ends with the class's own (no namespace).
        QVERIFY2(QByteArray(typeid(*shape).name()).endsWith(className.toLatin1()), typeid(*shape).name());
    }
}

void TestShapeFactory::madeFigure_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("copyable");
    QTest::addColumn<bool>("resizable");

    QTest::newRow("cutting box 100 is copyable") << 100 << true << false;
    QTest::newRow("cutting box 101 is copyable") << 101 << true << false;
    QTest::newRow("floating image 102 is resizable") << 102 << false << true;
    QTest::newRow("cone keeps its code, not its class's") << 2404 << false << false;
    QTest::newRow("function graph") << 2501 << false << false;
}

void TestShapeFactory::madeFigure()
{
    QFETCH(int, code);
    QFETCH(bool, copyable);
    QFETCH(bool, resizable);

    std::unique_ptr<TQShapeAbstract> made(createShapeWith(&makeOtherFigure, code, TQShapeParams()));

    auto *shape = dynamic_cast<OtherFigure *>(made.get());
    QVERIFY(shape);
    QCOMPARE(shape->type, code);
    QCOMPARE(shape->copyable, copyable);
    QCOMPARE(shape->resizable, resizable);
    QVERIFY(shape->rotatable);
    QVERIFY(!createShapeWith(nullptr, code, TQShapeParams()));
}

void TestShapeFactory::parametersAreCopied()
{
    TQShapeParams params(17, 6, QRect(1, 2, 30, 40), "qrc:/picture.png", 3001, 4, 5, 1.5707964f, 1.0471976f);

    std::unique_ptr<TQShapeAbstract> shape(createShapeWith(&makeOtherFigure, 2305, params));
    params.imageUrl = "changed";
    params.rows = 99;

    QCOMPARE(shape->params.id, 17);
    QCOMPARE(shape->params.edgeCount, 6);
    QCOMPARE(shape->params.rect, QRect(1, 2, 30, 40));
    QCOMPARE(shape->params.imageUrl, std::string("qrc:/picture.png"));
    QCOMPARE(shape->params.toStudentCode, 3001);
    QCOMPARE(shape->params.rows, 4);
    QCOMPARE(shape->params.columns, 5);
    QCOMPARE(shape->params.angleA, 1.5707964f);
    QCOMPARE(shape->params.angleB, 1.0471976f);
    QCOMPARE(params.imageUrl, std::string("changed"));
}

QTEST_GUILESS_MAIN(TestShapeFactory)
#include "tst_shapefactory.moc"
