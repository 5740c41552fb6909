#include "actions/drawing/TQDrawActionDrawImage.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

namespace {

constexpr int kFirstUrlElement = 19;

} // namespace

TQDrawActionDrawImage::TQDrawActionDrawImage()
    : TQDrawingActionCopyable(10)
{
}

void TQDrawActionDrawImage::toString(std::string &out) const
{
    TQActionTextWriter(out)
        .add(drawingIndex).add(type).add(materialId).add(pageIndex).add(topOffset).add(canvasWidth)
        .add(canvasHeight).add(width).add(height).add(captionHeight).add(sourceB).add(ownerUserId).add(sourceD)
        .add(placement).add(toStudentCode).add(rotation).add(x).add(y).add(elementId).add(url)
        .close();
}

TQDrawActionDrawImage *TQDrawActionDrawImage::drawImageFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < kFirstUrlElement || fields.hasNonNumeric(2, 17))
        return nullptr;
    auto *image = new TQDrawActionDrawImage;
    image->drawingIndex = fields.toInt(0);
    image->materialId = fields.toInt(2);
    image->pageIndex = fields.toInt(3);
    image->topOffset = fields.toInt(4);
    image->canvasWidth = fields.toInt(5);
    image->canvasHeight = fields.toInt(6);
    image->width = fields.toInt(7);
    image->height = fields.toInt(8);
    image->captionHeight = fields.toInt(9);
    image->sourceB = fields.toInt(10);
    image->ownerUserId = fields.toInt(11);
    image->placement = fields.toInt(13);
    image->toStudentCode = fields.toInt(14);
    image->rotation = fields.toInt(15);
    image->x = fields.toInt(16);
    image->y = fields.toInt(17);
    image->elementId = fields.toInt(18);
    // The address is the rest of the text, commas and all; a text without one
    // ends at the element id, which then stands as the address too.
    if (fields.size() > kFirstUrlElement) {
        const std::string_view first = fields.at(kFirstUrlElement);
        image->url.assign(first.data(), size_t(text.data() + text.size() - first.data()));
    } else {
        image->url = fields.text(kFirstUrlElement - 1);
    }
    return image;
}
