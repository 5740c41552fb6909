#pragma once

#include "modules/live/draws/TQEditHandleInfo.h"
#include "modules/live/draws/TQLayerContent.h"
#include "modules/live/draws/TQVirtualFrameLayout.h"

#include <QQuickPaintedItem>
#include <QSize>

#include <string>

class TQBlackboardView;
class TQPointW;
class TQVirtualImageView;

// The overlay of momentary things: the edit handles of the shape being
// edited, the pen or laser pointer and the small blackboard. They are child
// views of the layout itself (its root view has no parent, so their edges are
// visible board pixels), found by tag, and painted into one content pixmap
// that paint() copies. GUI thread only.
class TQDrawTemporalLayout : public QQuickPaintedItem, public TQVirtualFrameLayout
{
    Q_OBJECT

public:
    enum Tag {
        RotationBaseTag = 101,
        RotationKnobTag = 102,
        ResizeKnobTag = 103,
        CopyToBlackboardTag = 104,
        CopyPasteTag = 105,
        BlackboardTag = 20000,
        PointerTag = 80001,
    };

    explicit TQDrawTemporalLayout(QQuickItem *parent = nullptr);
    ~TQDrawTemporalLayout() override;

    void paint(QPainter *painter) override;

    void setVisibleSize(QSize size);
    void createContent(int width, int height);
    void updateInContent();

    void showEditHandles(const TQEditHandleInfo &info);
    // Leaves the small blackboard and the pointer.
    void clearEditHandles();
    TQVirtualView *findView(int tag) const;

    // Each pointer argument may be null. `position` is in visible board pixels.
    void updatePointer(bool show, const int *eraserWidthCode, const int *pointerKind, const int *penWidthCode,
                       const int *penColourCode, const TQPointW *position);
    int pointerImageId() const { return mPointerImageId; }

    void showBlackboard(const std::string &url, int width, int height, int boardWidth, int x);
    void moveBlackboard(int dx);
    void removeBlackboard();
    void scaleBlackboard(float factor);
    TQBlackboardView *blackboardView() const { return mBlackboardView; }

    bool isChanged() const { return changed; }
    void setChanged(bool value) { changed = value; }
    QSize contentSize() const { return size; }
    // A copy of the rendered overlay; null before the first setVisibleSize.
    QImage contentImage() const;

private:
    TQVirtualImageView *imageViewFor(int tag, const char *picture);

    int mPointerImageId = 0;
    TQBlackboardView *mBlackboardView = nullptr; // one of the children
    QSize size;
    TQLayerContent content;
    bool changed = false;
};
