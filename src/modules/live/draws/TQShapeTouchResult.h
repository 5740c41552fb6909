#pragma once

// What a tool asks the draw manager to do after a touch sample.
class TQShapeTouchResult
{
public:
    enum Code {
        Nothing = 0,
        MoveBlackboard = 1,
        EraseBlackboard = 2,
        MoveCoverBoard = 8,
        ResizeCoverBoard = 9,
        CloseCoverBoard = 10,
    };

    int code = Nothing;
    // Movement since the previous sample, pixels truncated.
    int dx = 0;
    int dy = 0;
    // The cover board concerned, -1 for none.
    int index = -1;
};
