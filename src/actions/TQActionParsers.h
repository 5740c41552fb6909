#pragma once

#include <string_view>

class TQAction;

// The parser of every action code that the teacher's client rebuilds from a
// received text (the text of one action without brackets). Codes without an
// entry (message records, the page zoom, 131, unknown and negative codes)
// give null.
using TQActionParser = TQAction *(*)(std::string_view text);

TQActionParser actionParserForCode(int code);
