#include "actions/drawing/TQDrawingActionLine.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

#include <map>
#include <typeinfo>
#include <utility>

TQDrawingActionLine::TQDrawingActionLine()
    : TQDrawingActionCopyable(0)
{
}

void TQDrawingActionLine::toString(std::string &out) const
{
    TQActionTextWriter writer(out);
    writer.add(drawingIndex).add(type).add(materialId).add(pageIndex).add(topOffset).add(secondOffset)
        .add(canvasWidth).add(canvasHeight).add(brush.width).add(brush.typeElement()).addFlag(brush.eraserElement())
        .add(senderId).addFlag(straight).add(strokeId).add(brushColorToActionText(brush.colour, alphaFlag == 1))
        .add(alphaFlag);
    out += ',';
    for (size_t i = 0; i < points.size(); ++i) {
        out += i == 0 ? "(" : ",(";
        TQActionTextWriter::appendNumber(out, points[i].x);
        out += ',';
        TQActionTextWriter::appendNumber(out, points[i].y);
        out += ',';
        TQActionTextWriter::appendNumber(out, points[i].cid);
        out += ')';
    }
    writer.close();
}

TQDrawingActionLine *TQDrawingActionLine::lineFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 15 || fields.hasNonNumeric(2, 13))
        return nullptr;

    std::vector<TQPointW> points;
    const std::vector<std::string_view> pieces = splitKeepingEmpty(text, ",(");
    points.reserve(pieces.size());
    for (size_t i = 1; i < pieces.size(); ++i) {
        std::string_view piece = pieces[i];
        piece.remove_suffix(piece.empty() ? 0 : 1);
        const TQActionFields coordinates(piece);
        if (coordinates.size() < 3 || coordinates.hasNonNumeric(0, 2))
            return nullptr;
        points.emplace_back(coordinates.toInt(0), coordinates.toInt(1), coordinates.toInt(2));
    }
    if (points.size() < 2)
        return nullptr;

    auto *line = new TQDrawingActionLine;
    line->drawingIndex = fields.toInt(0);
    line->materialId = fields.toInt(2);
    line->pageIndex = fields.toInt(3);
    line->topOffset = fields.toInt(4);
    line->secondOffset = fields.toInt(5);
    line->canvasWidth = fields.toInt(6);
    line->canvasHeight = fields.toInt(7);
    line->brush = TQBrushStyle(brushTypeFromText(fields.toInt(9), fields.toInt(10) != 0),
                               brushColorFromRgbaString(fields.text(14)), brushWidthFromText(fields.toInt(8)), 0);
    line->senderId = fields.toInt(11);
    line->straight = fields.isOne(12);
    line->strokeId = fields.toInt(13);
    // Texts written without the alpha flag have their first point here.
    if (fields.size() >= 16 && (fields.at(15).empty() || fields.at(15).front() != '('))
        line->alphaFlag = fields.toInt(15);
    line->points = std::move(points);
    return line;
}

TQDrawingAction *TQDrawingActionLine::mergeWith(const TQDrawingAction *next) const
{
    if (!next || typeid(*next) != typeid(TQDrawingActionLine))
        return nullptr;
    const auto *following = static_cast<const TQDrawingActionLine *>(next);
    if (points.empty() || following->points.empty() || following->strokeId != strokeId
        || points.size() + following->points.size() > size_t(kMaxMergedPoints))
        return nullptr;

    auto *merged = new TQDrawingActionLine;
    merged->startMergeFrom(*this);
    merged->publish = publish;
    merged->topOffset = topOffset;
    merged->secondOffset = secondOffset;
    merged->canvasWidth = canvasWidth;
    merged->canvasHeight = canvasHeight;
    merged->brush = TQBrushStyle(brush.type, brush.colour, brush.width, 0);
    merged->straight = straight;
    merged->strokeId = strokeId;
    merged->senderId = senderId;
    merged->alphaFlag = alphaFlag;

    // A piece starts where the last one ended: per outline side, the next
    // piece's first point repeats this piece's last point of that side when
    // they share x and y. Every copy of such a repeat is left out.
    std::map<int, const TQPointW *> repeats;
    for (const TQPointW &point : following->points) {
        if (repeats.count(point.cid))
            continue;
        const TQPointW *candidate = nullptr;
        for (auto it = points.rbegin(); it != points.rend(); ++it) {
            if (it->cid == point.cid) {
                if (it->x == point.x && it->y == point.y)
                    candidate = &point;
                break;
            }
        }
        repeats.emplace(point.cid, candidate);
    }
    merged->points = points;
    for (const TQPointW &point : following->points) {
        const auto it = repeats.find(point.cid);
        if (it->second && it->second->samePlace(point))
            continue;
        merged->points.push_back(point);
    }
    return merged;
}

void TQDrawingActionLine::translate(int dx, int dy)
{
    for (TQPointW &point : points) {
        point.x += dx;
        point.y += dy;
    }
}
