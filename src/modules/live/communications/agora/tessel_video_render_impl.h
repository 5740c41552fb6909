#pragma once

#include "modules/live/communications/agora/TQVideoRenderSdk.h"

#include "tessel/ITesselRtcEngine.h"

struct TesselVideoRenderImplTraits
{
    using Render = tessel::media::IExternalVideoRender;
    using Frame = tessel::media::VideoFrame;
    using Context = tessel::media::ExternalVideoRenderContext;
    using Callback = tessel::media::IExternalVideoRenderCallback;
    static constexpr const char *kName = "TesselVideoRenderImpl";

    static int deliver(TQAgoraVideoWidget *view, const Frame &frame, int rotation, bool mirrored)
    {
        return view->deliverTesselFrame(frame, rotation, mirrored);
    }
};

// The Tessel engine's renderer of one remote view: always OpenGL frames.
class TesselVideoRenderImpl : public TQVideoRenderSdk<TesselVideoRenderImplTraits>
{
public:
    explicit TesselVideoRenderImpl(const tessel::media::ExternalVideoRenderContext &context);
};
