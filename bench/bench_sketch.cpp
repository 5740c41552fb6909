// Cost of the stroke layer's ink: drawing one newly received stroke piece on
// a board that already holds 0, 500 and 5,000 committed strokes (the
// incremental redraw), and the full redraw after a scroll out of the buffer.
// The incremental cost should not grow with the board: the 5,000/0 ratio is
// printed (goal <= 1.2).
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQPathLine.h"
#include "modules/live/draws/TQPenFactory.h"

#include "BenchFigure.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QSize kView(1000, 640);
// A page of 23 screens.
const int kPageHeight = 23 * 640;

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

TQPathLine *stroke(int id, int x, int y, int points, bool dirty)
{
    auto *path = new TQPathLine(TQBrushStyle(1, kBrushColorDefault, 82, 0), id, 0, 0, 0, false, 0, 0, 0);
    std::vector<TQPointWF> feed;
    for (int i = 0; i < points; ++i) {
        TQPointWF p(float(x + i * 6), float(y + (i % 5) * 3));
        p.refWidth = kView.width();
        p.refHeight = kView.height();
        feed.push_back(p);
    }
    path->setPoints(feed);
    path->dirty = dirty;
    return path;
}

struct Board
{
    explicit Board(int committed)
    {
        view.setSize(QSizeF(kView));
        view.init(&pens, kView);
        for (int i = 0; i < committed; ++i) {
            const int y = int(qint64(i) * (kPageHeight - 40) / qMax(1, committed));
            owned.emplace_back(stroke(i + 1, 20 + (i * 37) % 800, y, 20, false));
            paths.push_back(owned.back().get());
        }
        view.redrawPaths(paths, 0, true, true, 0, 1.0f);
    }

    // One received piece at the top of the screen, drawn incrementally.
    double drawOnePiece(int serial)
    {
        std::unique_ptr<TQPathLine> piece(stroke(1000000 + serial, 100 + serial % 500, 100 + serial % 300, 8, true));
        std::vector<TQPath *> list = paths;
        list.push_back(piece.get());
        QElapsedTimer timer;
        timer.start();
        view.redrawPaths(list, 0, false, true, 0, 1.0f);
        const double us = timer.nsecsElapsed() / 1000.0;
        // The view keeps pointing at the list: hand it the committed list
        // back before the piece goes (same first stroke, one path less).
        view.redrawPaths(paths, 0, false, true, 0, 1.0f);
        return us;
    }

    double scrollOut(int i)
    {
        QElapsedTimer timer;
        timer.start();
        view.scrollTo(i % 2 ? 0 : kPageHeight / 2, 0, 1.0f);
        return timer.nsecsElapsed() / 1000.0;
    }

    TQPenFactory pens;
    TQDrawSketchView view;
    std::vector<std::unique_ptr<TQPathLine>> owned;
    std::vector<TQPath *> paths;
};

} // namespace

int main(int argc, char *argv[])
{
    // Measured without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(silent);
    setBoardSize(kView.width(), kView.height());

    const int rounds = 300;
    std::printf("sketch view %dx%d, buffer of 3 screens, page of %d rows; %d rounds each\n", kView.width(),
                kView.height(), kPageHeight, rounds);
    double incrementalAtZero = 0;
    double incrementalAtMost = 0;
    for (int committed : {0, 500, 5000}) {
        Board board(committed);
        std::vector<double> pieces;
        std::vector<double> scrolls;
        for (int i = 0; i < rounds; ++i)
            pieces.push_back(board.drawOnePiece(i));
        for (int i = 0; i < 20; ++i)
            scrolls.push_back(board.scrollOut(i));
        const BenchFigure piece = BenchFigure::of(pieces);
        const BenchFigure scroll = BenchFigure::of(scrolls);
        std::printf("  %5d strokes: one new piece %22s us; full redraw after scrolling out %28s us\n", committed,
                    piece.text().c_str(), scroll.text().c_str());
        if (committed == 0)
            incrementalAtZero = piece.median;
        incrementalAtMost = piece.median;
    }
    std::printf("incremental ratio 5000/0: %.2f (goal <= 1.2)\n", incrementalAtMost / incrementalAtZero);
    return 0;
}
