#pragma once

#include "actions/TQDrawingActionCopyable.h"

// The whole board is erased (code 12).
class TQDrawActionEraseBlackBoard : public TQDrawingActionCopyable<TQDrawActionEraseBlackBoard>
{
public:
    TQDrawActionEraseBlackBoard();

    void toString(std::string &out) const override;

    // Null for fewer than 6 elements or a non-numeric element 0-5.
    static TQDrawActionEraseBlackBoard *eraseBlackBoardFromString(std::string text);

    // Seconds since the reference date.
    qint64 eraseTime = 0;
};
