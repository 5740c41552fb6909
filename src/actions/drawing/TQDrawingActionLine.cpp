#include "actions/drawing/TQDrawingActionLine.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

#include <cstring>
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

namespace {

// Index of the "(" of the first ",(" whose "(" is at or after from; npos when none.
size_t pointOpenFrom(std::string_view text, size_t from)
{
    while (from < text.size()) {
        const void *hit = std::memchr(text.data() + from, '(', text.size() - from);
        if (!hit)
            return std::string_view::npos;
        const size_t at = size_t(static_cast<const char *>(hit) - text.data());
        if (at > 0 && text[at - 1] == ',')
            return at;
        from = at + 1;
    }
    return std::string_view::npos;
}

// A point piece under the full rules: without its last character, split at
// "," with at least three elements, the first three numeric.
bool pointFromPiece(std::string_view piece, TQPointW *point)
{
    if (!piece.empty())
        piece.remove_suffix(1);
    int values[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const size_t comma = piece.find(',');
        if (comma == std::string_view::npos && i < 2)
            return false;
        if (!TQActionFields::parseInt32(piece.substr(0, comma), &values[i]))
            return false;
        if (comma != std::string_view::npos)
            piece.remove_prefix(comma + 1);
    }
    *point = TQPointW(values[0], values[1], values[2]);
    return true;
}

} // namespace

TQDrawingActionLine *TQDrawingActionLine::lineFromString(std::string text)
{
    return lineFromText(text);
}

TQDrawingActionLine *TQDrawingActionLine::lineFromText(std::string_view text)
{
    // Elements 0-15 of the text split at ",", each read once as a number:
    // elements 2-13 must be numbers, the others read 0 when they are not (14
    // is the colour). Only whether there are 15 or 16 elements matters; the
    // points are read from the pieces after each ",(".
    std::string_view fields[16];
    int values[16] = {};
    int count = 0;
    const char *const end = text.data() + text.size();
    for (const char *at = text.data(); count < 16; ++at) {
        const char *const start = at;
        int value = 0;
        bool numeric = TQActionFields::readPlainInt32(&at, end, ',', &value);
        if (numeric) {
            --at; // back on the ","
        } else {
            at = start;
            while (at < end && *at != ',')
                ++at;
            numeric = count != 14 && TQActionFields::parseInt32(std::string_view(start, size_t(at - start)), &value);
        }
        if (!numeric && count >= 2 && count <= 13)
            return nullptr;
        fields[count] = std::string_view(start, size_t(at - start));
        values[count++] = numeric ? value : 0;
        if (at == end)
            break;
    }
    if (count < 15)
        return nullptr;

    std::vector<TQPointW> points;
    // Every point opens with "(", so this is enough for all of them.
    points.reserve(countOf(text, '('));
    // The first ",(" opens the first element after element 0 that starts with
    // "(" (a "(" inside an element follows no ","); when none of the elements
    // read above does, it lies beyond them.
    size_t open = std::string_view::npos;
    for (int i = 1; i < count && open == std::string_view::npos; ++i) {
        if (!fields[i].empty() && fields[i].front() == '(')
            open = size_t(fields[i].data() - text.data());
    }
    if (open == std::string_view::npos)
        open = pointOpenFrom(text, size_t(fields[count - 1].data() + fields[count - 1].size() - text.data()));
    while (open != std::string_view::npos) {
        const size_t start = open + 1;
        // The form we write, "x,y,cid)" followed by ",(" or the end, read in
        // place; anything else goes by the full rules below.
        const char *cursor = text.data() + start;
        int x = 0;
        int y = 0;
        int cid = 0;
        if (TQActionFields::readPlainInt32(&cursor, end, ',', &x) && TQActionFields::readPlainInt32(&cursor, end, ',', &y)
            && TQActionFields::readPlainInt32(&cursor, end, ')', &cid)) {
            const bool last = cursor == end;
            if (last || (cursor + 1 < end && cursor[0] == ',' && cursor[1] == '(')) {
                TQPointW &point = points.emplace_back();
                point.x = x;
                point.y = y;
                point.cid = cid;
                if (last)
                    break;
                open = size_t(cursor + 1 - text.data());
                continue;
            }
        }
        const size_t next = pointOpenFrom(text, start + 1);
        const size_t pieceEnd = next == std::string_view::npos ? text.size() : next - 1;
        TQPointW point;
        if (!pointFromPiece(text.substr(start, pieceEnd - start), &point))
            return nullptr;
        points.push_back(point);
        open = next;
    }
    if (points.size() < 2)
        return nullptr;

    auto *line = new TQDrawingActionLine;
    line->drawingIndex = values[0];
    line->materialId = values[2];
    line->pageIndex = values[3];
    line->topOffset = values[4];
    line->secondOffset = values[5];
    line->canvasWidth = values[6];
    line->canvasHeight = values[7];
    line->brush = TQBrushStyle(brushTypeFromText(values[9], values[10] != 0), brushColorFromRgbaString(fields[14]),
                               brushWidthFromText(values[8]), 0);
    line->senderId = values[11];
    line->straight = values[12] == 1;
    line->strokeId = values[13];
    // Texts written without the alpha flag have their first point here.
    if (count >= 16 && (fields[15].empty() || fields[15].front() != '('))
        line->alphaFlag = values[15];
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
