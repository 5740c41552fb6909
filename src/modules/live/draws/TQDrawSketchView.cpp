#include "modules/live/draws/TQDrawSketchView.h"

#include "modules/live/draws/TQLayerPainting.h"
#include "modules/live/draws/TQPath.h"
#include "modules/live/draws/TQPathCalligraphy.h"
#include "modules/live/draws/TQPathCircle.h"
#include "modules/live/draws/TQPathClearRect.h"
#include "modules/live/draws/TQPathImage.h"
#include "modules/live/draws/TQPathLine.h"
#include "modules/live/draws/TQPathText.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QFileInfo>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <typeinfo>

namespace {

const QString kPaintTag = QStringLiteral("TQDrawSketchView::paint ");

const QString kRedrawTag = QStringLiteral("TQDrawSketchView::redrawPaths ");

} // namespace

TQDrawSketchView::TQDrawSketchView(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setMipmap(true);
}

TQDrawSketchView::~TQDrawSketchView()
{
    deleteBuffer();
}

void TQDrawSketchView::makeBuffer()
{
    deleteBuffer();
    m_pBufferPageBitmap = new QPixmap(int(width()), int(height() * kScreensInBuffer));
    m_pBufferPageBitmap->fill(Qt::transparent);
    m_pBufferPagePainter = new QPainter(m_pBufferPageBitmap);
    m_pBufferPagePainter->setRenderHint(QPainter::Antialiasing, true);
}

void TQDrawSketchView::deleteBuffer()
{
    // The painter first: it still works on the buffer.
    delete m_pBufferPagePainter;
    m_pBufferPagePainter = nullptr;
    delete m_pBufferPageBitmap;
    m_pBufferPageBitmap = nullptr;
}

void TQDrawSketchView::clearBuffer()
{
    fillTransparent(m_pBufferPagePainter, m_pBufferPageBitmap);
}

void TQDrawSketchView::init(TQPenFactory *factory, QSize visibleSize)
{
    penFactory = factory;
    mXOffset = 0;
    mZoom = 1.0f;
    mVisibleSize = visibleSize;
    mOriPointSize = visibleSize;
    makeBuffer();
    const QString tag = QStringLiteral("TQDrawSketchView::init ");
    CLog::log(QString::asprintf("TQDrawSketchView::init visibleSize(%d, %d)", visibleSize.width(), visibleSize.height()),
              tag);
    CLog::log(QString::asprintf("TQDrawSketchView::init m_pBufferPageBitmap Size(%d, %d)",
                                m_pBufferPageBitmap->width(), m_pBufferPageBitmap->height()),
              tag);
}

void TQDrawSketchView::setVisibleSize(QSize size, float zoom, int xOffset)
{
    mVisibleSize = size;
    mZoom = zoom;
    mXOffset = xOffset;
    changed = true;
    setSize(QSizeF(size));
    resizeBufferBitmap(zoom, xOffset);
}

void TQDrawSketchView::resizeBufferBitmap(float zoom, int xOffset)
{
    const int bufferWidth = m_pBufferPageBitmap ? m_pBufferPageBitmap->width() : 0;
    if (!m_pBufferPageBitmap || int(width()) > bufferWidth) {
        CLog::log(QStringLiteral("resize buffer pixmap %1,%2").arg(int(width())).arg(bufferWidth),
                  QStringLiteral("TQDrawSketchView::resizeBufferBitmap "));
        makeBuffer();
    } else {
        // The buffer never shrinks; a taller item alone does not enlarge it.
        clearBuffer();
    }
    mXOffset = xOffset;
    mZoom = zoom;
    const std::vector<TQPath *> paths = drawnPaths;
    redrawPaths(paths, mTopOffset, true, true, xOffset, zoom);
}

int TQDrawSketchView::visibleToPage(int value) const
{
    if (mVisibleSize.width() < 1)
        return value;
    return int(qint64(value) * mOriPointSize.width() / mVisibleSize.width());
}

int TQDrawSketchView::pageToVisible(int value) const
{
    if (mOriPointSize.width() < 1)
        return value;
    return int(qint64(value) * mVisibleSize.width() / mOriPointSize.width());
}

int TQDrawSketchView::bufferTop() const
{
    if (mVisibleSize.width() < 1)
        return mTopOffset;
    return visibleToPage(mBufferTopOffset);
}

QSize TQDrawSketchView::bufferSize() const
{
    return m_pBufferPageBitmap ? m_pBufferPageBitmap->size() : QSize();
}

QImage TQDrawSketchView::bufferImage() const
{
    return m_pBufferPageBitmap ? m_pBufferPageBitmap->toImage() : QImage();
}

