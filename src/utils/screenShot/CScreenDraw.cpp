#include "utils/screenShot/CScreenDraw.h"

#include "utils/CLog.h"
#include "utils/screenShot/CScreenDrawTool.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPenWidth = 2;
constexpr int kEraserWidth = 20;
constexpr int kInnerInset = 4;
constexpr int kRoundness = 10;

void drawShape(QPainter *painter, const CScreenDrawShape &shape)
{
    shape.applyStyle(painter);
    shape.drawOn(painter);
}

// A rounded rectangle whose corner radii are `roundness` percent of the
// shorter side, the same on both axes.
void addRoundedRect(QPainterPath *path, const QRectF &r, int roundness)
{
    qreal xRnd = roundness;
    qreal yRnd = roundness;
    if (r.width() > r.height())
        xRnd = int(roundness * r.height() / r.width());
    else if (r.height() > 0)
        yRnd = int(roundness * r.width() / r.height());
    path->addRoundedRect(r, xRnd, yRnd, Qt::RelativeSize);
}

// Pen and eraser strokes: a path with no element yet starts at the last
// point. The eraser's press already moved its path to the press point, and a
// path holding only that move must not restart at where an earlier stroke
// ended.
void extendPolyline(QPainterPath *path, const QPoint &lastPoint, const QPoint &pos)
{
    if (path->elementCount() == 0)
        path->moveTo(lastPoint);
    path->lineTo(pos);
}

// A wedge-shaped shaft from the press point to the cursor and a two-barbed
// head a little beyond the cursor.
void addArrow(QPainterPath *path, const QPointF &from, const QPointF &to)
{
    const qreal theta = std::atan2(from.y() - to.y(), from.x() - to.x());
    const auto along = [](qreal angle, qreal length) {
        return QPointF(length * std::cos(angle), length * std::sin(angle));
    };

    const QPolygonF shaft({from, to + along(theta - M_PI / 2, 4), to + along(theta + M_PI / 2, 4), from});
    const QPointF tip = to - along(theta, 6);
    const QPointF notch = to + along(theta, 6);
    const QPolygonF head({tip, tip + along(theta + 0.6, 20), notch, tip + along(theta - 0.6, 20), tip});

    path->setFillRule(Qt::WindingFill);
    path->addPolygon(shaft);
    path->addPolygon(head);
}

} // namespace

void CScreenDraw::Layer::create(const QSize &size, bool antialiased)
{
    release();
    pixmap.reset(new QPixmap(size));
    pixmap->fill(Qt::transparent);
    painter.reset(new QPainter(pixmap.get()));
    painter->setRenderHint(QPainter::Antialiasing, antialiased);
}

void CScreenDraw::Layer::release()
{
    painter.reset();
    pixmap.reset();
}

// The layer keeps its painter open, and a pixmap cannot be filled while it is
// painted on, so it is cleared through that painter.
void CScreenDraw::Layer::clear()
{
    if (!painter)
        return;
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->fillRect(pixmap->rect(), Qt::transparent);
    painter->restore();
}

CScreenDraw::CScreenDraw(QWidget *owner)
    : m_pOwner(owner)
{
}

CScreenDraw::~CScreenDraw()
{
    clearAll();
    releaseCanvas();
}

void CScreenDraw::initCanvas()
{
    const QSize size = m_background.size();
    m_strokeLayer.create(size, false);
    m_copyLayer.create(size, false);
    m_resultLayer.create(size, true);
}

void CScreenDraw::releaseCanvas()
{
    CLog::log(QStringLiteral("release canvas"), QStringLiteral("%1 ").arg(QStringLiteral("CScreenDraw::releaseCanvas")));
    m_copyLayer.release();
    m_strokeLayer.release();
    m_resultLayer.release();
}

void CScreenDraw::setDrawType(int type)
{
    m_drawType = type;
    if (type != DRAW_TEXT) {
        commitText();
        return;
    }
    if (!m_pTextEdit) {
        CLog::error(QStringLiteral("text tool without a text editor"),
                    QStringLiteral("%1 ").arg(QStringLiteral("CScreenDraw::setDrawType")));
        return;
    }
    if (m_pTextEdit->isVisible())
        return;
    m_pTextEdit->clear();
    m_pTextEdit->move(m_selectRect.center());
    m_pTextEdit->show();
    m_pTextEdit->setFocus();
    repaintOwner();
}

