#include "modules/live/draws/TQDrawForegroundLayout.h"

#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawForegroundElementLayout.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQLayerPainting.h"
#include "utils/CLog.h"


namespace {
const QString kTag = QStringLiteral("TQDrawForegroundLayout ");
}

TQDrawForegroundLayout::TQDrawForegroundLayout(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

TQDrawForegroundLayout::~TQDrawForegroundLayout()
{
    for (TQDrawForegroundElementLayout *element : elements)
        delete element;
    elements.clear();
}

void TQDrawForegroundLayout::init(const QSize &size)
{
    visibleSize = size;
    initialSize = size;
    createContent(size.width(), size.height());
}

void TQDrawForegroundLayout::createContent(int width, int height)
{
    content.recreate(QSize(width, height));
}

bool TQDrawForegroundLayout::boardRectFor(const TQDrawingElement &e, int visibleWidth, float zoom, QRect *rect)
{
    // Elements made here always carry their canvas; a width of its own is the
    // fallback, and an element with neither cannot be placed.
    const int canvas = e.canvasWidth != 0 ? e.canvasWidth : e.width;
    if (canvas == 0)
        return false;
    const float f = float(visibleWidth) / float(canvas);
    *rect = QRect(int(e.x * f * zoom), int(e.y * f * zoom), int(e.width * f * zoom), int(e.height * f * zoom));
    return true;
}

void TQDrawForegroundLayout::rebuild(bool clearFirst, int topOffset, float zoom,
                                     TQDrawDataSourceInterface *dataSource, const QSize &visibleSize)
{
    changed = true;
    this->topOffset = topOffset;
    this->visibleSize = visibleSize;
    if (clearFirst)
        clearElements();
    const QList<TQDrawingElement *> *list = dataSource ? dataSource->reservoirForegroundElements() : nullptr;
    if (list) {
        for (const TQDrawingElement *e : *list) {
            QRect r;
            if (!e || !boardRectFor(*e, visibleSize.width(), zoom, &r)) {
                CLog::log(QStringLiteral("skip element without width tag:%1").arg(e ? e->tag : -1), kTag);
                continue;
            }
            if (TQDrawForegroundElementLayout *existing = findElement(e->tag)) {
                existing->setRect(r);
                continue;
            }
            auto *element = new TQDrawForegroundElementLayout();
            element->setUp(e->tag, e->kind, r, e->sourceValue, e->flag1 != 0, e->flag2 != 0);
            addElement(element);
        }
    }
    updateInContent();
}

void TQDrawForegroundLayout::reposition(int topOffset, float zoom, TQDrawDataSourceInterface *dataSource,
                                        const QSize &visibleSize)
{
    this->topOffset = topOffset;
    this->visibleSize = visibleSize;
    const QList<TQDrawingElement *> *list = dataSource ? dataSource->reservoirForegroundElements() : nullptr;
    if (list) {
        for (const TQDrawingElement *e : *list) {
            TQDrawForegroundElementLayout *element = e ? findElement(e->tag) : nullptr;
            QRect r;
            if (element && boardRectFor(*e, visibleSize.width(), zoom, &r))
                element->setRect(r);
        }
    }
    createContent(visibleSize.width(), visibleSize.height());
    updateInContent();
}

void TQDrawForegroundLayout::updateInContent()
{
    fillTransparent(content.painter(), content.pixmap());
    if (!content.painter()) {
        CLog::error(QStringLiteral("get nul m_pContentPainter"), QStringLiteral("TQDrawForegroundLayout::updateInContent "));
        return;
    }
    // The top offset is kept in pixels of the board's first size.
    const int y = initialSize.width() > 0
                      ? int(float(topOffset) / float(initialSize.width()) * float(visibleSize.width()))
                      : topOffset;
    for (TQDrawForegroundElementLayout *element : elements) {
        if (element->intersects(y, visibleSize))
            element->paint(content.painter(), y);
    }
    update();
}

void TQDrawForegroundLayout::paint(QPainter *painter)
{
    content.drawInto(painter);
}

QImage TQDrawForegroundLayout::contentImage() const
{
    return content.image();
}

TQDrawForegroundElementLayout *TQDrawForegroundLayout::findElement(int tag) const
{
    for (TQDrawForegroundElementLayout *element : elements) {
        if (element->tag == tag)
            return element;
    }
    return nullptr;
}

void TQDrawForegroundLayout::addElement(TQDrawForegroundElementLayout *element)
{
    elements.push_back(element);
    updateInContent();
}

void TQDrawForegroundLayout::clearElements()
{
    for (TQDrawForegroundElementLayout *element : elements)
        delete element;
    elements.clear();
    updateInContent();
}

int TQDrawForegroundLayout::firstHit(HitTest hit, int x, int y) const
{
    for (const TQDrawForegroundElementLayout *element : elements) {
        if ((element->*hit)(x, y))
            return element->tag;
    }
    return -1;
}

int TQDrawForegroundLayout::hitCloseButton(int x, int y, int dx, int dy) const
{
    return firstHit(&TQDrawForegroundElementLayout::hitClose, x + dx, y + dy);
}

int TQDrawForegroundLayout::hitExpandButton(int x, int y, int dx, int dy) const
{
    return firstHit(&TQDrawForegroundElementLayout::hitExpand, x + dx, y + dy);
}

int TQDrawForegroundLayout::hitCoverBoard(int x, int y, int dx, int dy) const
{
    return firstHit(&TQDrawForegroundElementLayout::hitBody, x + dx, y + dy);
}
