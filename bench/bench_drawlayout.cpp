// Cost of the recorder's board frames: getContentBitmap asked for 1280 x 720
// at 10 Hz on the board's QML stack in a shown view, for an idle board (the
// last frame is sent again) and for a changing board (the pen pointer moves
// every frame, so every frame grabs the scene). The figure is the GUI
// thread's time per frame, median and worst, taken from the request until
// the frame is handed out: with the grab it includes the wait for the
// scene's next render, so it is an upper bound.
#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQDrawTouchView.h"
#include "QmlTypes.h"

#include "BenchFigure.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kFrames = 40;
constexpr int kPeriodMs = 100;

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

template <class T>
T *item(QQuickItem *root, const char *name)
{
    return root->findChild<T *>(QString::fromLatin1(name));
}

// Milliseconds of GUI-thread time for each frame.
std::vector<double> run(TQDrawLayout &layout, bool changing)
{
    qlonglong received = -1;
    const QMetaObject::Connection c = QObject::connect(
        &layout, &TQDrawLayout::captureFrame, [&received](char *data, int, qlonglong id) {
            received = id;
            std::free(data);
        });
    std::vector<double> times;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kFrames; ++i) {
        if (changing)
            layout.drawManager()->showPointer(true, 0, 101, 0, 0, QPoint(100 + 12 * i, 200 + (i % 7) * 9));
        const qint64 due = qint64(i + 1) * kPeriodMs;
        QElapsedTimer busy;
        busy.start();
        layout.getContentBitmap(1280, 720, i);
        while (received != i && busy.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        times.push_back(busy.nsecsElapsed() / 1e6);
        // Wait for the next tick without working.
        while (clock.elapsed() < due)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, int(due - clock.elapsed()));
    }
    QObject::disconnect(c);
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(silent);
    registerQmlTypes();

    QQuickView view;
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(820, 520);
    view.setSource(QUrl(QStringLiteral("qrc:/Qml/ViewLiveClassDrawLayout.qml")));
    QQuickItem *root = view.rootObject();
    if (!root) {
        std::printf("the board's QML did not load\n");
        return 1;
    }
    view.show();
    QElapsedTimer exposing;
    exposing.start();
    while (!view.isExposed() && exposing.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    TQDrawDataSourceInterface source;
    TQDrawLayout layout;
    layout.init(&source, item<TQDrawTemporalView>(root, "tqdrawtemporalview0"),
                item<TQDrawSketchView>(root, "tqdrawsketchview0"), item<TQDrawShadeView>(root, "mTemporalShade0"),
                item<TQDrawTemporalLayout>(root, "mTemporalLayout0"), item<TQDrawTouchView>(root, "touchView0"),
                QSize(820, 520), item<TQDrawBackgroundLayout>(root, "tqdrawbackgroundLayout"),
                item<TQDrawForegroundLayout>(root, "tqdrawforgroundLayout"), item<QQuickItem>(root, "containerItem0"),
                item<QQuickItem>(root, "draw_board_container"), root);
    layout.adjustViewSize(QSize(820, 520));
    // The first frame composes the board once.
    run(layout, true);

    std::printf("board 820 x 520 -> frames 1280 x 720 at 10 Hz, %d frames each (%s, %s backend)\n", kFrames,
                qgetenv("QT_QPA_PLATFORM").constData(), qgetenv("QT_QUICK_BACKEND").constData());
    for (bool changing : {false, true}) {
        const std::vector<double> times = run(layout, changing);
        const BenchFigure figure = BenchFigure::of(times);
        std::printf("  %-9s board: GUI thread per frame %s ms, worst %.2f ms\n", changing ? "changing" : "idle",
                    figure.text(1.0, 2).c_str(), *std::max_element(times.begin(), times.end()));
    }
    return 0;
}
