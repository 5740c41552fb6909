#pragma once

#include "shapes/TQShapeGeneric.h"

// A table of rows and columns (from the shape's parameters). Its control
// points are handles on the grid lines: the top-left corner, one handle per
// horizontal line on the left edge (the last is the bottom-left corner), one
// per vertical line on the top edge (the last is the top-right corner), and
// the bottom-right corner. A line may start one cell late, merging the cells
// of the first column or row across it into a header cell.
class TQShapeTabular : public TQShapeGeneric
{
public:
    static constexpr int kMaxRows = 10;
    static constexpr int kMaxColumns = 12;
    static constexpr int kDefaultRows = 2;
    static constexpr int kDefaultColumns = 2;

    TQShapeTabular();

    TQPointWF anchorPoint() const override;
    int redrawIntervalMs() const override;
    void adjustVertex(float dx, float dy) override;
    bool isFillable() const override;
    void afterVertexAdjust() override;

    // Each vertical line starts at the top edge or at the first row line,
    // whichever is nearer (the row line on a tie).
    void snapColumnHandles();
    // Each horizontal line starts at the left edge or at the first column
    // line, whichever is nearer (the column line on a tie).
    void snapRowHandles();

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;

private:
    // The handles match the rows and columns of the parameters.
    bool hasGrid() const;
    TQPointWF &at(int index);
    const TQPointWF &at(int index) const;
    const TQPointWF &pressAt(int index) const;
    void spreadRows(float step);
};
