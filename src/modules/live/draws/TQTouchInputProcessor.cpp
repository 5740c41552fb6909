#include "modules/live/draws/TQTouchInputProcessor.h"

TQTouchInputProcessor::TQTouchInputProcessor(int width, int height)
    : mWidth(width)
    , mHeight(height)
{
}

void TQTouchInputProcessor::setViewSize(int width, int height)
{
    mWidth = width;
    mHeight = height;
}

std::unique_ptr<TQTouchInputResult> TQTouchInputProcessor::process(const QMouseEvent &)
{
    return std::make_unique<TQTouchInputResult>();
}

void TQTouchInputProcessor::reset()
{
}
