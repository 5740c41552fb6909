#pragma once

// A student's board-history request as the class window registers it: the
// range [start, end] of the course's drawing history, the proper start it
// was made with, and whether it is the current board (fast) or older history.
struct TQBulkSendingRequest
{
    int uid = 0;
    int start = 0;
    int end = 0;
    int properStart = 0;
    bool fast = true;
};
