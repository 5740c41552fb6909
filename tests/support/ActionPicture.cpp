#include "ActionPicture.h"

#include "actions/TQBrushColor.h"
#include "actions/TQDrawingAction.h"
#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawingActionLine.h"

#include <QPainter>
#include <QPolygonF>

namespace {

QPen penFor(const TQBrushStyle &brush)
{
    QPen pen(QColor(QString::fromStdString("#" + brushColorToArgbString(brush.colour))), 2);
    if (brush.type == 0)
        pen.setStyle(Qt::DashLine);
    else if (brush.type == TQBrushStyle::kEraserTextType)
        pen.setStyle(Qt::DotLine);
    return pen;
}

QColor fillFor(const TQBrushStyle &brush)
{
    QColor colour(QString::fromStdString("#" + brushColorToArgbString(brush.colour)));
    colour.setAlpha(0xCC);
    return colour;
}

void paintLine(QPainter &p, const TQDrawingActionLine &line, double width)
{
    if (line.canvasWidth <= 0)
        return;
    const double scale = width / line.canvasWidth;
    QPolygonF polygon;
    for (const TQPointW &point : line.points)
        polygon << QPointF(point.x * scale, (double(point.y) + line.topOffset) * scale);
    p.setPen(penFor(line.brush));
    if (line.alphaFlag) {
        p.setBrush(fillFor(line.brush));
        p.drawPolygon(polygon);
    } else {
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(polygon);
    }
}

void paintCircle(QPainter &p, const TQDrawActionDrawCircle &circle, double width)
{
    if (circle.canvasWidth <= 0)
        return;
    constexpr double kFullTurn = 62831.853071795864;
    const double scale = width / circle.canvasWidth;
    const QRectF rect((double(circle.centreX) - circle.radius) * scale,
                      (double(circle.centreY) - circle.radius + circle.topOffset) * scale, 2.0 * circle.radius * scale,
                      2.0 * circle.radius * scale);
    // Angles grow clockwise on the screen; Qt's grow anticlockwise. The board
    // sweeps from the start anticlockwise on the screen to the end (a sweep
    // of 0 or less), 62831 at the end being the full turn.
    double sweep = double(circle.endAngle) - circle.startAngle;
    if (circle.endAngle == 62831)
        sweep = -kFullTurn;
    else if (sweep > 0)
        sweep -= kFullTurn;
    const auto sixteenths = [](double value) { return int(value / 10000 * 180 / 3.141592653589793 * 16); };
    p.setPen(penFor(circle.brush));
    p.setBrush(circle.filled ? QBrush(fillFor(circle.brush)) : QBrush(Qt::NoBrush));
    if (circle.filled)
        p.drawPie(rect, -sixteenths(circle.startAngle), -sixteenths(sweep));
    else
        p.drawArc(rect, -sixteenths(circle.startAngle), -sixteenths(sweep));
}

} // namespace

QImage renderActions(const std::vector<TQDrawingAction *> &actions, QSize size)
{
    std::vector<const TQDrawingAction *> committed;
    std::vector<const TQDrawingAction *> shown;
    for (const TQDrawingAction *a : actions) {
        if (a->type == 0 || a->type == 1)
            shown.push_back(a);
        else if (a->type == 2)
            committed = shown;
        else if (a->type == 3)
            shown = committed;
    }
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const TQDrawingAction *a : shown) {
        if (a->type == 0)
            paintLine(p, *static_cast<const TQDrawingActionLine *>(a), size.width());
        else
            paintCircle(p, *static_cast<const TQDrawActionDrawCircle *>(a), size.width());
    }
    return image;
}
