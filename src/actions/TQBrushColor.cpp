#include "actions/TQBrushColor.h"

#include "utils/GlobalConstants.h"

#include <cstring>
#include <iterator>

namespace {

struct RgbaCode
{
    const char *text;
    TQBrushColor code;
};

// Received colour texts in the order they are tested; the "CC" forms are what
// a line or circle writes when its alpha flag is set.
const RgbaCode kRgbaCodes[] = {
    {"00000000", 100}, {"000000FF", 101}, {"FF0000FF", 102}, {"FF0000CC", 102}, {"00FF00FF", 103},
    {"0000FFFF", 104}, {"FFDE00FF", 105}, {"DCDCE0FF", 106}, {"FF7C00FF", 107}, {"FF7C00CC", 107},
    {"FF0000FE", 108}, {"FF0000FD", 112}, {"00FF00FE", 109}, {"0000FFFE", 110}, {"FFDE00FE", 111},
    {"FF46817F", 116}, {"00FF007F", 117}, {"FFF5007F", 118}, {"FFFFFFFD", 114}, {"FFFFFFFE", 113},
    {"FFE900FF", 3},   {"FFE900CC", 3},   {"45E645FF", 4},   {"45E645CC", 4},   {"841EFFFF", 5},
    {"841EFFCC", 5},   {"00D0FFFF", 6},   {"00D0FFCC", 6},   {"3A78E6FF", 7},   {"3A78E6CC", 7},
    {"ED00CDFF", 8},   {"ED00CDCC", 8},   {"439F00FF", 9},   {"439F00CC", 9},   {"D2D2D2FF", 10},
    {"D2D2D2CC", 10},  {"FFFFFFFF", 11},  {"FFFFFFCC", 11},  {"FF63637F", 12},  {"FF22EC7F", 13},
    {"FFF4007F", 14},  {"5CFF177F", 15},  {"34FFE97F", 16},  {"FF108C7F", 17},  {"FFC20FFF", 19},
    {"FFC20FCC", 19},  {"39B2F5FF", 20},  {"39B2F5CC", 20},
};

const int kKnownWidthCodes[] = {0, 1, 2, 20, 27, 41, 82, 123, 130, 260};

} // namespace

std::string brushColorToArgbString(TQBrushColor code)
{
    const auto &table = brushColorTable();
    const auto it = table.find(code);
    return it == table.end() ? std::string("FF000000") : it->second;
}

std::string brushColorToRgbaString(TQBrushColor code)
{
    const std::string argb = brushColorToArgbString(code);
    return argb.substr(2) + argb.substr(0, 2);
}

std::string brushColorToActionText(TQBrushColor code, bool alpha)
{
    std::string text = brushColorToRgbaString(code);
    if (alpha)
        text.replace(text.size() - 2, 2, "CC");
    return text;
}

TQBrushColor brushColorFromRgbaString(std::string_view text)
{
    // Every listed text has eight characters.
    if (text.size() != 8)
        return kBrushColorDefault;
    for (const RgbaCode &entry : kRgbaCodes) {
        if (std::memcmp(text.data(), entry.text, 8) == 0)
            return entry.code;
    }
    return kBrushColorDefault;
}

int brushTypeFromText(int type, bool eraser)
{
    switch (type) {
    case 0:
        return eraser ? 100 : 0;
    case 1:
        return eraser ? 0 : 1;
    case 2: case 3: case 4: case 5: case 6: case 7: case 8:
    case 100:
    case 101:
        return type;
    default:
        return 1;
    }
}

int brushWidthFromText(int width)
{
    for (int code : kKnownWidthCodes) {
        if (code == width)
            return width;
    }
    return 3;
}
