#include "utils/TextFill.h"

QString fillPlaceholders(const QString &format, const QStringList &values)
{
    QString out;
    out.reserve(format.size() + 16 * values.size());
    const int length = format.size();
    for (int i = 0; i < length; ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 >= length || !format.at(i + 1).isDigit()) {
            out.append(c);
            continue;
        }
        int number = format.at(i + 1).digitValue();
        int end = i + 2;
        if (end < length && format.at(end).isDigit()) {
            number = number * 10 + format.at(end).digitValue();
            ++end;
        }
        if (number >= 1 && number <= values.size()) {
            out.append(values.at(number - 1));
            i = end - 1;
        } else {
            out.append(c);
        }
    }
    return out;
}
