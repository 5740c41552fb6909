#pragma once

#include "actions/TQDrawingActionCopyable.h"

// Holds a place in the course's drawing history (code 9).
class TQDrawingActionNone : public TQDrawingActionCopyable<TQDrawingActionNone>
{
public:
    explicit TQDrawingActionNone(int first = 0);

    void toString(std::string &out) const override;

    // Exactly 3 elements; element 0 gives the drawing index.
    static TQDrawingActionNone *noneFromString(std::string text);
};
