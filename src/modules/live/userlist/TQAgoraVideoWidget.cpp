#include "modules/live/userlist/TQAgoraVideoWidget.h"

#include "modules/live/communications/agora/video_render_opengl.h"

#include <QOpenGLContext>
#include <QPaintEngine>
#include <QPainter>
#include <QQuickWindow>

TQAgoraVideoWidget::TQAgoraVideoWidget(QQuickItem *parent)
    : QQuickPaintedItem(parent)
    , m_renderer(std::make_unique<VideoRendererOpenGL>(int(width()), int(height())))
{
    setRenderTarget(QQuickPaintedItem::FramebufferObject);
    connect(this, &TQAgoraVideoWidget::frameDelivered, this, &TQAgoraVideoWidget::renderFrame);
    connect(this, &TQAgoraVideoWidget::newImageComming_signal, this, &TQAgoraVideoWidget::newImageComming_slot);
    connect(this, &QQuickItem::windowChanged, this, &TQAgoraVideoWidget::handleWindowChanged);
}

TQAgoraVideoWidget::~TQAgoraVideoWidget()
{
    cleanup();
    // The base item leaves its window after this body: no slot of this
    // class may run then.
    disconnect(this, &QQuickItem::windowChanged, this, &TQAgoraVideoWidget::handleWindowChanged);
    if (QQuickWindow *win = window())
        disconnect(win, &QQuickWindow::sceneGraphInvalidated, this, &TQAgoraVideoWidget::cleanup);
}

int TQAgoraVideoWidget::setupRenderer(int zOrder, float left, float top, float right, float bottom)
{
    std::lock_guard<std::mutex> lock(m_frameMutex);
    if (!m_renderer)
        return -1;
    return m_renderer->setRenderRegion(zOrder, left, top, right, bottom);
}

template <class Frame>
int TQAgoraVideoWidget::deliverInto(TQVideoFrameCopy<Frame> &slot, const Frame &frame, int rotation)
{
    if (TQVideoFrameCopy<Frame>::isEmpty(frame))
        return -1;
    int copied = 0;
    {
        std::lock_guard<std::mutex> lock(m_frameMutex);
        // A renderer may still hold the item for a moment after the scene
        // graph went away: its frames have nowhere to go.
        if (m_invalidated)
            return -1;
        m_rotation = rotation;
        copied = slot.copyFrom(frame);
    }
    emit frameDelivered();
    return copied;
}

int TQAgoraVideoWidget::deliverAgoraFrame(const agora::media::VideoFrame &frame, int rotation, bool)
{
    return deliverInto(m_agoraFrame, frame, rotation);
}

int TQAgoraVideoWidget::deliverTesselFrame(const tessel::media::VideoFrame &frame, int rotation, bool)
{
    return deliverInto(m_tesselFrame, frame, rotation);
}

void TQAgoraVideoWidget::deliverImage(const QImage &image)
{
    if (image.isNull())
        return;
    {
        std::lock_guard<std::mutex> lock(m_frameMutex);
        if (m_invalidated)
            return;
    }
    // The item lives on the GUI thread, so the connection queues: the
    // picture is never touched on the render thread after this.
    emit newImageComming_signal(image);
}

void TQAgoraVideoWidget::newImageComming_slot(QImage image)
{
    {
        std::lock_guard<std::mutex> lock(m_frameMutex);
        if (m_invalidated)
            return;
        m_picture = std::move(image);
    }
    update();
}

void TQAgoraVideoWidget::renderFrame()
{
    update();
}

QRect TQAgoraVideoWidget::pictureSourceRect(const QSize &picture, const QSizeF &item)
{
    const double pw = picture.width();
    const double ph = picture.height();
    const double w = item.width();
    const double h = item.height();
    if (pw <= 0 || ph <= 0 || w <= 0 || h <= 0)
        return QRect();
    if (pw * h > w * ph)
        return QRect(int((pw - w * ph / h) / 2), 0, int(w * ph / h), int(ph));
    return QRect(0, int((ph - h * pw / w) / 2), int(pw), int(pw * h / w));
}

void TQAgoraVideoWidget::paint(QPainter *painter)
{
    std::lock_guard<std::mutex> lock(m_frameMutex);
    if (!m_picture.isNull()) {
        // An item without area shows nothing of the picture.
        const QRect source = pictureSourceRect(m_picture.size(), size());
        if (source.isEmpty())
            return;
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter->drawImage(QRect(0, 0, int(width()), int(height())), m_picture, source);
        return;
    }
    if (m_renderer)
        paintFrame(painter);
}

void TQAgoraVideoWidget::paintFrame(QPainter *painter)
{
    // The software scene graph paints into an image: no OpenGL to draw with.
    QPaintEngine *engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::OpenGL2 || !QOpenGLContext::currentContext())
        return;
    painter->beginNativePainting();
    if (!m_renderer->hasProgram())
        m_renderer->setup(int(width()), int(height()));
    m_renderer->setRotation(m_rotation, true);
    if (!m_agoraFrame.isEmpty())
        m_renderer->renderAgoraFrame(m_agoraFrame.frame());
    else if (!m_tesselFrame.isEmpty())
        m_renderer->renderTesselFrame(m_tesselFrame.frame());
    painter->endNativePainting();
}

void TQAgoraVideoWidget::geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    if (newGeometry.width() != oldGeometry.width() || newGeometry.height() != oldGeometry.height()) {
        const int w = int(newGeometry.width());
        const int h = int(newGeometry.height());
        {
            std::lock_guard<std::mutex> lock(m_frameMutex);
            if (m_renderer)
                m_renderer->setSize(w, h);
        }
        emit viewSizeChanged(w, h);
    }
    QQuickPaintedItem::geometryChanged(newGeometry, oldGeometry);
}

void TQAgoraVideoWidget::handleWindowChanged(QQuickWindow *win)
{
    if (!win)
        return;
    // Runs on the scene-graph thread while its context can still free the
    // textures.
    connect(win, &QQuickWindow::sceneGraphInvalidated, this, &TQAgoraVideoWidget::cleanup,
            Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection));
}

void TQAgoraVideoWidget::cleanup()
{
    {
        std::lock_guard<std::mutex> lock(m_frameMutex);
        m_invalidated = true;
        m_agoraFrame.release();
        m_tesselFrame.release();
        m_renderer.reset();
    }
    emit widgetInvalidated();
}
