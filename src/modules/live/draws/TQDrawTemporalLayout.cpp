#include "modules/live/draws/TQDrawTemporalLayout.h"

#include "modules/live/draws/TQBlackboardView.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQLayerPainting.h"
#include "modules/live/draws/TQPointW.h"
#include "modules/live/draws/TQVirtualImageView.h"
#include "utils/CLog.h"

#include <QPainter>

#include <algorithm>

namespace {

struct PointerPicture
{
    const char *path;
    int id;
    int side;
};

PointerPicture eraserPicture(int widthCode, int w)
{
    int side = w / 80;
    if (widthCode == 3 || widthCode == 41)
        side = w / 20;
    else if (widthCode == 20)
        side = w / 15;
    else if (widthCode == 27)
        side = w / 17;
    else if (widthCode == 82)
        side = w / 40;
    return {":/res/live_class_pointer_rubber", 9000, side};
}

PointerPicture laserPicture(int kind, int w)
{
    switch (kind) {
    case 108: return {":/res/live_class_pointer_red", 9001, w / 20};
    case 109: return {":/res/live_class_pointer_green", 9002, w / 20};
    case 110: return {":/res/live_class_pointer_blue", 9003, w / 20};
    case 111: return {":/res/live_class_pointer_yellow", 9004, w / 20};
    case 112: return {":/res/live_class_pointer_red_arrow", 9005, w / 20};
    case 113: return {":/res/live_class_pointer_white_arrow", 9006, w / 20};
    case 114: return {":/res/live_class_pointer_white_hand", 9007, w / 20};
    default: return {":/res/live_class_pointer_orange_pen", 9008, w / 20};
    }
}

PointerPicture penPicture(int widthCode, int colourCode, int w)
{
    int side = w / 60;
    if (widthCode == 3 || widthCode == 41)
        side = w / 20;
    else if (widthCode == 82)
        side = w / 40;
    if (colourCode == 117)
        return {":/res/live_class_pointer_pen_green_draw", 90010, side};
    if (colourCode == 118)
        return {":/res/live_class_pointer_pen_yellow_draw", 9009, side};
    return {":/res/live_class_pointer_pen_red_draw", 90011, side};
}

} // namespace

TQDrawTemporalLayout::TQDrawTemporalLayout(QQuickItem *parent)
    : QQuickPaintedItem(parent)
    , size(boardWidth(), boardHeight())
{
}

TQDrawTemporalLayout::~TQDrawTemporalLayout()
{
    content.release();
    mBlackboardView = nullptr; // deleted with the other children by the frame layout
}

void TQDrawTemporalLayout::paint(QPainter *painter)
{
    content.drawInto(painter);
}

void TQDrawTemporalLayout::setVisibleSize(QSize newSize)
{
    const int oldWidth = size.width();
    size = newSize;
    setEdges(0, 0, newSize.width(), newSize.height());
    // A board that had no width gives no scale to keep the blackboard in.
    if (oldWidth > 0)
        scaleBlackboard(float(newSize.width()) / float(oldWidth));
    createContent(newSize.width(), newSize.height());
}

void TQDrawTemporalLayout::createContent(int width, int height)
{
    content.recreate(QSize(width, height));
    updateInContent();
}

void TQDrawTemporalLayout::updateInContent()
{
    fillTransparent(content.painter(), content.pixmap());
    if (!content.painter()) {
        CLog::error(QStringLiteral("get null m_pContentPainter"), QStringLiteral("TQDrawTemporalLayout::updateInContent "));
        return;
    }
    TQVirtualFrameLayout::paint(content.painter(), 0);
    update();
    changed = true;
}

QImage TQDrawTemporalLayout::contentImage() const
{
    return content.image();
}

TQVirtualView *TQDrawTemporalLayout::findView(int tag) const
{
    for (int i = 0; i < viewCount(); ++i) {
        if (viewAt(i)->tag == tag)
            return viewAt(i);
    }
    return nullptr;
}

TQVirtualImageView *TQDrawTemporalLayout::imageViewFor(int tag, const char *picture)
{
    if (TQVirtualView *found = findView(tag))
        return static_cast<TQVirtualImageView *>(found);
    auto *view = new TQVirtualImageView(this);
    view->tag = tag;
    view->setImagePath(QString::fromLatin1(picture));
    addView(view);
    return view;
}

