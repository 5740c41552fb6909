#include "modules/live/draws/TQPathText.h"

#include "utils/CLog.h"
#include "utils/TextMetrics.h"

#include <cstdlib>
#include <map>

namespace {

// Line height of "A" -> the largest font size giving it; built once for the
// process from the family of the first text that asks.
std::map<int, int> &lineHeightTable()
{
    static std::map<int, int> table;
    return table;
}

void buildLineHeightTable(const QString &family)
{
    std::map<int, int> &table = lineHeightTable();
    for (int size = 6; size <= 99; ++size)
        table[getTextBoundingSize(size, QStringLiteral("A"), family).height()] = size;
}

} // namespace

TQPathText::TQPathText(const TQBrushStyle &brush, int strokeId, const QString &text, const QString &colourText,
                       const QString &fontFamily, const QRectF &rect, float lineHeight)
    : TQPathRect(brush, strokeId, rect)
    , text(text)
    , colourText(colourText)
    , fontFamily(fontFamily)
    , lineHeight(lineHeight)
{
}

int TQPathText::getFontSize() const
{
    static const QString tag = QStringLiteral("TQPathText::getFontSize ");
    std::map<int, int> &table = lineHeightTable();
    if (table.empty())
        buildLineHeightTable(fontFamily);

    // A received size is untrusted: keep the int conversion defined.
    const float height = qIsFinite(lineHeight) ? qBound(0.0f, lineHeight, 100000.0f) : 0.0f;
    const int h = int(height + 0.5f);
    const auto found = table.find(h);
    if (found != table.end()) {
        CLog::debug(QStringLiteral("get line height %1:%2").arg(h).arg(found->second), tag);
        return found->second;
    }
    auto best = table.begin();
    for (auto it = table.begin(); it != table.end(); ++it) {
        CLog::debug(QStringLiteral("update line height %1:%2").arg(it->first).arg(it->second), tag);
        // Strictly nearer only: a tie keeps the smaller height.
        if (std::llabs(qint64(h) - it->first) < std::llabs(qint64(h) - best->first))
            best = it;
    }
    const int size = best->second;
    table[h] = size;
    return size;
}

TQPathRect *TQPathText::clone() const
{
    return new TQPathText(*this);
}

void TQPathText::scaleExtras(float factor)
{
    // Text must not wrap in a copy that rounding made narrower.
    rect.setWidth(int(rect.width() + 0.999));
    lineHeight *= factor;
}
