#include "actions/TQActionFields.h"

#include "utils/CLog.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Base-10 integer within [minimum, maximum]; blanks around it are allowed.
bool parseBounded(std::string_view text, qint64 minimum, quint64 maximum, qint64 *value)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    bool negative = false;
    if (begin < end && (text[begin] == '+' || text[begin] == '-')) {
        negative = text[begin] == '-';
        ++begin;
    }
    if (begin == end)
        return false;
    const quint64 limit = negative ? quint64(0) - quint64(minimum) : maximum;
    quint64 magnitude = 0;
    for (size_t i = begin; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        const quint64 digit = quint64(c - '0');
        if (magnitude > (limit - digit) / 10)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    if (value)
        *value = negative ? qint64(quint64(0) - magnitude) : qint64(magnitude);
    return true;
}

} // namespace

std::vector<std::string_view> splitKeepingEmpty(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> parts;
    if (separator.empty()) {
        parts.push_back(text);
        return parts;
    }
    size_t start = 0;
    for (;;) {
        const size_t hit = text.find(separator, start);
        if (hit == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, hit - start));
        start = hit + separator.size();
    }
}

size_t countOf(std::string_view text, char c)
{
    size_t count = 0;
    size_t i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time; each byte lane counts its matches, and the
    // lanes are added up before any of them could pass 255.
    const __m128i needle = _mm_set1_epi8(c);
    while (i + 16 <= text.size()) {
        __m128i lanes = _mm_setzero_si128();
        const size_t blocks = std::min<size_t>((text.size() - i) / 16, 255);
        for (size_t b = 0; b < blocks; ++b, i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.data() + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, needle));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += size_t(_mm_cvtsi128_si32(sums)) + size_t(_mm_extract_epi16(sums, 4));
    }
#endif
    // Eight bytes at a time: a byte equal to c becomes 0 after the xor, and
    // each zero byte sets exactly one high bit in `zero`.
    constexpr quint64 kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const quint64 pattern = 0x0101010101010101ULL * quint8(c);
    for (; i + 8 <= text.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, text.data() + i, 8);
        word ^= pattern;
        const quint64 zero = ~(((word & kLow7) + kLow7) | word | kLow7);
        // One bit per matching byte; the multiply adds the eight bytes up.
        count += size_t(((zero >> 7) * 0x0101010101010101ULL) >> 56);
    }
    for (; i < text.size(); ++i)
        count += text[i] == c;
    return count;
}

TQActionFields::TQActionFields(std::string_view text, char separator)
    : m_text(text)
    , m_elements(splitKeepingEmpty(text, std::string_view(&separator, 1)))
{
}

std::string_view TQActionFields::at(int i) const
{
    return (i >= 0 && i < size()) ? m_elements[size_t(i)] : std::string_view();
}

int TQActionFields::firstNonNumeric(int from, int to) const
{
    return checkRange(size(), from, to, [this](int i) { return isInt32(m_elements[size_t(i)]); });
}

bool TQActionFields::hasNonNumeric(int from, int to, const char *logFormat) const
{
    const int position = firstNonNumeric(from, to);
    if (position < 0)
        return false;
    if (logFormat)
        CLog::printf(logFormat, position, std::string(m_text).c_str());
    return true;
}

int TQActionFields::toInt(int i) const
{
    int value = 0;
    return parseInt32(at(i), &value) ? value : 0;
}

qint64 TQActionFields::toInt64(int i) const
{
    qint64 value = 0;
    return parseInt64(at(i), &value) ? value : 0;
}

std::string TQActionFields::base64Text(int i) const
{
    const std::string_view encoded = at(i);
    return QByteArray::fromBase64(QByteArray::fromRawData(encoded.data(), int(encoded.size()))).toStdString();
}

bool TQActionFields::parseInt32(std::string_view text, int *value)
{
    // The usual element is a plain number that fills the element.
    int plain = 0;
    const char *at = text.data();
    if (readPlainDigits(&at, text.data() + text.size(), &plain) && at == text.data() + text.size()) {
        if (value)
            *value = plain;
        return true;
    }
    qint64 wide = 0;
    if (!parseBounded(text, std::numeric_limits<int>::min(), quint64(std::numeric_limits<int>::max()), &wide))
        return false;
    if (value)
        *value = int(wide);
    return true;
}

bool TQActionFields::parseInt64(std::string_view text, qint64 *value)
{
    return parseBounded(text, std::numeric_limits<qint64>::min(), quint64(std::numeric_limits<qint64>::max()),
                        value);
}
