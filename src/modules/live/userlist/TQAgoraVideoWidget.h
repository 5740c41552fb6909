#pragma once

#include "modules/live/userlist/TQVideoFrameCopy.h"

#include "agora/IAgoraRtcEngine.h"
#include "tessel/ITesselRtcEngine.h"

#include <QImage>
#include <QQuickPaintedItem>

#include <memory>
#include <mutex>

class VideoRendererOpenGL;

// One user's remote video in the student list (QML type AVideoWidget). The
// media engine's renderer pushes frames from the SDK's render thread: I420
// frames that the item keeps and draws with OpenGL in its paint pass, or
// (image mode) ready RGB pictures, which are handed to the GUI thread by
// value and drawn from there on.
class TQAgoraVideoWidget : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQAgoraVideoWidget(QQuickItem *parent = nullptr);
    ~TQAgoraVideoWidget() override;

    // From the renderer's construction; -1 once the OpenGL renderer is gone.
    int setupRenderer(int zOrder, float left, float top, float right, float bottom);
    // Render thread. -1 for an empty or unreadable frame, or after cleanup
    // (the frame is dropped), else 0. The mirror flag is not used: the
    // renderer always draws mirrored.
    int deliverAgoraFrame(const agora::media::VideoFrame &frame, int rotation, bool mirrored);
    int deliverTesselFrame(const tessel::media::VideoFrame &frame, int rotation, bool mirrored);
    // Render thread (image mode): the picture reaches the item through a
    // queued signal; from then on the item draws pictures only. Dropped
    // after cleanup.
    void deliverImage(const QImage &image);

    void paint(QPainter *painter) override;

    // The part of a picture that fills an item of `item` size, centred.
    static QRect pictureSourceRect(const QSize &picture, const QSizeF &item);

signals:
    void frameDelivered();
    void widgetInvalidated();
    void viewSizeChanged(int width, int height);
    void newImageComming_signal(QImage image);

public slots:
    void renderFrame();
    void handleWindowChanged(QQuickWindow *win);
    void cleanup();
    void newImageComming_slot(QImage image);

protected:
    void geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    template <class Frame>
    int deliverInto(TQVideoFrameCopy<Frame> &slot, const Frame &frame, int rotation);
    void paintFrame(QPainter *painter);

    // Written on the GUI thread only, read by the paint pass.
    QImage m_picture;
    std::unique_ptr<VideoRendererOpenGL> m_renderer;
    // Guards the frame slots, the rotation, the renderer and the picture.
    std::mutex m_frameMutex;
    TQVideoFrameCopy<agora::media::VideoFrame> m_agoraFrame;
    TQVideoFrameCopy<tessel::media::VideoFrame> m_tesselFrame;
    int m_rotation = 0;
    // Set by cleanup: later frames and pictures are dropped.
    bool m_invalidated = false;
};
