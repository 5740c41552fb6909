#include "modules/live/draws/TQDrawBackgroundElementLayout.h"

#include "modules/live/draws/TQVirtualImageView.h"
#include "modules/live/draws/TQVirtualLineView.h"
#include "modules/live/draws/TQVirtualTextView.h"
#include "utils/CLog.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {

QFont captionFont()
{
    QFont font;
    font.setPixelSize(TQDrawBackgroundElementLayout::kCaptionPixelSize);
    return font;
}

} // namespace

TQDrawBackgroundElementLayout::TQDrawBackgroundElementLayout() = default;

TQDrawBackgroundElementLayout::~TQDrawBackgroundElementLayout() = default;

const QImage &TQDrawBackgroundElementLayout::placeholderImage()
{
    static const QImage placeholder(QStringLiteral(":/res/bg_default_live_class"));
    return placeholder;
}

void TQDrawBackgroundElementLayout::initWithUserNameAndUrl(const QString &caption, const QString &url,
                                                           const QRect &rect, int captionHeight)
{
    mCaption = caption;
    mUrl = url;
    CLog::printf("TQDrawBackgroundElementLayout::initWithUserNameAndUrl for text:(%s) url:%s left:%d,top:%d,width:%d,height:%d",
                 caption.toUtf8().constData(), url.toUtf8().constData(), rect.left(), rect.top(), rect.width(),
                 rect.height());
    mImageView = std::make_unique<TQVirtualImageView>(this);
    if (!caption.isEmpty()) {
        mLineView = std::make_unique<TQVirtualLineView>(this);
        mLineView->setColor(Qt::gray);
        mTextView = std::make_unique<TQVirtualTextView>(this);
    }
    setGeometry(rect, captionHeight);
}

void TQDrawBackgroundElementLayout::setGeometry(const QRect &rect, int captionHeight)
{
    mWidth = rect.width();
    mHeight = rect.height();
    TQVirtualView::setRect(rect);
    if (!mImageView)
        return;
    if (!mLineView) {
        mImageView->setEdges(0, 0, mWidth, mHeight);
        return;
    }
    const float c = float(captionHeight);
    const float r = kCaptionRatio;
    const int line = int(c * r + c * (1 - r) / 2);
    mLineView->setEdges(0, line, mWidth, line + 1);
    const int w = QFontMetrics(captionFont()).horizontalAdvance(mCaption);
    const int x = int(mWidth / 2.0 - w / 2.0);
    mTextView->setEdges(x, int(c * r), x + w, int(c * r + c * (1 - r)));
    mTextView->setText(mCaption);
    mImageView->setEdges(0, captionHeight, mWidth, mHeight);
}

void TQDrawBackgroundElementLayout::setImage(const QString &path)
{
    if (mImageView && !path.isEmpty())
        mImageView->setImagePath(path);
}

bool TQDrawBackgroundElementLayout::isVisibleIn(int y, int height) const
{
    const int t = top;
    const int b = top + mHeight;
    return (y < b && b < y + height) || (y < t && t < y + height) || (t <= y && b >= y + height);
}

void TQDrawBackgroundElementLayout::drawSelf(QPainter *painter, int yOffset)
{
    if (!mImageView)
        return;
    const QPoint shift(left, top - yOffset);
    CLog::printf("TQDrawBackgroundElementLayout::drawSelf mImageSrc=%s", mImageView->imagePath().toUtf8().constData());
    const QImage *image = mImageView->image();
    const QRectF imageRect(mImageView->rect().translated(shift));
    if (!image || image->isNull()) {
        CLog::printf("TQDrawBackgroundElementLayout::drawSelf image isNull path=%s",
                     mImageView->imagePath().toUtf8().constData());
        painter->drawImage(imageRect, placeholderImage());
    } else {
        painter->drawImage(imageRect, *image);
    }
    if (mLineView)
        mLineView->paint(painter, yOffset);
    if (mTextView) {
        const QRect textRect = mTextView->rect().translated(shift);
        painter->save();
        painter->fillRect(textRect, Qt::white);
        painter->setPen(Qt::black);
        painter->setFont(captionFont());
        painter->drawText(textRect, Qt::AlignCenter, mCaption);
        painter->restore();
    }
}
