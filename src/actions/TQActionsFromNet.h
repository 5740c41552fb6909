#pragma once

#include <QtGlobal>

#include <vector>

class TQAction;

// One received envelope, unpacked. Whoever receives it owns it and everything
// it still holds: the destructor deletes the actions left in mActionArray. A
// holder that keeps actions takes them out first (takeActions).
class TQActionsFromNet
{
public:
    TQActionsFromNet() = default;
    ~TQActionsFromNet();
    TQActionsFromNet(const TQActionsFromNet &) = delete;
    TQActionsFromNet &operator=(const TQActionsFromNet &) = delete;

    // Hands the actions over to the caller and leaves the list empty.
    std::vector<TQAction *> takeActions();

    // The rebuilt actions in the order of the text.
    std::vector<TQAction *> mActionArray;
    // Sender user id.
    int from = 0;
    // tqTm of the envelope.
    qint64 tm = 0;
    // tqType of the envelope.
    int type = 0;
    // tqRec of the envelope.
    int mReceiptID = 0;
    bool isChasingEnd = false;
};
