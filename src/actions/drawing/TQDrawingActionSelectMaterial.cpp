#include "actions/drawing/TQDrawingActionSelectMaterial.h"

namespace {

using Select = TQDrawingActionSelectMaterial;

const TQIntElement<Select> kElements[] = {
    {&Select::drawingIndex}, {&Select::type, false}, {&Select::materialId}, {&Select::pageIndex}};

} // namespace

TQIntLayout<TQDrawingActionSelectMaterial> TQDrawingActionSelectMaterial::textLayout()
{
    return kElements;
}

TQDrawingActionSelectMaterial *TQDrawingActionSelectMaterial::selectMaterialFromString(std::string text)
{
    return parse(text, 2, 3);
}
