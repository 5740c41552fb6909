#include "modules/live/draws/TQDrawForegroundElementLayout.h"

#include "modules/live/draws/TQVirtualImageView.h"
#include "modules/live/draws/TQVirtualLineView.h"
#include "modules/live/draws/TQVirtualTextView.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

TQDrawForegroundElementLayout::TQDrawForegroundElementLayout() = default;

TQDrawForegroundElementLayout::~TQDrawForegroundElementLayout() = default;

void TQDrawForegroundElementLayout::setUp(int tag, int kind, QRect rect, int sourceValue, bool closeVisible,
                                          bool expandVisible)
{
    this->tag = tag;
    mKind = kind;
    mRect = rect;
    mSourceValue = sourceValue;
    mCloseVisible = closeVisible;
    mExpandVisible = expandVisible;
    if (!mCloseButton) {
        mCloseButton = std::make_unique<TQVirtualImageView>(this);
        mCloseButton->setImagePath(QStringLiteral(":/res/live_class_close_img"));
    }
    if (!mExpandButton) {
        mExpandButton = std::make_unique<TQVirtualImageView>(this);
        mExpandButton->setImagePath(QStringLiteral(":/res/live_class_text_view_expand_2"));
    }
    if (!mBox)
        mBox = std::make_unique<TQVirtualLineView>(this);
    if (!mLabel) {
        mLabel = std::make_unique<TQVirtualTextView>(this);
        mLabel->setText(QStringLiteral("遮挡板"));
    }
    mCloseButton->setVisible(closeVisible);
    mExpandButton->setVisible(expandVisible);
    if (sourceValue == kToolSourceValue)
        mBox->setColor(QColor(220, 220, 224, 255));
    setRect(rect);
}

QColor TQDrawForegroundElementLayout::boxColor() const
{
    return mBox ? mBox->color() : QColor();
}

void TQDrawForegroundElementLayout::setRect(const QRect &r)
{
    mButtonSize = std::min(std::max(15, r.width() / 18), 40);
    mRect = r;
    layout();
}

void TQDrawForegroundElementLayout::layout()
{
    TQVirtualView::setRect(mRect);
    if (!mBox)
        return;
    const int w = mRect.width();
    const int h = mRect.height();
    const int s = mButtonSize;
    mBox->setEdges(0, 0, w, h);
    mCloseButton->setEdges(w - s, 0, w, s);
    mExpandButton->setEdges(w - s, h - s, w, h);
    mLabel->setEdges(w / 2 - 40, h / 2 - 15, w / 2 + 40, h / 2 + 15);
}

void TQDrawForegroundElementLayout::paint(QPainter *painter, int yOffset)
{
    layout();
    if (!mBox)
        return;
    painter->save();
    mBox->paint(painter, yOffset);
    painter->setPen(Qt::gray);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(mBox->absoluteRect().translated(0, -yOffset));
    painter->restore();
    // The pictures show whatever the flags say; the flags only gate presses.
    for (TQVirtualImageView *button : {mCloseButton.get(), mExpandButton.get()}) {
        const QImage *picture = button->image();
        if (picture && !picture->isNull())
            painter->drawImage(QRectF(button->absoluteRect().translated(0, -yOffset)), *picture);
    }
    mLabel->paint(painter, yOffset);
}

bool TQDrawForegroundElementLayout::hitClose(int x, int y) const
{
    return mCloseVisible && mCloseButton && mCloseButton->absoluteRect().contains(x, y);
}

bool TQDrawForegroundElementLayout::hitExpand(int x, int y) const
{
    return mExpandVisible && mExpandButton && mExpandButton->absoluteRect().contains(x, y);
}

bool TQDrawForegroundElementLayout::hitBody(int x, int y) const
{
    return mRect.contains(x, y);
}

bool TQDrawForegroundElementLayout::intersects(int y, const QSize &visible) const
{
    return mRect.intersects(QRect(0, y, visible.width(), visible.height()));
}
