#pragma once

#include "modules/live/draws/TQPathCalligraphy.h"

#include <functional>

class TQDrawingActionLine;

// The draw manager's back processor: sends the points a calligraphy feed
// computed as the outline of the line action the path was made for. The
// manager gives the send (its sendCalligraphyLine) when it makes the path.
class CInplaceCalligraphyBackProcessor : public TQPathCalligraphy::BackProcessInterface
{
public:
    using Send = std::function<void(TQDrawingActionLine *action, const std::vector<TQPointW> &outline)>;

    // The action is not owned; it must outlive the path's feed.
    CInplaceCalligraphyBackProcessor(Send send, TQDrawingActionLine *action);

    void process(const std::vector<TQPointW> &points) override;

private:
    Send send;
    TQDrawingActionLine *action;
};