void CScreenDraw::setShiftPressed(bool pressed)
{
    m_shiftPressed = pressed;
}

void CScreenDraw::onMousePress(QMouseEvent *event)
{
    if (!m_strokeLayer.painter)
        return;
    const QPoint pos = event->globalPos();
    switch (m_drawType) {
    case DRAW_RECT:
    case DRAW_ELLIPSE:
    case DRAW_LINE:
    case DRAW_ARROW:
        m_pCurrentShape.reset(new CScreenDrawShape(m_penColor, m_drawType, m_drawType == DRAW_ARROW, kPenWidth,
                                                   QPainter::CompositionMode_SourceOver));
        m_pCurrentShape->applyStyle(m_strokeLayer.painter.get());
        m_lastPoint = pos;
        break;
    case DRAW_ERASER:
        m_pCurrentShape.reset(
            new CScreenDrawShape(Qt::transparent, DRAW_ERASER, false, kEraserWidth, QPainter::CompositionMode_Clear));
        m_pCurrentShape->applyStyle(m_resultLayer.painter.get());
        m_pCurrentShape->path->moveTo(pos);
        break;
    case DRAW_TEXT:
        commitText();
        setDrawType(DRAW_LINE);
        break;
    default:
        break;
    }
}

void CScreenDraw::onMouseMove(QMouseEvent *event)
{
    if (!m_pCurrentShape || !m_strokeLayer.painter)
        return;
    CScreenDrawShape *shape = m_pCurrentShape.get();
    const QPoint pos = event->globalPos();
    switch (shape->type) {
    case DRAW_RECT:
    case DRAW_ELLIPSE: {
        QRect inner;
        const QRect r = getRect(m_lastPoint, pos, m_shiftPressed, &inner);
        shape->path.reset(new QPainterPath);
        shape->innerPath.reset(new QPainterPath);
        if (shape->type == DRAW_RECT) {
            addRoundedRect(shape->path.get(), r, kRoundness);
            addRoundedRect(shape->innerPath.get(), inner, kRoundness);
        } else {
            shape->path->addEllipse(r);
            shape->innerPath->addEllipse(inner);
        }
        redraw(false);
        break;
    }
    case DRAW_LINE: {
        QPainterPath *path = shape->path.get();
        extendPolyline(path, m_lastPoint, pos);
        QPainter *copy = m_copyLayer.painter.get();
        copy->save();
        copy->setCompositionMode(QPainter::CompositionMode_Source);
        copy->drawPixmap(0, 0, *m_strokeLayer.pixmap);
        copy->restore();
        const int n = path->elementCount();
        if (n > 1) {
            shape->applyStyle(m_strokeLayer.painter.get());
            m_strokeLayer.painter->drawLine(QPointF(path->elementAt(n - 2)), QPointF(path->elementAt(n - 1)));
        }
        m_lastPoint = pos;
        repaintOwner();
        break;
    }
    case DRAW_ERASER: {
        extendPolyline(shape->path.get(), m_lastPoint, pos);
        drawShape(m_resultLayer.painter.get(), *shape);
        redraw(false);
        m_lastPoint = pos;
        repaintOwner();
        break;
    }
    case DRAW_ARROW:
        shape->path.reset(new QPainterPath);
        addArrow(shape->path.get(), m_lastPoint, pos);
        redraw(false);
        break;
    default:
        break;
    }
}

void CScreenDraw::onMouseRelease(QMouseEvent *event)
{
    Q_UNUSED(event)
    if (m_pMovingShape) {
        m_pMovingShape = nullptr;
        redraw(true);
    }
    m_copyLayer.clear();
    if (!m_pCurrentShape)
        return;

    const QPainterPath &path = *m_pCurrentShape->path;
    if (path.length() < 2 && path.elementCount() < 3) {
        // A click without a drag draws nothing. A tiny pen or eraser stroke
        // already touched the stroke or result layer: rebuild them without it.
        const bool touchedLayers = path.elementCount() > 1;
        m_pCurrentShape.reset();
        if (touchedLayers)
            redraw(true);
        return;
    }

    m_shapes.push_back(std::move(m_pCurrentShape));
    const CScreenDrawShape &shape = *m_shapes.back();
    if (m_resultLayer.painter)
        drawShape(m_resultLayer.painter.get(), shape);
    repaintOwner();
    if (shape.type == DRAW_LINE)
        redraw(false);
    if (m_pDrawTool)
        m_pDrawTool->setUndoEnabled(true);
}

