#pragma once

#include "modules/live/draws/TQPath.h"

#include <QRectF>
#include <QSize>

// What the board objects that are not made of samples share: a rectangle in
// the coordinates of the canvas they were made on, and that canvas's size.
// Their copies transform only the rectangle (and what a kind scales with it).
class TQPathRect : public TQPath
{
public:
    TQPathRect(const TQBrushStyle &brush, int strokeId, const QRectF &rect);

    void setCanvasSize(int width, int height);

    // ((L + dx) * s, (T + dy) * s, W * s, H * s); the canvas is kept. The
    // circle also takes a target canvas (see TQPathCircle).
    virtual TQPathRect *copyOffset(float dx, float dy, float scale, const QSize &target = QSize()) const;
    // (L * s * k + dx, (T + dy) * s * k, W * s * k, H * s * k), k = target
    // width / canvas width; the target becomes the canvas.
    TQPathRect *copyShifted(float dx, float dy, const QSize &target, float scale) const override;
    // The offset copy, as the temporal view paints only what is new.
    TQPathRect *copyFromDrawn(float dx, float dy, float scale, const QSize &target = QSize()) override;
    // (L * k, T * k, W * k, H * k); the target becomes the canvas.
    TQPathRect *copyRescaled(const QSize &target) const override;

    QRectF rect;
    QSize canvas{1, 1};

protected:
    // A copy of this object with every field.
    virtual TQPathRect *clone() const = 0;
    // Fixes what a kind scales with its rectangle, after the rectangle was
    // scaled by factor.
    virtual void scaleExtras(float factor);
    // The copy with x' = L * f + ex, y' = (T + dy) * f, W * f, H * f.
    TQPathRect *transformedCopy(float f, float ex, float dy, const QSize &newCanvas) const;
};
