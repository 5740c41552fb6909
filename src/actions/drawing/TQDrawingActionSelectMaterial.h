#pragma once

#include "actions/TQDrawingActionIntRecord.h"

// The course material to show (code 6), named by materialId and pageIndex.
class TQDrawingActionSelectMaterial : public TQDrawingActionIntRecord<TQDrawingActionSelectMaterial, 6>
{
public:
    // Null for fewer than 4 elements or a non-numeric element 2-3.
    static TQDrawingActionSelectMaterial *selectMaterialFromString(std::string text);
    static TQIntLayout<TQDrawingActionSelectMaterial> textLayout();
};
