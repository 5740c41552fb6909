#include "utils/Utf8Cut.h"

int utf8BoundaryBefore(const char *data, int maxBytes)
{
    if (maxBytes <= 0)
        return 0;
    // Walk back over continuation bytes (10xxxxxx) to the lead byte of the
    // character that straddles the limit, then check whether it fits whole.
    int lead = maxBytes;
    int back = 0;
    while (lead > 0 && back < 4 && (static_cast<unsigned char>(data[lead - 1]) & 0xC0) == 0x80) {
        --lead;
        ++back;
    }
    if (lead == 0)
        return maxBytes; // no lead byte in reach: not UTF-8, cut bytewise
    const unsigned char c = static_cast<unsigned char>(data[lead - 1]);
    int width = 1;
    if ((c & 0xE0) == 0xC0)
        width = 2;
    else if ((c & 0xF0) == 0xE0)
        width = 3;
    else if ((c & 0xF8) == 0xF0)
        width = 4;
    else if (back > 0)
        return maxBytes; // stray continuation bytes after an ASCII byte
    // The character starting at lead-1 needs `width` bytes; back+1 are present.
    return (back + 1 >= width) ? maxBytes : lead - 1;
}

QByteArray utf8Left(const QByteArray &text, int maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    return text.left(utf8BoundaryBefore(text.constData(), maxBytes));
}
