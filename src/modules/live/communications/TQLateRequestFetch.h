#pragma once

#include <vector>

// One board-history request, shared by the students who asked for the same
// range. The course record advances `start` as it builds chunks, so the next
// chunk continues where the last one stopped.
struct TQLateRequestFetch
{
    std::vector<int> uids;
    // The next history position to send.
    int start = 0;
    // The last history position to send, inclusive.
    int end = 0;
    // Echoed in every chunk.
    int properStart = 0;
};
