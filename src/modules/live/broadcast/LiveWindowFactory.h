#pragma once

class TQLiveBroadCastActivity;

// Where the main window gets its class windows from: the one place that
// knows how a class window is made.
class LiveWindowFactory
{
public:
    // A new, unstarted class window without parent; it deletes itself when
    // it has closed.
    static TQLiveBroadCastActivity *create(int courseID, int courseScheduleID);

private:
    LiveWindowFactory() = delete;
};
