#include "utils/screenShot/CScreenDrawShape.h"

#include "utils/screenShot/CScreenDraw.h"

#include <QPainterPath>
#include <QPen>
#include <QTextOption>

CScreenDrawShape::CScreenDrawShape(const QColor &color, int type, bool filled, int penWidth,
                                   QPainter::CompositionMode compositionMode)
    : path(new QPainterPath)
    , color(color)
    , penWidth(penWidth)
    , compositionMode(compositionMode)
    , filled(filled)
    , type(type)
{
}

CScreenDrawShape::~CScreenDrawShape() = default;

void CScreenDrawShape::applyStyle(QPainter *painter) const
{
    QPen pen(color, penWidth);
    pen.setCapStyle(type == CScreenDraw::DRAW_ERASER ? Qt::RoundCap : Qt::FlatCap);
    painter->setPen(pen);
    painter->setBrush(filled ? QBrush(color, Qt::SolidPattern) : QBrush(Qt::NoBrush));
    painter->setCompositionMode(compositionMode);
    if (type == CScreenDraw::DRAW_TEXT)
        painter->setFont(font);
}

void CScreenDrawShape::drawOn(QPainter *painter) const
{
    if (type == CScreenDraw::DRAW_TEXT)
        painter->drawText(path->boundingRect(), text, QTextOption());
    else
        painter->drawPath(*path);
}
