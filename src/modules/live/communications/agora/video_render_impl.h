#pragma once

#include "modules/live/communications/agora/TQVideoRenderSdk.h"

#include "agora/IAgoraRtcEngine.h"

#include <QImage>
#include <QtGlobal>

struct VideoRenderImplTraits
{
    using Render = agora::media::IExternalVideoRender;
    using Frame = agora::media::VideoFrame;
    using Context = agora::media::ExternalVideoRenderContext;
    using Callback = agora::media::IExternalVideoRenderCallback;
    static constexpr const char *kName = "VideoRenderImpl";

    static int deliver(TQAgoraVideoWidget *view, const Frame &frame, int rotation, bool mirrored)
    {
        return view->deliverAgoraFrame(frame, rotation, mirrored);
    }
};

// The Agora engine's renderer of one remote view. The setting
// "video_widget_render_type" chooses how frames reach the view: 0 (or none)
// as I420 frames the widget draws with OpenGL, anything else as RGB pictures
// converted here, at most one per kImageIntervalMs.
class VideoRenderImpl : public TQVideoRenderSdk<VideoRenderImplTraits>
{
public:
    static constexpr qint64 kImageIntervalMs = 50;

    explicit VideoRenderImpl(const agora::media::ExternalVideoRenderContext &context);

    int deliverFrame(const agora::media::VideoFrame &frame, int rotation, bool mirrored) override;

    bool isOpenGlMode() const { return openGlMode; }

    // The frame as an RGB888 picture; a null image when its planes cannot be
    // read. An odd last row or column is left out (I420 pairs them).
    static QImage convertToImage(const agora::media::VideoFrame &frame);

private:
    qint64 lastImageMs = 0; // render thread only
    bool openGlMode = true;
};
