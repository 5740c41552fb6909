#include "modules/live/communications/agora/tessel_video_render_impl.h"

TesselVideoRenderImpl::TesselVideoRenderImpl(const tessel::media::ExternalVideoRenderContext &context)
    : TQVideoRenderSdk(context)
{
}