void CScreenDraw::undo()
{
    if (!m_shapes.empty()) {
        forgetShape(m_shapes.back().get());
        m_shapes.pop_back();
    }
    redraw(true);
    if (m_shapes.empty() && m_pDrawTool)
        m_pDrawTool->setUndoEnabled(false);
}

void CScreenDraw::clearAll()
{
    for (const auto &shape : m_shapes)
        forgetShape(shape.get());
    m_shapes.clear();
    m_strokeLayer.clear();
    m_resultLayer.clear();
    m_copyLayer.clear();
    repaintOwner();
}

void CScreenDraw::redraw(bool all)
{
    m_strokeLayer.clear();
    if (all && m_resultLayer.painter
        && !(m_pMovingShape && m_pMovingShape == m_pRebuiltWithout)) {
        m_resultLayer.clear();
        for (const auto &shape : m_shapes) {
            if (shape.get() != m_pMovingShape)
                drawShape(m_resultLayer.painter.get(), *shape);
        }
        m_pRebuiltWithout = m_pMovingShape;
    }
    if (m_strokeLayer.painter) {
        if (m_pCurrentShape && !m_pCurrentShape->path->isEmpty())
            drawShape(m_strokeLayer.painter.get(), *m_pCurrentShape);
        if (m_pMovingShape && !m_pMovingShape->path->isEmpty())
            drawShape(m_strokeLayer.painter.get(), *m_pMovingShape);
    }
    repaintOwner();
}

void CScreenDraw::commitText()
{
    if (!m_pTextEdit || !m_pTextEdit->isVisible())
        return;

    const QString text = m_pTextEdit->toPlainText();
    if (!text.trimmed().isEmpty()) {
        std::unique_ptr<CScreenDrawShape> shape(
            new CScreenDrawShape(m_penColor, DRAW_TEXT, false, kPenWidth, QPainter::CompositionMode_SourceOver));
        QFont font = m_pTextEdit->font();
        const qreal pointSize = m_pTextEdit->currentFont().pointSizeF();
        if (pointSize > 0)
            font.setPointSizeF(pointSize);
        shape->font = font;
        const int m = int(m_pTextEdit->document()->documentMargin());
        const QRect box(m_pTextEdit->x() + m, m_pTextEdit->y() + m, m_pTextEdit->width() - 2 * m,
                        m_pTextEdit->height() - 2 * m);
        shape->path->addRect(box);
        shape->text = text;
        m_shapes.push_back(std::move(shape));
        if (m_resultLayer.painter)
            drawShape(m_resultLayer.painter.get(), *m_shapes.back());
    }
    m_pTextEdit->hide();
    repaintOwner();
    if (m_pDrawTool)
        m_pDrawTool->onTextCommitted();
}

void CScreenDraw::paintTo()
{
    if (!m_resultLayer.pixmap || m_background.isNull())
        return;
    QPainter painter(&m_background);
    painter.drawPixmap(m_background.rect(), *m_resultLayer.pixmap);
}

QRect CScreenDraw::getRect(const QPoint &p0, const QPoint &p1, bool shift, QRect *inner)
{
    int width = std::abs(p1.x() - p0.x());
    int height = std::abs(p1.y() - p0.y());
    if (shift)
        width = height = std::min(width, height);
    const QRect r(std::min(p0.x(), p1.x()), std::min(p0.y(), p1.y()), width, height);
    if (inner) {
        *inner = (width > 0 && height > 0)
                     ? QRect(r.x() + kInnerInset, r.y() + kInnerInset, width - 2 * kInnerInset, height - 2 * kInnerInset)
                     : QRect(-1, -1, 0, 0);
    }
    return r;
}

void CScreenDraw::paintLayers(QPainter *painter) const
{
    for (const Layer *layer : {&m_resultLayer, &m_copyLayer, &m_strokeLayer}) {
        if (layer->pixmap)
            painter->drawPixmap(0, 0, *layer->pixmap);
    }
}

// A shape about to be deleted must not stay referenced as the moving shape.
void CScreenDraw::forgetShape(const CScreenDrawShape *shape)
{
    if (m_pMovingShape == shape)
        m_pMovingShape = nullptr;
    if (m_pRebuiltWithout == shape)
        m_pRebuiltWithout = nullptr;
}

void CScreenDraw::repaintOwner()
{
    if (m_pOwner)
        m_pOwner->update();
}
