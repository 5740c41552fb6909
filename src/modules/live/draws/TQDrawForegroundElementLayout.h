#pragma once

#include "modules/live/draws/TQVirtualView.h"

#include <QColor>
#include <QRect>
#include <QSize>

#include <memory>

class TQVirtualImageView;
class TQVirtualLineView;
class TQVirtualTextView;

// One cover board: a box labelled "遮挡板" that hides part of the page, with
// a close button at its top right corner and a resize button at its bottom
// right corner. Its rectangle is in visible board pixels of the page (y from
// the page top).
class TQDrawForegroundElementLayout : public TQVirtualView
{
public:
    // Cover boards added from the classroom tools carry this source value
    // and get the light grey box.
    static constexpr int kToolSourceValue = 1000;

    TQDrawForegroundElementLayout();
    ~TQDrawForegroundElementLayout() override;

    void setUp(int tag, int kind, QRect rect, int sourceValue, bool closeVisible, bool expandVisible);
    // Hides the base's setRect: the buttons follow the board's size.
    void setRect(const QRect &r);
    void layout();
    void paint(QPainter *painter, int yOffset) override;

    // Hidden buttons still show their pictures but answer no press.
    bool hitClose(int x, int y) const;
    bool hitExpand(int x, int y) const;
    bool hitBody(int x, int y) const;
    bool intersects(int y, const QSize &visible) const;

    int kind() const { return mKind; }
    int sourceValue() const { return mSourceValue; }
    QRect boardRect() const { return mRect; }
    int buttonSize() const { return mButtonSize; }
    QColor boxColor() const;

private:
    int mKind = 0;
    QRect mRect{0, 0, 0, 0};
    int mSourceValue = -1;
    bool mCloseVisible = true;
    bool mExpandVisible = true;
    std::unique_ptr<TQVirtualLineView> mBox;
    std::unique_ptr<TQVirtualImageView> mCloseButton;
    std::unique_ptr<TQVirtualImageView> mExpandButton;
    std::unique_ptr<TQVirtualTextView> mLabel;
    int mButtonSize = 12;
};
