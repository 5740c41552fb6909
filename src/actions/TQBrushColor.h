#pragma once

#include <string>
#include <string_view>

// Brush colour codes 0-20 and 100-118 (brushColorTable() holds their colours).
// 100 is the eraser (fully transparent), 101 the default black.
using TQBrushColor = int;

constexpr TQBrushColor kBrushColorEraser = 100;
constexpr TQBrushColor kBrushColorDefault = 101;

// The colour as "AARRGGBB"; "FF000000" for a code outside the table.
std::string brushColorToArgbString(TQBrushColor code);
// The colour as "RRGGBBAA" (the text form actions carry); "000000FF" outside the table.
std::string brushColorToRgbaString(TQBrushColor code);
// The colour element of a line or circle text: the RRGGBBAA text, its alpha
// replaced by "CC" when alpha is set.
std::string brushColorToActionText(TQBrushColor code, bool alpha);
// The code of an "RRGGBBAA" text (case-sensitive, first listed match); 101 when none.
TQBrushColor brushColorFromRgbaString(std::string_view text);

// The brush type of a received text's type and eraser elements.
int brushTypeFromText(int type, bool eraser);

// The width code of a received text's width element: 0, 1, 2, 20, 27, 41, 82,
// 123, 130 and 260 stay, anything else gives 3.
// Note for the drawing engine: 0 is a valid received code. Codes that mean
// "board width / code" must never be divided by 0 (or by any code that is not
// one of 41, 82, 123, 130, 260).
int brushWidthFromText(int width);
