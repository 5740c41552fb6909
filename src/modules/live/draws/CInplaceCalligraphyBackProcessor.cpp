#include "modules/live/draws/CInplaceCalligraphyBackProcessor.h"

#include <utility>

CInplaceCalligraphyBackProcessor::CInplaceCalligraphyBackProcessor(Send send, TQDrawingActionLine *action)
    : send(std::move(send))
    , action(action)
{
}

void CInplaceCalligraphyBackProcessor::process(const std::vector<TQPointW> &points)
{
    if (send)
        send(action, points);
}
