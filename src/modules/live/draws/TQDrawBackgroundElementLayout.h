#pragma once

#include "modules/live/draws/TQVirtualView.h"

#include <QRect>
#include <QString>

#include <memory>

class QImage;
class TQVirtualImageView;
class TQVirtualLineView;
class TQVirtualTextView;

// One background element on the board: its image and, for an element with a
// caption (a student photo's author), a caption band above it with a grey
// separator line. Painted by the background layer into its content pixmap.
class TQDrawBackgroundElementLayout : public TQVirtualView
{
public:
    static constexpr float kCaptionRatio = 0.2f;
    static constexpr int kCaptionPixelSize = 16;

    TQDrawBackgroundElementLayout();
    ~TQDrawBackgroundElementLayout() override;

    void initWithUserNameAndUrl(const QString &caption, const QString &url, const QRect &rect, int captionHeight);
    void setGeometry(const QRect &rect, int captionHeight);
    // An empty path leaves the image as it is.
    void setImage(const QString &path);
    // Whether the element overlaps the band from y, h high; touching it only
    // at an edge does not count.
    bool isVisibleIn(int y, int height) const;
    void drawSelf(QPainter *painter, int yOffset);
    void paint(QPainter *painter, int yOffset) override { drawSelf(painter, yOffset); }

    QString caption() const { return mCaption; }
    QString url() const { return mUrl; }
    QString tagText;
    QRect elementRect() const { return QRect(left, top, mWidth, mHeight); }
    TQVirtualImageView *imageView() const { return mImageView.get(); }
    // Null without a caption.
    TQVirtualLineView *lineView() const { return mLineView.get(); }
    TQVirtualTextView *textView() const { return mTextView.get(); }

    // Drawn in place of an image that is not at hand (loaded once).
    static const QImage &placeholderImage();

private:
    QString mCaption;
    QString mUrl;
    std::unique_ptr<TQVirtualImageView> mImageView;
    std::unique_ptr<TQVirtualLineView> mLineView;
    std::unique_ptr<TQVirtualTextView> mTextView;
    int mWidth = 0;
    int mHeight = 0;
};
