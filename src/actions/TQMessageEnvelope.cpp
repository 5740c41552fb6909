#include "actions/TQMessageEnvelope.h"

#include "actions/TQActionTextWriter.h"
#include "actions/TQActionFields.h"
#include "actions/TQJsonValues.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

void appendNumberMember(std::string &out, const char *key, qint64 value)
{
    out += key;
    out += '"';
    TQActionTextWriter::appendNumber(out, value);
    out += '"';
}

// Position of the first byte from `from` on that ends a plain JSON string
// value: its closing quote, or a byte that such a value cannot hold unescaped
// or that a JSON parser might read differently (backslash, control character,
// DEL, non-ASCII); text.size() when there is none.
size_t plainStringEnd(std::string_view text, size_t from)
{
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    constexpr quint64 kHigh = 0x8080808080808080ULL;
    const auto hasZeroByte = [](quint64 v) { return (v - kOnes) & ~v & kHigh; };
    size_t i = from;
#if defined(__SSE2__)
    // Sixteen bytes at a time; a signed compare with 0x20 also catches every
    // byte from 0x80 on.
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i space = _mm_set1_epi8(0x20);
    const __m128i del = _mm_set1_epi8(0x7F);
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.data() + i));
        const __m128i special = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, quote), _mm_cmpeq_epi8(bytes, backslash)),
            _mm_or_si128(_mm_cmplt_epi8(bytes, space), _mm_cmpeq_epi8(bytes, del)));
        const int mask = _mm_movemask_epi8(special);
        if (mask)
            return i + size_t(__builtin_ctz(unsigned(mask)));
    }
#endif
    // Eight bytes at a time while none of them is special.
    for (; i + 8 <= text.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, text.data() + i, 8);
        const quint64 special = (word & kHigh) | ((word - kOnes * 0x20) & ~word & kHigh)
            | hasZeroByte(word ^ (kOnes * '"')) | hasZeroByte(word ^ (kOnes * '\\'))
            | hasZeroByte(word ^ (kOnes * 0x7F));
        if (special)
            break;
    }
    for (; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\' || c < 0x20 || c >= 0x7F)
            return i;
    }
    return i;
}

// Reads `"<key>":"<plain value>"` at *at, followed by `after`; moves *at past both.
bool readMember(std::string_view text, size_t *at, std::string_view key, char after, std::string_view *value)
{
    if (text.compare(*at, key.size(), key) != 0)
        return false;
    const size_t start = *at + key.size();
    const size_t end = plainStringEnd(text, start);
    if (end + 1 >= text.size() || text[end] != '"' || text[end + 1] != after)
        return false;
    *value = text.substr(start, end - start);
    *at = end + 2;
    return true;
}

} // namespace

std::string TQMessageEnvelope::toJson() const
{
    std::string json;
    json.reserve(tqMsg.size() + 80);
    json += "{\"tqMsg\":";
    appendJsonString(json, tqMsg);
    appendNumberMember(json, ",\"tqRec\":", tqRec);
    appendNumberMember(json, ",\"tqTm\":", tqTm);
    appendNumberMember(json, ",\"tqType\":", tqType);
    json += '}';
    return json;
}

TQMessageEnvelope TQMessageEnvelope::fromJson(const QJsonObject &object)
{
    TQMessageEnvelope envelope;
    envelope.tqMsg = jsonToStdString(object.value(QLatin1String("tqMsg")));
    envelope.tqType = jsonToInt(object.value(QLatin1String("tqType")));
    envelope.tqRec = jsonToInt(object.value(QLatin1String("tqRec")));
    envelope.tqTm = jsonToInt64(object.value(QLatin1String("tqTm")));
    return envelope;
}

bool TQMessageEnvelope::readCompact(std::string_view text, TQMessageEnvelope *header, std::string_view *payload)
{
    size_t at = 0;
    std::string_view message, receiver, time, type;
    if (text.empty() || text[0] != '{')
        return false;
    at = 1;
    if (!readMember(text, &at, "\"tqMsg\":\"", ',', &message) || !readMember(text, &at, "\"tqRec\":\"", ',', &receiver)
        || !readMember(text, &at, "\"tqTm\":\"", ',', &time) || !readMember(text, &at, "\"tqType\":\"", '}', &type)
        || at != text.size())
        return false;
    // A text value that is not a number reads as 0, as fromJson reads it.
    int number = 0;
    header->tqMsg.clear();
    header->tqRec = TQActionFields::parseInt32(receiver, &number) ? number : 0;
    header->tqType = TQActionFields::parseInt32(type, &number) ? number : 0;
    qint64 wide = 0;
    header->tqTm = TQActionFields::parseInt64(time, &wide) ? wide : 0;
    *payload = message;
    return true;
}
