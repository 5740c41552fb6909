#include "PainterPathElements.h"

QVector<QVector<double>> painterPathElements(const QPainterPath &path)
{
    QVector<QVector<double>> rows;
    rows.reserve(path.elementCount());
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        rows.append({double(e.type), e.x, e.y});
    }
    return rows;
}
