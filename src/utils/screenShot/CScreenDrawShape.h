#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

#include <memory>

class QPainterPath;

// One annotation of the screen annotation canvas: its outline, the pen it is
// drawn with and, for texts, the font and the text.
class CScreenDrawShape
{
public:
    CScreenDrawShape(const QColor &color, int type, bool filled, int penWidth,
                     QPainter::CompositionMode compositionMode);
    ~CScreenDrawShape();

    CScreenDrawShape(const CScreenDrawShape &) = delete;
    CScreenDrawShape &operator=(const CScreenDrawShape &) = delete;

    // The pen, brush, composition mode and (for text) font of this shape.
    void applyStyle(QPainter *painter) const;
    // Texts draw their text inside the bounding rectangle of the path; every
    // other shape draws its path.
    void drawOn(QPainter *painter) const;

    // The outline that is drawn (for text: the text box rectangle).
    std::unique_ptr<QPainterPath> path;
    // For rectangles and ellipses the same figure 4 pixels inside; null else.
    std::unique_ptr<QPainterPath> innerPath;
    QColor color;
    int penWidth;
    QPainter::CompositionMode compositionMode;
    bool filled;
    int type;
    QFont font;
    QString text;
};
