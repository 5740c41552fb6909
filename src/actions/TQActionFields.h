#pragma once

#include <QtGlobal>

#include <string>
#include <string_view>
#include <vector>

// One record text cut into its elements, for the parsers. The text is split at
// a separator keeping empty parts; the elements are views into the text, which
// must outlive this object. Numbers follow the conversions the peers use:
// base 10, optional sign, blanks around the number allowed, nothing else, and
// the value must fit the target width.
class TQActionFields
{
public:
    explicit TQActionFields(std::string_view text, char separator = ',');

    int size() const { return static_cast<int>(m_elements.size()); }
    // The element at i; empty for a position outside the text.
    std::string_view at(int i) const;
    std::string text(int i) const { return std::string(at(i)); }

    // findNonNumericField's result over from..to.
    int firstNonNumeric(int from, int to) const;
    // True when firstNonNumeric finds a non-numeric element (the parsers' refusal).
    bool hasNonNumeric(int from, int to) const { return firstNonNumeric(from, to) >= 0; }
    // The same, logging logFormat printf-style with the element's position and
    // the whole text when it finds one (no line when logFormat is null).
    bool hasNonNumeric(int from, int to, const char *logFormat) const;

    // Lenient reads: 0 when the element is missing or not a number.
    int toInt(int i) const;
    qint64 toInt64(int i) const;
    // The text whose Base64 the element holds (undecodable characters are skipped).
    std::string base64Text(int i) const;
    // A flag is true only for the value 1.
    bool isOne(int i) const { return toInt(i) == 1; }

    static bool parseInt32(std::string_view text, int *value);
    // The plain form alone ("-" and digits), read from *cursor up to the first
    // other character, which must be stop: then *cursor is moved past stop.
    // False (cursor unchanged) for anything else, including values that the
    // full rules of parseInt32 would still accept; callers then use those.
    static bool readPlainInt32(const char **cursor, const char *end, char stop, int *value)
    {
        const char *at = *cursor;
        if (!readPlainDigits(&at, end, value) || at == end || *at != stop)
            return false;
        *cursor = at + 1;
        return true;
    }
    static bool parseInt64(std::string_view text, qint64 *value);
    static bool isInt32(std::string_view text) { return parseInt32(text, nullptr); }

    // The range check behind findNonNumericField, over count elements.
    template <class IsNumericAt>
    static int checkRange(int count, int from, int to, IsNumericAt isNumericAt)
    {
        // A negative start is a caller's slip; it is reported like a range past the end.
        if (from < 0 || from >= count || to >= count)
            return -2;
        if (to < from)
            return -3;
        for (int i = from; i <= to; ++i) {
            if (!isNumericAt(i))
                return i;
        }
        return -1;
    }

private:
    // "-" and 1 to 10 digits within the int range, from *cursor up to the
    // first other character (where *cursor is left); false otherwise.
    static bool readPlainDigits(const char **cursor, const char *end, int *value)
    {
        const char *at = *cursor;
        const bool negative = at < end && *at == '-';
        if (negative)
            ++at;
        const char *const digits = at;
        // Eleven digits at most are looked at: more than ten never fit.
        const char *const limit = end - at > 11 ? at + 11 : end;
        quint64 magnitude = 0;
        while (at < limit) {
            const unsigned digit = static_cast<unsigned>(*at) - unsigned('0');
            if (digit > 9)
                break;
            magnitude = magnitude * 10 + digit;
            ++at;
        }
        if (at == digits || at - digits > 10 || magnitude > (negative ? 2147483648ULL : 2147483647ULL))
            return false;
        *value = negative ? int(-qint64(magnitude)) : int(magnitude);
        *cursor = at;
        return true;
    }

    std::string_view m_text;
    std::vector<std::string_view> m_elements;
};

// Splits text at every occurrence of separator, keeping empty parts.
std::vector<std::string_view> splitKeepingEmpty(std::string_view text, std::string_view separator);

// How often c occurs in text (to reserve before a split).
size_t countOf(std::string_view text, char c);
