#pragma once

#include <QImage>
#include <QQuickPaintedItem>
#include <QRect>
#include <QSize>

#include <vector>

class QPixmap;
class TQPath;
class TQPenFactory;

// The board layer that shows what is being drawn and not yet committed: the
// draw manager's pending paths, handed over whole after every change. Long
// strokes stay cheap: the older part of the current stroke is frozen into a
// second pixmap and only the tail is drawn again; how many points may pile up
// before the next freeze follows the measured drawing times.
// The paths belong to the draw manager. GUI thread only.
class TQDrawTemporalView : public QQuickPaintedItem
{
    Q_OBJECT

public:
    static constexpr int kInitialMaxPointsPerLine = 500;
    static constexpr int kLeastMaxPointsPerLine = 30;

    explicit TQDrawTemporalView(QQuickItem *parent = nullptr);
    ~TQDrawTemporalView() override;

    void init(TQPenFactory *penFactory, const QSize &size);
    void setVisibleSize(const QSize &size);
    void updateContentPainterSize(int width, int height);
    void setPaths(const std::vector<TQPath *> &paths, int topOffset, int xOffset, float zoom);
    // Shows `picture` scaled into `target` while a pasted picture uploads.
    void showPastePreview(QPixmap *picture, QRect target);
    void updateInContent();
    void paint(QPainter *painter) override;

    // Adjusts maxPointsPerLine from the times (ms) the last path took to copy
    // and to draw; `pointCount` is that copy's point count, for the log.
    void adaptToDrawingTimes(qint64 copyMs, qint64 drawMs, int pointCount);

    bool isChanged() const { return changed; }
    void setChanged(bool value) { changed = value; }

    int drawnBase() const { return mDrawnBase; }
    int lastPointCount() const { return mLastPointCount; }
    int maxPointsPerLine() const { return mMaxPointsPerLine; }
    int strokeId() const { return mStrokeId; }
    int strokePathCount() const { return mStrokePathCount; }
    QImage contentImage() const;
    QImage uncompletedImage() const;

private:
    void deletePixmaps();
    void freezeStroke(const TQPath *first);

    std::vector<TQPath *> paths;
    TQPenFactory *penFactory = nullptr;
    int topOffset = 0;
    int xOffset = 0;
    float zoom = 1.0f;
    QSize size;
    QPixmap *m_pContentPixmap = nullptr;
    QPainter *m_pContentPainter = nullptr;
    QPixmap *uncompletedPixmap = nullptr;
    QPainter *m_pUncompletedContentPainter = nullptr;
    int inactivePaintCount = 0;
    qint64 lastUpdateTime = 0;
    int mStrokeId = 0;
    int mStrokePathCount = 0;
    int mDrawnBase = 0;
    int mLastPointCount = 0;
    int mMaxPointsPerLine = kInitialMaxPointsPerLine;
    bool changed = true;
};