void TQDrawSketchView::scrollTo(int topOffset, int xOffset, float zoom)
{
    const int bufferHeight = m_pBufferPageBitmap ? m_pBufferPageBitmap->height() : 0;
    if (topOffset >= bufferTop() && visibleToPage(bufferHeight + mBufferTopOffset) >= topOffset + mOriPointSize.height()) {
        // The visible window lies inside the buffer: only the slice moves.
        mTopOffset = topOffset;
        update();
        return;
    }
    mBufferTopOffset = qMax(0, pageToVisible(topOffset) - (bufferHeight - mVisibleSize.height()) / 2);
    const std::vector<TQPath *> paths = drawnPaths;
    redrawPaths(paths, topOffset, true, true, xOffset, zoom);
}

TQDrawSketchView::Kind TQDrawSketchView::kindOf(const TQPath *path)
{
    if (dynamic_cast<const TQPathCalligraphy *>(path))
        return Calligraphy;
    const std::type_info &type = typeid(*path);
    if (type == typeid(TQPathLine))
        return Line;
    if (type == typeid(TQPathCircle))
        return Circle;
    if (type == typeid(TQPathImage))
        return Image;
    if (type == typeid(TQPathClearRect))
        return ClearRect;
    if (type == typeid(TQPathText))
        return Text;
    return NotDrawn;
}

bool TQDrawSketchView::insideBuffer(const TQPath *path, Kind kind) const
{
    const int bufferPageHeight = visibleToPage(m_pBufferPageBitmap->height());
    const int top = bufferTop();
    if (kind == Calligraphy || kind == Line)
        return qint64(path->minY) - top < bufferPageHeight && qint64(path->maxY) - top >= 1;
    const QRectF &rect = static_cast<const TQPathRect *>(path)->rect;
    return rect.top() - top < bufferPageHeight && rect.bottom() - top > 0;
}

void TQDrawSketchView::redrawPaths(const std::vector<TQPath *> &paths, int topOffset, bool shouldCompleteRefresh,
                                   bool force, int xOffset, float zoom)
{
    if (!m_pBufferPageBitmap) {
        CLog::error(QStringLiteral("m_pBufferPageBitmap is null errrrrrrrrrr"), kRedrawTag);
        return;
    }
    if (mVisibleSize.width() < 0 || mVisibleSize.height() < 0) {
        CLog::error(QStringLiteral("mVisibleSize:width=%1,height=%2 errrrrrrrrrr")
                        .arg(mVisibleSize.width()).arg(mVisibleSize.height()),
                    kRedrawTag);
        return;
    }
    changed = true;
    bool refresh = shouldCompleteRefresh;

    if (!force && std::fabs(zoom - mZoom) < 0.01f && xOffset == mXOffset && mVisibleSize.width() > 0
        && mOriPointSize.width() > 0) {
        // A scroll of less than the buffer's spare screen on either side: the
        // buffer still holds the visible window.
        const float d = std::fabs(float(topOffset - mTopOffset)) / float(mVisibleSize.width());
        const float limit = (float(mOriPointSize.height()) * (kScreensInBuffer - 1) / 2.0f / mZoom)
                            / float(mOriPointSize.width());
        if (d < limit) {
            CLog::log(QStringLiteral("redraw path return for (%1-%2)/%3<(%4*(%5-1))/2/%6")
                          .arg(topOffset).arg(mTopOffset).arg(mVisibleSize.width())
                          .arg(mOriPointSize.height()).arg(kScreensInBuffer).arg(mZoom),
                      kRedrawTag);
            return;
        }
    }
    if (topOffset != mTopOffset || xOffset != mXOffset || std::fabs(zoom - mZoom) > 0.01f) {
        refresh = true;
        mTopOffset = topOffset;
        mXOffset = xOffset;
        mZoom = zoom;
    }
    if (refresh)
        clearBuffer();

    if (width() <= 1.0 || height() <= 1.0) {
        CLog::log(QStringLiteral("error happened for size %1,%2").arg(width()).arg(height()), kRedrawTag);
        return;
    }
    if (m_pBufferPageBitmap->width() <= 1 || m_pBufferPageBitmap->height() <= 1) {
        CLog::log(QStringLiteral("error happened for pixmap size %1,%2")
                      .arg(m_pBufferPageBitmap->width()).arg(m_pBufferPageBitmap->height()),
                  kRedrawTag);
        return;
    }
    if (!m_pBufferPagePainter || !m_pBufferPagePainter->isActive()) {
        CLog::log(QStringLiteral("m_pBufferPagePainter is not active"), kRedrawTag);
        return;
    }

    // Incremental rule: the same first stroke means the list only grew (or
    // its last path changed); another first stroke means another page.
    size_t first = 0;
    if (!drawnPaths.empty()) {
        const TQPath *firstNew = paths.empty() ? nullptr : paths.front();
        const TQPath *firstDrawn = drawnPaths.front();
        if (!firstNew || (firstDrawn && firstNew->strokeId == firstDrawn->strokeId)) {
            const size_t oldCount = drawnPaths.size();
            if (!refresh)
                first = paths.size() > oldCount ? oldCount : oldCount - 1;
        } else {
            CLog::log(QStringLiteral("clear all path"), kRedrawTag);
            drawnPaths.clear();
        }
    }
    drawnPaths = paths;

    const QSize target = mVisibleSize;
    const int top = bufferTop();
    for (size_t i = first; i < drawnPaths.size(); ++i) {
        TQPath *path = drawnPaths[i];
        m_pBufferPagePainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (!path || (!refresh && !path->dirty))
            continue;
        const Kind kind = kindOf(path);
        if (kind != NotDrawn && insideBuffer(path, kind)) {
            TQPath *copy = path->copyShifted(float(-mXOffset), float(-top), target, mZoom);
            drawPathCopy(m_pBufferPagePainter, copy, penFactory, true);
            delete copy;
        }
        path->dirty = false;
    }
    update();
}

