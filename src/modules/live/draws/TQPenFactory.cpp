#include "modules/live/draws/TQPenFactory.h"

#include "modules/live/draws/TQBoardSize.h"

#include <QColor>
#include <QImage>

namespace {

const QString kOuterChalkTexture = QStringLiteral(":/res/live_class_pen_chalk_outner_color0");
const QString kInnerChalkTexture = QStringLiteral(":/res/live_class_pen_chalk_inner_color0");

// Board width / code for the codes that mean a share of the board; any other
// code (a received 0 among them) is never divided by.
bool boardShare(int code, std::initializer_list<int> codes, qreal &width)
{
    for (int c : codes) {
        if (code == c) {
            width = qreal(boardWidth()) / c;
            return true;
        }
    }
    return false;
}

} // namespace

TQPenFactory::TQPenFactory() = default;
TQPenFactory::~TQPenFactory() = default;

QPen TQPenFactory::penForBrush(const TQBrushStyle &brush)
{
    QPen pen;
    pen.setColor(brush.isEraserColour() ? QColor(Qt::transparent) : QColor(Qt::red));
    configurePen(pen, brush.colour, brush.type, brush.width);
    return pen;
}

void TQPenFactory::configurePen(QPen &pen, int colour, int type, int width)
{
    pen.setStyle(Qt::SolidLine);
    pen.setBrush(QBrush());
    pen.setWidth(1);
    const QString colourText = colourTextFor(colour);
    pen.setColor(colour == kBrushColorEraser ? QColor(Qt::transparent) : QColor(colourText));

    qreal w = 0;
    switch (type) {
    case 0:
        pen.setStyle(Qt::DashLine);
        pen.setWidthF(boardShare(width, {41, 82, 123}, w) ? w : 2);
        break;
    case 1:
    case 8:
        if (boardShare(width, {41, 82, 123, 130, 260}, w))
            pen.setWidthF(w);
        else
            pen.setWidthF(width == 1 ? 1 : defaultWidth);
        break;
    case 2:
    case 3:
    case 4:
        pen.setWidthF(0.2);
        break;
    case 5:
    case 6:
        // A texture brush brings its own opaque colour: the eraser stays a
        // transparent pen like every other eraser.
        if (colour != kBrushColorEraser)
            pen.setBrush(type == 5 ? *outerChalkBrush(colourText) : *innerChalkBrush(colourText));
        break;
    case 100:
        pen.setStyle(Qt::DotLine);
        pen.setWidthF(2);
        break;
    default:
        break;
    }
}

QBrush *TQPenFactory::outerChalkBrush(const QString &colourText)
{
    return chalkBrush(outerChalkCache, kOuterChalkTexture, colourText);
}

QBrush *TQPenFactory::innerChalkBrush(const QString &colourText)
{
    return chalkBrush(innerChalkCache, kInnerChalkTexture, colourText);
}

QString TQPenFactory::colourTextFor(int colour)
{
    return QStringLiteral("#%1").arg(QString::fromStdString(brushColorToArgbString(colour)));
}

QImage TQPenFactory::tintedTexture(const QString &texturePath, const QString &colourText)
{
    const QImage texture(texturePath);
    QImage tinted(texture.size(), QImage::Format_ARGB32);
    // The RR, GG and BB digits of "#AARRGGBB"; a short or odd text gives 0.
    const int red = colourText.mid(3, 2).toInt(nullptr, 16);
    const int green = colourText.mid(5, 2).toInt(nullptr, 16);
    const int blue = colourText.mid(7, 2).toInt(nullptr, 16);
    for (int x = 0; x < texture.width(); ++x) {
        for (int y = 0; y < texture.height(); ++y)
            tinted.setPixel(x, y, qRgba(red, green, blue, qAlpha(texture.pixel(x, y))));
    }
    return tinted;
}

QBrush *TQPenFactory::chalkBrush(BrushCache &cache, const QString &texturePath, const QString &colourText)
{
    auto found = cache.find(colourText);
    if (found != cache.end())
        return found->second.get();
    QBrush *brush = new QBrush(tintedTexture(texturePath, colourText));
    cache.emplace(colourText, std::unique_ptr<QBrush>(brush));
    return brush;
}
