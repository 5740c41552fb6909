#include "modules/live/draws/TQVirtualImageView.h"

#include <QImage>
#include <QPainter>

TQVirtualImageView::TQVirtualImageView(TQVirtualView *parent)
    : TQVirtualView(parent)
{
}

TQVirtualImageView::~TQVirtualImageView() = default;

void TQVirtualImageView::setImagePath(const QString &path)
{
    mImagePath = path;
    mImage.reset();
}

QImage *TQVirtualImageView::image()
{
    if (!mImage)
        mImage = std::make_unique<QImage>(mImagePath);
    return mImage.get();
}

void TQVirtualImageView::paint(QPainter *painter, int yOffset)
{
    if (!mVisible)
        return;
    const QImage *picture = image();
    if (!picture || picture->isNull())
        return;
    painter->drawImage(QRectF(paintRect(yOffset)), *picture, QRectF(0, 0, picture->width(), picture->height()),
                       Qt::ColorOnly);
}
