#include "actions/TQJsonValues.h"

#include "actions/TQActionFields.h"

#include <cmath>

namespace {

// The double truncated toward zero, or 0 when it is not finite or not within
// [minimum, maximum].
qint64 truncatedOrZero(double number, double minimum, double maximum)
{
    if (!std::isfinite(number))
        return 0;
    const double whole = std::trunc(number);
    if (whole < minimum || whole > maximum)
        return 0;
    return qint64(whole);
}

qint64 textToInt32(std::string_view text)
{
    int number = 0;
    return TQActionFields::parseInt32(text, &number) ? number : 0;
}

qint64 textToInt64(std::string_view text)
{
    qint64 number = 0;
    return TQActionFields::parseInt64(text, &number) ? number : 0;
}

template <class Parse>
qint64 coerce(const QJsonValue &value, Parse parseText, qint64 numberValue)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? 1 : 0;
    case QJsonValue::String: {
        const QByteArray text = value.toString().toUtf8();
        return parseText(std::string_view(text.constData(), size_t(text.size())));
    }
    case QJsonValue::Double:
        return numberValue;
    default:
        return 0;
    }
}

} // namespace

int jsonToInt(const QJsonValue &value)
{
    return int(coerce(value, textToInt32, value.toInt(0)));
}

qint32 jsonToLong(const QJsonValue &value)
{
    // 2^31 - 1 is exactly representable; values up to just below 2^31 truncate into range.
    return qint32(coerce(value, textToInt32, truncatedOrZero(value.toDouble(), -2147483648.0, 2147483647.0)));
}

qint64 jsonToInt64(const QJsonValue &value)
{
    // The largest double below 2^63 keeps the conversion defined.
    return coerce(value, textToInt64, truncatedOrZero(value.toDouble(), -9223372036854775808.0, 9223372036854774784.0));
}

std::string jsonToStdString(const QJsonValue &value)
{
    return value.isString() ? value.toString().toStdString() : std::string();
}

void appendJsonString(std::string &out, const std::string &text)
{
    static const char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += kHex[(c >> 4) & 0xF];
                out += kHex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}
