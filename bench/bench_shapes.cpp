// What one move event costs while a teacher edits the heaviest figures: each
// figure on the real draw manager of a headless 1000 x 640 board (the tests'
// shape harness), one of its control points dragged round a small circle,
// one move every 16 ms of the product's clock so that the figure sends at its
// own pace. A move event is the touch handed to the manager plus everything
// it queues being applied (restore, the outline, sending). Prints the median
// and the worst move over all runs; a figure whose class is not built yet is
// skipped and said.
#include "BenchFigure.h"
#include "ShapeHarness.h"

#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapeGeneric.h"
#include "shapes/TQVertex.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kMovesPerRun = 120;
constexpr int kRuns = 5;
constexpr qint64 kFrameMs = 16;
constexpr double kPi = 3.141592653589793;

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

struct Figure
{
    const char *name;
    int code;
    TQShapeParams params;
};

std::vector<Figure> figures()
{
    TQShapeParams table;
    table.rows = 10;
    table.columns = 12;
    TQShapeParams sixteen;
    sixteen.edgeCount = 16;
    return {
        {"ellipse", 2317, {}},
        {"cone", 2404, {}},
        {"cylinder", 2403, {}},
        {"globe", 2402, {}},
        {"tangent graph", 2508, {}},
        {"tight coordinate grid", 2005, {}},
        {"tight first-quadrant grid", 2009, {}},
        {"table 10 x 12", 2101, table},
        {"16-gon", 2314, sixteen},
    };
}

// The last control point a finger can grab, -1 for none.
int lastDraggable(const TQShapeGeneric *shape)
{
    for (int i = int(shape->vertices.size()) - 1; i >= 0; --i) {
        if (shape->vertices[size_t(i)]->enabled)
            return i;
    }
    return -1;
}

// Milliseconds of every move event of one drag.
std::vector<double> timeOneDrag(const Figure &figure, int &sends)
{
    ShapeHarness h;
    h.install(createShape(figure.code, figure.params));
    TQShapeGeneric *shape = h.shape();
    const int index = lastDraggable(shape);
    // Grab a point, or the figure itself where it has none to drag.
    const QPointF grip = index >= 0 ? h.controlPoints()[size_t(index)]
                                    : QPointF(shape->bounds.center().x(), shape->bounds.center().y());
    h.clearSent();
    h.touch(grip, 0);
    std::vector<double> ms;
    ms.reserve(kMovesPerRun);
    QElapsedTimer timer;
    for (int i = 1; i <= kMovesPerRun; ++i) {
        const double a = 2 * kPi * i / 60;
        const QPointF at = grip + QPointF(30 * std::sin(a), 30 * (1 - std::cos(a)));
        h.clock.advance(kFrameMs);
        timer.start();
        h.touch(at, 1);
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    h.clock.advance(kFrameMs);
    h.touch(grip, 2);
    sends += int(h.sentCodes().size());
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(silent);

    std::printf("Move events while dragging a figure (%d moves x %d runs, a move every %lld ms of the clock)\n",
                kMovesPerRun, kRuns, static_cast<long long>(kFrameMs));
    std::printf("%-28s %6s %12s %12s %14s\n", "figure", "code", "median ms", "worst ms", "sent per drag");
    for (const Figure &figure : figures()) {
        TQShapeAbstract *probe = createShape(figure.code, figure.params);
        if (!probe) {
            std::printf("%-28s %6d   skipped: %s is not built yet\n", figure.name, figure.code,
                        shapeClassForCode(figure.code));
            continue;
        }
        delete probe;
        std::vector<double> all;
        int sends = 0;
        for (int run = 0; run < kRuns; ++run) {
            const std::vector<double> ms = timeOneDrag(figure, sends);
            all.insert(all.end(), ms.begin(), ms.end());
        }
        const BenchFigure f = BenchFigure::of(all);
        std::printf("%-28s %6d %12.3f %12.3f %14d\n", figure.name, figure.code, f.median, f.max, sends / kRuns);
    }
    return 0;
}
