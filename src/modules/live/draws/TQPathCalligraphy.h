#pragma once

#include "modules/live/draws/TQPath.h"
#include "modules/live/draws/TQPointW.h"

#include <QPointF>

#include <array>
#include <memory>
#include <vector>

// A stroke drawn as a filled outline whose width follows speed and pressure
// (fountain pen, writing brush, chalk). The samples are taken one triple at a
// time: every middle sample gets a left and a right edge point, the start and
// the release get caps, sharp turns get corner points, and the path itself is
// the left edge followed by a closing curve back along the right edge.
// After each feed the computed points go to the back processor, which sends
// them on as the stroke's outline.
class TQPathCalligraphy : public TQPath
{
public:
    // Receives the points a feed computed. Owned by the path.
    class BackProcessInterface
    {
    public:
        virtual void process(const std::vector<TQPointW> &points) = 0;
        virtual ~BackProcessInterface() = default;
    };

    TQPathCalligraphy(const TQBrushStyle &brush, int strokeId,
                      const std::array<int, 6> &carried = {0, 0, 0, -1, 0, 0});
    ~TQPathCalligraphy() override;

    TQPathCalligraphy(const TQPathCalligraphy &) = delete;
    TQPathCalligraphy &operator=(const TQPathCalligraphy &) = delete;

    // Takes ownership of the processor (replacing and deleting an earlier one).
    void set(BackProcessInterface *processor);
    BackProcessInterface *processor() const { return backProcessor.get(); }

    // Rebuilds from the given samples: one triple per sample after the
    // second, the closing curve once at the end, then the hand-off. A feed
    // adds to the edges and the outline of earlier feeds.
    void setPoints(const std::vector<TQPointWF> &newPoints) override;

    virtual float maxWidthFor(const TQBrushStyle &brush) const;
    virtual float minWidthFor(const TQBrushStyle &brush) const;
    // Weight of the speed against the pressure (1.2) in the width.
    virtual float speedWeight() const;

    // Copies keep cid and phase; pressure is multiplied and speed divided by
    // scale squared, time becomes (time mod 10000) * scale squared.
    // x' = x * scale * k + dx * scale, y' = (y + dy) * scale * k.
    TQPathCalligraphy *copyShifted(float dx, float dy, const QSize &target, float scale) const override;
    // From drawnCount on, x' = (x + dx) * scale, y' = (y + dy) * scale; the
    // samples keep their own reference size (the target is not used).
    TQPathCalligraphy *copyFromDrawn(float dx, float dy, float scale, const QSize &target = QSize()) override;
    // x' = x * k, y' = y * k, everything else copied.
    TQPathCalligraphy *copyRescaled(const QSize &target) const override;

    // The student application's rebuild from received edge points; the
    // teacher's program never receives outlines, so it does nothing here.
    virtual void initPathForStudentAPP(const std::vector<TQPointWF> &edgePoints);

    virtual void handOff(const std::vector<TQPointWF> &fed);
    virtual void addTriple(std::vector<TQPointWF> triple);
    virtual void startCap(const std::vector<TQPointWF> &t);
    // Half the full width at a sample (the width rule).
    virtual float halfWidthAt(const TQPointWF &p) const;
    virtual void addTipPoint(const QPointF &p);
    virtual void addLeftPoint(const QPointF &p);
    virtual void addRightPoint(const QPointF &p);
    virtual void addSegment(const std::vector<TQPointWF> &t);
    virtual void addEdgePoints(const QPointF &p, float halfWidth, float angle);
    virtual void addTurn(const std::vector<TQPointWF> &t);
    virtual std::array<QPointF, 3> cornerPoints(const std::vector<TQPointWF> &t) const;
    virtual void addCornerPoints(const std::array<QPointF, 3> &c, bool right);
    virtual void endTip(const std::vector<TQPointWF> &u);
    virtual void endCap(const std::vector<TQPointWF> &t);

    // The closing curve over the current edges, from the path's current point.
    void appendClosingCurve(QPainterPath &path) const;

    // Carried into copies, not read.
    std::array<int, 6> carriedValues;
    float maxWidth = 0;
    float minWidth = 0;
    std::vector<QPointF> rightEdgeCurve;
    std::vector<QPointF> leftEdgeCurve;
    // Every edge point in the order made: cid 0 left, 1 right.
    std::vector<TQPointWF> edgePoints;
    // The last list handed to the back processor.
    std::vector<TQPointW> handoffPoints;
    // The left edge drawn so far.
    QPainterPath outline;
    TQPointWF lastPoint{0, 0};

protected:
    // A new, empty path of the same kind, brush, stroke id and carried values.
    TQPathCalligraphy *emptyCopy() const override;
    // Makes the path the outline plus the closing curve.
    void composeFromOutline();

private:
    std::unique_ptr<BackProcessInterface> backProcessor;

    template<typename Transform>
    TQPathCalligraphy *transformedCopy(size_t first, Transform transform) const;
};
