#pragma once

#include "actions/TQDrawingActionCopyable.h"

// A page zoom record (code 13). Nothing here creates it and it has no parser;
// it keeps its text form for completeness of the family.
class TQDrawingActionPageZoom : public TQDrawingActionCopyable<TQDrawingActionPageZoom>
{
public:
    TQDrawingActionPageZoom();

    void toString(std::string &out) const override;

    int zoomA = 0;
    int zoomB = 0;
    int zoomPercent = 100;
    int zoomC = 0;
    int zoomD = 0;
};
