#include "modules/live/draws/TQDrawTemporalView.h"

#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQLayerPainting.h"
#include "modules/live/draws/TQPath.h"
#include "modules/live/draws/TQPathCircle.h"
#include "modules/live/draws/TQPathLine.h"
#include "modules/live/draws/TQPathText.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QPainter>
#include <QPixmap>

#include <typeinfo>

namespace {

const QString kPaintTag = QStringLiteral("TQDrawTemporalView::paint ");

const QString kUpdateTag = QStringLiteral("TQDrawTemporalView::updateInContent ");

int pointCountOf(const TQPath *path)
{
    return int(qMax(path->points.size(), path->rawPoints.size()));
}

} // namespace

TQDrawTemporalView::TQDrawTemporalView(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

TQDrawTemporalView::~TQDrawTemporalView()
{
    deletePixmaps();
}

void TQDrawTemporalView::deletePixmaps()
{
    // Each painter before its pixmap.
    delete m_pContentPainter;
    m_pContentPainter = nullptr;
    delete m_pContentPixmap;
    m_pContentPixmap = nullptr;
    delete m_pUncompletedContentPainter;
    m_pUncompletedContentPainter = nullptr;
    delete uncompletedPixmap;
    uncompletedPixmap = nullptr;
}

void TQDrawTemporalView::init(TQPenFactory *factory, const QSize &visibleSize)
{
    penFactory = factory;
    size = visibleSize;
    updateContentPainterSize(qMax(0, visibleSize.width()), qMax(0, visibleSize.height()));
}

void TQDrawTemporalView::setVisibleSize(const QSize &visibleSize)
{
    size = visibleSize;
    updateContentPainterSize(visibleSize.width(), visibleSize.height());
}

void TQDrawTemporalView::updateContentPainterSize(int width, int height)
{
    deletePixmaps();
    width = qMax(0, width);
    height = qMax(0, height);
    m_pContentPixmap = new QPixmap(width, height);
    m_pContentPixmap->fill(Qt::transparent);
    m_pContentPainter = new QPainter(m_pContentPixmap);
    m_pContentPainter->setRenderHint(QPainter::Antialiasing, true);
    uncompletedPixmap = new QPixmap(width, height);
    uncompletedPixmap->fill(Qt::transparent);
    m_pUncompletedContentPainter = new QPainter(uncompletedPixmap);
    m_pUncompletedContentPainter->setRenderHint(QPainter::Antialiasing, true);
    CLog::log(QStringLiteral("resize content pixmap size w=%1,h=%2").arg(width).arg(height),
              QStringLiteral("TQDrawTemporalView::updateContentPainterSize "));
}

void TQDrawTemporalView::setPaths(const std::vector<TQPath *> &newPaths, int newTopOffset, int newXOffset, float newZoom)
{
    paths = newPaths;
    topOffset = newTopOffset;
    xOffset = newXOffset;
    zoom = newZoom;
    changed = true;
    updateInContent();
}

void TQDrawTemporalView::showPastePreview(QPixmap *picture, QRect target)
{
    if (!uncompletedPixmap || !picture)
        return;
    fillTransparent(m_pUncompletedContentPainter, uncompletedPixmap);
    if (m_pUncompletedContentPainter && m_pUncompletedContentPainter->isActive())
        m_pUncompletedContentPainter->drawPixmap(target, *picture);
    update();
}

void TQDrawTemporalView::freezeStroke(const TQPath *first)
{
    // The stroke's current picture moves to the frozen pixmap; from now on
    // only the points from a little before the last seen count are drawn.
    if (!m_pUncompletedContentPainter)
        CLog::log(QStringLiteral("m_pUncompletedContentPainter is null"), kUpdateTag);
    else if (!m_pUncompletedContentPainter->isActive())
        CLog::log(QStringLiteral("m_pUncompletedContentPainter is not active now"), kUpdateTag);
    else if (m_pContentPixmap)
        m_pUncompletedContentPainter->drawPixmap(0, 0, *m_pContentPixmap);
    // A calligraphy outline needs more overlap than a line.
    mDrawnBase = mLastPointCount - (typeid(*first) == typeid(TQPathLine) ? 1 : 4);
}

void TQDrawTemporalView::updateInContent()
{
    const int n = int(paths.size());
    const TQPath *first = paths.empty() ? nullptr : paths.front();
    const qint64 interval = first && pointCountOf(first) > 100 ? 50 : 30;
    const qint64 now = currentTimeMillis();
    if (now - lastUpdateTime < interval && n == mStrokePathCount)
        return;
    lastUpdateTime = now;

    if (n == 0 || !first) {
        mStrokeId = 0;
        mStrokePathCount = 0;
        mDrawnBase = 0;
        mLastPointCount = 0;
    } else if (first->strokeId == mStrokeId && n == mStrokePathCount && typeid(*first) != typeid(TQPathCircle)
               && typeid(*first) != typeid(TQPathText)) {
        const int count = pointCountOf(first);
        if (count - mDrawnBase > mMaxPointsPerLine)
            freezeStroke(first);
        else
            mLastPointCount = count;
    } else {
        mDrawnBase = 0;
        mLastPointCount = 0;
        mStrokeId = first->strokeId;
        mStrokePathCount = n;
    }

    if (mDrawnBase < 1)
        fillTransparent(m_pUncompletedContentPainter, uncompletedPixmap);
    fillTransparent(m_pContentPainter, m_pContentPixmap);

    if (paths.empty() || !penFactory) {
        update();
        return;
    }
    if (!m_pContentPainter) {
        CLog::log(QStringLiteral("TQDrawTemporalView::updateInContent m_pContentPainter is nullptr."), kUpdateTag);
        return;
    }
    if (!m_pContentPainter->isActive()) {
        CLog::log(QStringLiteral("m_pContentPainter is not active"), kUpdateTag);
        return;
    }

    qint64 copyMs = 0;
    qint64 drawMs = 0;
    int copyPoints = 0;
    for (TQPath *path : paths) {
        if (!path)
            continue;
        path->drawnCount = mDrawnBase > 0 ? mDrawnBase : 0;
        const qint64 copyStart = currentTimeMillis();
        TQPath *scrolled = path->copyFromDrawn(0, float(-topOffset), zoom);
        TQPath *panned = scrolled->copyFromDrawn(float(-xOffset), 0, 1.0f);
        TQPath *copy = panned->copyRescaled(size);
        delete scrolled;
        delete panned;
        path->drawnCount = 0;
        const qint64 drawStart = currentTimeMillis();
        TQDrawSketchView::drawPathCopy(m_pContentPainter, copy, penFactory, false);
        const qint64 drawEnd = currentTimeMillis();
        copyMs = drawStart - copyStart;
        drawMs = drawEnd - drawStart;
        copyPoints = pointCountOf(copy);
        delete copy;
    }
    update();
    adaptToDrawingTimes(copyMs, drawMs, copyPoints);
}

void TQDrawTemporalView::adaptToDrawingTimes(qint64 copyMs, qint64 drawMs, int pointCount)
{
    if (copyMs <= 10 && drawMs <= 10)
        return;
    const qint64 m = qMax(copyMs / 10, drawMs / 10);
    if (m <= 2)
        mMaxPointsPerLine -= 10;
    else
        mMaxPointsPerLine /= 2;
    CLog::log(QStringLiteral("test temp draw time %1,%2, point count %3, reset max point per line %4")
                  .arg(copyMs).arg(drawMs).arg(pointCount).arg(mMaxPointsPerLine),
              kUpdateTag);
    if (mMaxPointsPerLine < kLeastMaxPointsPerLine)
        mMaxPointsPerLine = kLeastMaxPointsPerLine;
}

void TQDrawTemporalView::paint(QPainter *painter)
{
    if (!m_pContentPixmap)
        return;
    if (!painter->isActive())
        logPaintProblem(inactivePaintCount, QStringLiteral("painter is not active, count:%1"), kPaintTag);
    if (m_pUncompletedContentPainter && m_pUncompletedContentPainter->isActive())
        painter->drawPixmap(m_pContentPixmap->rect(), *uncompletedPixmap);
    else
        logPaintProblem(inactivePaintCount, QStringLiteral("m_pUncompletedContentPainter is not active, count:%1"), kPaintTag);
    if (m_pContentPainter && m_pContentPainter->isActive())
        painter->drawPixmap(m_pContentPixmap->rect(), *m_pContentPixmap);
    else
        logPaintProblem(inactivePaintCount, QStringLiteral("m_pContentPixmap is not active, count:%1"), kPaintTag);
}

QImage TQDrawTemporalView::contentImage() const
{
    return m_pContentPixmap ? m_pContentPixmap->toImage() : QImage();
}

QImage TQDrawTemporalView::uncompletedImage() const
{
    return uncompletedPixmap ? uncompletedPixmap->toImage() : QImage();
}
