#pragma once

#include <QImage>
#include <QQuickPaintedItem>
#include <QSize>

#include <vector>

class QPixmap;
class TQPath;
class TQPenFactory;

// The board layer that shows the committed paths of the current page. Paths
// are rendered once into an off-screen buffer three screens high, through a
// painter kept open on it; paint only copies the visible slice. New paths are
// added incrementally; a scroll inside the buffer only moves the slice, while
// a scroll out of it, a resize or a zoom change renders the buffer again
// around the new place.
//
// Paths are in page coordinates (the board width at init); the buffer and the
// item in visible pixels. The paths belong to the page; the view keeps
// pointers to the last list it was given, so the caller hands it a new list
// before the old paths go. GUI thread only.
class TQDrawSketchView : public QQuickPaintedItem
{
    Q_OBJECT

public:
    static constexpr int kScreensInBuffer = 3;
    // Eraser width used for a stroke whose width code is not positive.
    static constexpr int kDefaultEraserWidthCode = 41;

    explicit TQDrawSketchView(QQuickItem *parent = nullptr);
    ~TQDrawSketchView() override;

    // Once, when the board is set up: the page width is the visible width now.
    void init(TQPenFactory *penFactory, QSize visibleSize);
    void setVisibleSize(QSize size, float zoom, int xOffset);
    void resizeBufferBitmap(float zoom, int xOffset);
    void scrollTo(int topOffset, int xOffset, float zoom);
    void redrawPaths(const std::vector<TQPath *> &paths, int topOffset, bool shouldCompleteRefresh, bool force,
                     int xOffset, float zoom);
    void paint(QPainter *painter) override;
    // Diagnostic: saves the buffer and the visible slice as pictures in the log folder.
    void test();

    // Set when the layer's picture may have changed; the frame capture clears it.
    bool isChanged() const { return changed; }
    void setChanged(bool value) { changed = value; }

    // Draws one path copy (already in the target's pixels). With clearModes
    // false, erasing strokes and cleared rectangles leave no mark (the
    // temporal view draws them so).
    static void drawPathCopy(QPainter *painter, TQPath *copy, TQPenFactory *penFactory, bool clearModes);

    int topOffset() const { return mTopOffset; }
    int bufferTopOffset() const { return mBufferTopOffset; }
    // The page row the buffer starts at.
    int bufferTop() const;
    QSize bufferSize() const;
    // A copy of the buffer's pixels (null without a buffer).
    QImage bufferImage() const;
    const std::vector<TQPath *> &paths() const { return drawnPaths; }

private:
    // The path's type as far as this view draws it (0 = not drawn).
    enum Kind { NotDrawn, Calligraphy, Line, Circle, Image, ClearRect, Text };
    static Kind kindOf(const TQPath *path);
    static void drawLine(QPainter *painter, TQPath *copy, TQPenFactory *penFactory, bool clearModes);
    static void drawImage(QPainter *painter, TQPath *copy);

    void makeBuffer();
    void deleteBuffer();
    void clearBuffer();
    // Buffer rows -> page rows and back; 1:1 while a size is not usable.
    int visibleToPage(int value) const;
    int pageToVisible(int value) const;
    bool insideBuffer(const TQPath *path, Kind kind) const;

    bool changed = true;
    std::vector<TQPath *> drawnPaths;
    TQPenFactory *penFactory = nullptr;
    QSize mVisibleSize{1, 1};
    QPixmap *m_pBufferPageBitmap = nullptr;
    QPainter *m_pBufferPagePainter = nullptr;
    QSize mOriPointSize{1, 1};
    int inactivePaintCount = 0;
    int mTopOffset = 0;
    int mBufferTopOffset = 0;
    int mXOffset = 0;
    float mZoom = 1.0f;
};
