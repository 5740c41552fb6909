#include "modules/live/draws/TQLayerContent.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

TQLayerContent::~TQLayerContent()
{
    release();
}

void TQLayerContent::release()
{
    // The painter first: it is open on the pixmap.
    delete mPainter;
    mPainter = nullptr;
    delete mPixmap;
    mPixmap = nullptr;
}

void TQLayerContent::recreate(QSize size, bool smoothPixmaps)
{
    release();
    mPixmap = new QPixmap(std::max(0, size.width()), std::max(0, size.height()));
    mPixmap->fill(Qt::transparent);
    if (mPixmap->isNull())
        return;
    mPainter = new QPainter(mPixmap);
    mPainter->setRenderHint(QPainter::Antialiasing, true);
    mPainter->setRenderHint(QPainter::SmoothPixmapTransform, smoothPixmaps);
}

void TQLayerContent::drawInto(QPainter *target) const
{
    if (mPixmap)
        target->drawPixmap(0, 0, *mPixmap);
}

QImage TQLayerContent::image() const
{
    return mPixmap ? mPixmap->toImage() : QImage();
}