void TQDrawSketchView::paint(QPainter *painter)
{
    if (!m_pBufferPageBitmap)
        return;
    const float scale = mOriPointSize.width() > 0 ? float(mVisibleSize.width()) / float(mOriPointSize.width()) : 1.0f;
    const int sourceY = int(scale * ((float(mTopOffset - bufferTop()) + 0.5f) * mZoom));
    if (!painter->isActive())
        logPaintProblem(inactivePaintCount, QStringLiteral("painter is not active, count:%1"), kPaintTag);
    if (m_pBufferPagePainter && m_pBufferPagePainter->isActive()) {
        painter->drawPixmap(mXOffset, 0, int(width()), int(height()), *m_pBufferPageBitmap, 0, sourceY, int(width()),
                            int(height()));
    } else {
        logPaintProblem(inactivePaintCount, QStringLiteral("m_pBufferPagePainter is not active, count:%1"), kPaintTag);
    }
}

void TQDrawSketchView::test()
{
    const QString tag = QStringLiteral("TQDrawSketchView::test ");
    CLog::log(QStringLiteral("size %1,%2, topoffset %3").arg(width()).arg(height()).arg(mTopOffset), tag);
    if (!m_pBufferPageBitmap) {
        CLog::log(QStringLiteral("buffer pixmap null"), tag);
        return;
    }
    CLog::log(QStringLiteral("buffer pixmap %1,%2, path size %3, is null %4, isActive %5")
                  .arg(m_pBufferPageBitmap->width()).arg(m_pBufferPageBitmap->height())
                  .arg(drawnPaths.size()).arg(m_pBufferPageBitmap->isNull())
                  .arg(m_pBufferPagePainter && m_pBufferPagePainter->isActive()),
              tag);
    if (m_pBufferPagePainter && m_pBufferPagePainter->isActive())
        m_pBufferPagePainter->drawLine(10, 0, 300, 400);

    const QString folder = QFileInfo(CLog::currentLogPath()).absolutePath();
    const QString stamp = QString::number(currentTimeMillis());
    const QString path = QStringLiteral("%1/%2.png").arg(folder, stamp);
    if (m_pBufferPageBitmap->save(path, "PNG")) {
        CLog::log(QStringLiteral("save sketch view pixmpa %1 success").arg(path), tag);
    } else {
        CLog::log(QStringLiteral("save sketch view pximap %1 failed").arg(path), tag);
        const QImage image = m_pBufferPageBitmap->toImage();
        CLog::log(QStringLiteral("try image %1,%2...isNull %3").arg(image.width()).arg(image.height()).arg(image.isNull()),
                  tag);
        CLog::log(image.save(path, "PNG") ? QStringLiteral("save ok finally") : QStringLiteral("save error again"), tag);
    }

    QPixmap slice{int(width()), int(height())};
    slice.fill(Qt::white);
    {
        QPainter painter(&slice);
        painter.drawPixmap(0, 0, *m_pBufferPageBitmap, 0, pageToVisible(mTopOffset - bufferTop()), slice.width(),
                           slice.height());
    }
    const QString miniPath = QStringLiteral("%1/%2_mini.png").arg(folder, stamp);
    CLog::log(slice.save(miniPath, "PNG") ? QStringLiteral("save temp sketch view pixmpa %1 success").arg(miniPath)
                                          : QStringLiteral("save temp sketch view pixmap %1 fialed").arg(miniPath),
              tag);
}
