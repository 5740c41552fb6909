#include "modules/live/draws/TQBlackboardView.h"

#include "modules/live/draws/TQVirtualImageView.h"
#include "utils/FileUtils.h"
#include "utils/TextMetrics.h"

#include <QFileInfo>

#include <algorithm>

TQBlackboardView::TQBlackboardView(TQVirtualView *parent)
    : TQVirtualView(parent)
    , mHandleWidth(2 * getTextSize(9, QStringLiteral("鎾ら攢"), QString()).width())
{
}

TQBlackboardView::~TQBlackboardView() = default;

std::unique_ptr<TQVirtualImageView> TQBlackboardView::makePiece(const char *picture)
{
    auto view = std::make_unique<TQVirtualImageView>(this);
    view->setImagePath(QString::fromLatin1(picture));
    return view;
}

void TQBlackboardView::setContent(const QString &url, int width, int height, int boardWidth, int x)
{
    if (!mUrl.isEmpty() && mUrl.compare(url, Qt::CaseInsensitive) == 0 && mBoardWidth == boardWidth)
        return;
    const int w = width + 2 * kFrame;
    const int h = height + 2 * kFrame;
    mUrl = url;
    mWidth = width;
    mHeight = height;
    mBoardWidth = boardWidth;
    mX = x;
    setEdges(x, 0, x + w, h);

    if (!mLeftFrame) {
        mLeftFrame = makePiece(":/res/live_class_blackboard_left");
        mRightFrame = makePiece(":/res/live_class_blackboard_right");
        mTopFrame = makePiece(":/res/live_class_blackboard_top");
        mBottomFrame = makePiece(":/res/live_class_blackboard_down");
        mBody = std::make_unique<TQVirtualImageView>(this);
        mHandle = makePiece(":/res/live_class_board_pull_down");
    }
    mLeftFrame->setEdges(0, 0, kFrame, h);
    mRightFrame->setEdges(width + kFrame, 0, width + 2 * kFrame, h);
    mTopFrame->setEdges(0, 0, w, kFrame);
    mBottomFrame->setEdges(0, height + kFrame, w, height + 2 * kFrame);
    mBody->setEdges(kFrame, kFrame, kFrame + width, kFrame + height);
    // A picture not downloaded yet leaves the frame empty rather than showing
    // the previous content of this blackboard.
    const QString local = FileUtils::getResourceFileFromUrl(url);
    mBody->setImagePath(QFileInfo::exists(local) ? local : QString());
    mHandle->setEdges(w - mHandleWidth, 0, w, mHandleWidth / 2);
    moveBy(0);
}

void TQBlackboardView::moveBy(int dx)
{
    const int lo = (-3 * mWidth) / 4;
    const int hi = mBoardWidth + (mWidth / 4) * 3;
    mX = std::min(std::max(mX + dx, lo), hi);
    if (mX + mWidth > hi)
        mX = hi - mWidth;
    setEdges(mX, 0, mX + mWidth + 2 * kFrame, mHeight + 2 * kFrame);

    // Past the board's right edge the handle stays at the board's edge, where
    // the teacher can still reach it.
    const int overhang = mX + mWidth - mBoardWidth;
    if (overhang < 1)
        mHandleX = mWidth + 2 * kFrame - mHandleWidth;
    else
        mHandleX = mWidth + 2 * kFrame - overhang - mHandleWidth;
    if (mHandle)
        mHandle->setEdges(mHandleX, 0, mHandleX + mHandleWidth, mHandleWidth / 2);
}

void TQBlackboardView::rescale(float factor)
{
    setContent(mUrl, int(mWidth * factor), int(mHeight * factor), int(mBoardWidth * factor), int(mX * factor));
}

bool TQBlackboardView::isOnEraseButton(int px, int py) const
{
    return py >= -10 && py <= mHandleWidth / 2 && px >= mX + mHandleX && px <= mX + mHandleX + mHandleWidth * 1.2;
}

bool TQBlackboardView::isOnBoard(int px, int py) const
{
    return !(py > mHeight + 30 || py < -10 || px < mX - 30 || px > mX + mWidth + 30);
}

void TQBlackboardView::paint(QPainter *painter, int yOffset)
{
    if (!mLeftFrame)
        return;
    for (TQVirtualImageView *piece :
         {mLeftFrame.get(), mRightFrame.get(), mTopFrame.get(), mBody.get(), mBottomFrame.get(), mHandle.get()})
        piece->paint(painter, yOffset);
}
