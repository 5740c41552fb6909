#pragma once

#include "modules/live/draws/TQVirtualView.h"

#include <QString>

#include <memory>

class TQVirtualImageView;

// The small blackboard: a copied board region in an 8-pixel frame hanging
// from the board's top edge, dragged sideways by the teacher and removed
// through its pull-down handle. Hosted by the temporal layout; its pieces are
// child views with this view as parent, so their edges are relative to it.
class TQBlackboardView : public TQVirtualView
{
public:
    static constexpr int kFrame = 8;

    explicit TQBlackboardView(TQVirtualView *parent = nullptr);
    ~TQBlackboardView() override;

    // `x` is the position the blackboard had when it was last dragged, so a
    // blackboard shown again returns there. The same url (any letter case) on
    // an unchanged board width changes nothing.
    void setContent(const QString &url, int width, int height, int boardWidth, int x);
    // Drags sideways: at most three quarters of the blackboard may leave the
    // board on the left, and its right edge may pass the board width by at
    // most about three quarters of its width.
    void moveBy(int dx);
    void rescale(float factor);

    // A press on the pull-down handle (also up to 10 pixels above the board).
    bool isOnEraseButton(int px, int py) const;
    // A press on the blackboard or within its margin: 30 pixels on the sides
    // and below, 10 above.
    bool isOnBoard(int px, int py) const;

    void paint(QPainter *painter, int yOffset) override;

    int x() const { return mX; }
    QString url() const { return mUrl; }
    int pictureWidth() const { return mWidth; }
    int pictureHeight() const { return mHeight; }
    int boardWidth() const { return mBoardWidth; }
    int handleX() const { return mHandleX; }
    int handleWidth() const { return mHandleWidth; }
    // Null until the first setContent.
    TQVirtualImageView *body() const { return mBody.get(); }
    TQVirtualImageView *handle() const { return mHandle.get(); }

private:
    std::unique_ptr<TQVirtualImageView> makePiece(const char *picture);

    int mX = 0;
    QString mUrl;
    int mWidth = 0;
    int mHeight = 0;
    int mBoardWidth = 0;
    int mHandleX = 0;
    std::unique_ptr<TQVirtualImageView> mLeftFrame;
    std::unique_ptr<TQVirtualImageView> mRightFrame;
    std::unique_ptr<TQVirtualImageView> mTopFrame;
    std::unique_ptr<TQVirtualImageView> mBottomFrame;
    std::unique_ptr<TQVirtualImageView> mBody;
    std::unique_ptr<TQVirtualImageView> mHandle;
    const int mHandleWidth;
};