void TQDrawTemporalLayout::showEditHandles(const TQEditHandleInfo &info)
{
    if (info.hide) {
        clearEditHandles();
        updateInContent();
        return;
    }
    for (int i = 0; i < int(info.vertices.size()); ++i) {
        const TQEditHandleInfo::Vertex &v = info.vertices[size_t(i)];
        if (!v.shown)
            continue;
        imageViewFor(i, ":/res/live_class_shape_circle_vertex")->setEdges(v.x - 10, v.y - 10, v.x + 10, v.y + 10);
    }
    const QRect &b = info.bounds;
    if (info.rotatable) {
        const int w = int(b.width() * 0.8);
        const int h = int(b.height() * 0.2);
        const int cx = info.rotationBaseCentre.x();
        const int cy = info.rotationBaseCentre.y();
        imageViewFor(RotationBaseTag, ":/res/live_class_shape_rotation_base")
            ->setEdges(cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h);
        const int e = std::min(std::max(18, int(b.width() * 0.12)), 40);
        const int x = std::max(0, int(info.rotationAnchor.x() - e * 0.5));
        const int y = std::max(0, int(info.rotationAnchor.y() - e * 1.5));
        imageViewFor(RotationKnobTag, ":/res/live_class_shape_rotation")->setEdges(x, y, x + e, y + e);
    }
    if (info.resizable) {
        const int e = std::min(std::max(18, int(b.width() * 0.08)), 40);
        imageViewFor(ResizeKnobTag, ":/res/live_class_shape_expand_icon")
            ->setEdges(b.right() - e, b.bottom() - e, b.right(), b.bottom());
    }
    if (info.copyable) {
        const int top = b.top() - 21;
        imageViewFor(CopyToBlackboardTag, ":/res/live_class_shape_copy_blackboard")
            ->setEdges(b.left() + 12, top, b.left() + 12 + 73, top + 18);
        imageViewFor(CopyPasteTag, ":/res/live_class_shape_copy_paste")
            ->setEdges(b.left() + 73 + 24, top, b.left() + 73 + 24 + 73, top + 18);
    }
    updateInContent();
}

void TQDrawTemporalLayout::clearEditHandles()
{
    QList<TQVirtualView *> handles;
    for (int i = 0; i < viewCount(); ++i) {
        if (viewAt(i)->tag != BlackboardTag && viewAt(i)->tag != PointerTag)
            handles.append(viewAt(i));
    }
    for (TQVirtualView *view : qAsConst(handles))
        removeView(view);
}

void TQDrawTemporalLayout::updatePointer(bool show, const int *eraserWidthCode, const int *pointerKind,
                                         const int *penWidthCode, const int *penColourCode, const TQPointW *position)
{
    TQVirtualView *existing = findView(PointerTag);
    if (existing && !show) {
        removeView(existing);
        updateInContent();
        return;
    }
    if (!position)
        return;

    const int w = TQVirtualFrameLayout::width();
    PointerPicture picture{"", 0, w / 40};
    if (eraserWidthCode)
        picture = eraserPicture(*eraserWidthCode, w);
    else if (pointerKind)
        picture = laserPicture(*pointerKind, w);
    else if (penWidthCode)
        picture = penPicture(*penWidthCode, penColourCode ? *penColourCode : 0, w);

    auto *pointer = static_cast<TQVirtualImageView *>(existing);
    if (!pointer) {
        pointer = new TQVirtualImageView(this);
        pointer->tag = PointerTag;
        addView(pointer);
        mPointerImageId = 0;
    }
    if (picture.id != mPointerImageId) {
        pointer->setImagePath(QString::fromLatin1(picture.path));
        mPointerImageId = picture.id;
    }
    pointer->setEdges(position->x, position->y, position->x + picture.side, position->y + picture.side);
    updateInContent();
}

void TQDrawTemporalLayout::showBlackboard(const std::string &url, int width, int height, int boardWidth, int x)
{
    if (mBlackboardView)
        removeBlackboard();
    auto *blackboard = new TQBlackboardView(this);
    blackboard->tag = BlackboardTag;
    blackboard->setContent(QString::fromStdString(url), width, height, boardWidth, x);
    mBlackboardView = blackboard;
    addView(blackboard);
    updateInContent();
}

void TQDrawTemporalLayout::moveBlackboard(int dx)
{
    if (auto *blackboard = static_cast<TQBlackboardView *>(findView(BlackboardTag)))
        blackboard->moveBy(dx);
    updateInContent();
}

void TQDrawTemporalLayout::removeBlackboard()
{
    mBlackboardView = nullptr;
    if (TQVirtualView *blackboard = findView(BlackboardTag))
        removeView(blackboard);
    updateInContent();
}

void TQDrawTemporalLayout::scaleBlackboard(float factor)
{
    if (auto *blackboard = static_cast<TQBlackboardView *>(findView(BlackboardTag)))
        blackboard->rescale(factor);
}
