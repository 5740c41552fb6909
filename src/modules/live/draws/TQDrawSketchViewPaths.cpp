// How each kind of path is drawn into a board layer.
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQPathCalligraphy.h"
#include "modules/live/draws/TQPathCircle.h"
#include "modules/live/draws/TQPathClearRect.h"
#include "modules/live/draws/TQPathImage.h"
#include "modules/live/draws/TQPathLine.h"
#include "modules/live/draws/TQPathText.h"
#include "modules/live/draws/TQPenFactory.h"
#include "utils/CFileDownloader.h"

#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QTextOption>

#include <cmath>

namespace {

QColor translucent(QColor colour)
{
    colour.setAlpha(204);
    return colour;
}

} // namespace

void TQDrawSketchView::drawPathCopy(QPainter *painter, TQPath *copy, TQPenFactory *penFactory, bool clearModes)
{
    if (!copy)
        return;
    const Kind kind = kindOf(copy);
    if ((kind == Calligraphy || kind == Line || kind == Circle) && !penFactory)
        return;
    switch (kind) {
    case Calligraphy: {
        const QPen pen = penFactory->penForBrush(copy->brush);
        painter->setPen(pen);
        painter->setBrush(pen.brush());
        const Qt::FillRule rule = copy->fillRule();
        copy->setFillRule(Qt::WindingFill);
        painter->drawPath(*copy);
        copy->setFillRule(rule);
        painter->setBrush(Qt::NoBrush);
        break;
    }
    case Line:
        drawLine(painter, copy, penFactory, clearModes);
        break;
    case Circle: {
        auto *circle = static_cast<TQPathCircle *>(copy);
        const QPen pen = penFactory->penForBrush(copy->brush);
        painter->setPen(pen);
        const QBrush previous = painter->brush();
        const int start = int(-circle->startAngle * 16);
        const int span = int(-circle->spanAngle * 16);
        if (circle->filled) {
            painter->setBrush(QBrush(translucent(pen.color()), Qt::SolidPattern));
            painter->drawPie(circle->rect, start, span);
        } else {
            painter->drawArc(circle->rect, start, span);
        }
        painter->setBrush(previous);
        break;
    }
    case Image:
        drawImage(painter, copy);
        break;
    case ClearRect:
        if (clearModes)
            painter->setCompositionMode(QPainter::CompositionMode_Clear);
        painter->fillRect(static_cast<TQPathClearRect *>(copy)->rect, Qt::transparent);
        break;
    case Text: {
        auto *text = static_cast<TQPathText *>(copy);
        QPen pen = painter->pen();
        pen.setColor(QColor(text->colourText));
        painter->setPen(pen);
        painter->setFont(QFont(text->fontFamily, text->getFontSize(), -1, false));
        painter->drawText(text->rect, text->text, QTextOption());
        break;
    }
    case NotDrawn:
        break;
    }
}

void TQDrawSketchView::drawLine(QPainter *painter, TQPath *copy, TQPenFactory *penFactory, bool clearModes)
{
    auto *line = static_cast<TQPathLine *>(copy);
    QPen pen = penFactory->penForBrush(copy->brush);
    if (copy->brush.isEraserColour()) {
        if (clearModes)
            painter->setCompositionMode(QPainter::CompositionMode_Clear);
        // A received stroke may carry width code 0: never divide by it.
        const int code = copy->brush.width > 0 ? copy->brush.width : kDefaultEraserWidthCode;
        pen.setWidth(boardWidth() / code);
    }
    pen.setCapStyle(Qt::RoundCap);
    painter->setPen(pen);
    const QBrush previous = painter->brush();
    // The line action's alpha flag marks a filled figure (written with alpha CC).
    if (line->actionValues2[2] == 1)
        painter->setBrush(QBrush(translucent(pen.color()), Qt::SolidPattern));
    painter->drawPath(*copy);
    painter->setBrush(previous);
}

void TQDrawSketchView::drawImage(QPainter *painter, TQPath *copy)
{
    auto *image = static_cast<TQPathImage *>(copy);
    const QString url = QString::fromUtf8(image->url);
    QPixmap pixmap;
    if (image->sourceKind != 0) {
        pixmap.load(url);
    } else {
        const QString local = CFileDownloader::getDownloadedFile(url);
        if (!local.isEmpty() && QFileInfo::exists(local))
            pixmap.load(local);
    }
    if (pixmap.isNull())
        return;
    const QRectF &rect = image->rect;
    const QTransform previous = painter->transform();
    painter->translate(rect.center());
    painter->rotate(double(image->rotation) * 180.0 / M_PI);
    painter->drawPixmap(QRectF(-rect.width() / 2, -rect.height() / 2, rect.width(), rect.height()), pixmap,
                        QRectF(pixmap.rect()));
    painter->setTransform(previous);
}
