#pragma once

#include <QtGlobal>

#include <vector>

class TQAction;
class TQBinaryPartition;

// One received envelope, unpacked. Whoever receives it owns it and everything
// it still holds: the destructor deletes the actions left in mActionArray
// (with the messages of a public-message record still among them) and the
// partition. A holder that keeps any of them takes them out first.
class TQActionsFromNet
{
public:
    TQActionsFromNet() = default;
    ~TQActionsFromNet();
    TQActionsFromNet(const TQActionsFromNet &) = delete;
    TQActionsFromNet &operator=(const TQActionsFromNet &) = delete;

    // Hands the actions over to the caller and leaves the list empty.
    std::vector<TQAction *> takeActions();
    // Hands the partition over to the caller.
    TQBinaryPartition *takePartition();

    // The rebuilt actions in the order of the text.
    std::vector<TQAction *> mActionArray;
    // The image partition of an envelope of type 6, else null.
    TQBinaryPartition *partition = nullptr;
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
