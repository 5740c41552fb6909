#pragma once

#include "actions/TQDrawingAction.h"

// clone() and copyTo() of a concrete drawing action, written once: a copy
// takes every field of the source except the receiver, the code and the
// refresh flag, which keep the target's own values.
//
//     class TQDrawingActionRestore : public TQDrawingActionCopyable<TQDrawingActionRestore> { ... };
template <class Derived>
class TQDrawingActionCopyable : public TQDrawingAction
{
public:
    explicit TQDrawingActionCopyable(int code)
        : TQDrawingAction(code)
    {
    }

    TQDrawingAction *clone() const override
    {
        Derived *copy = new Derived;
        copyTo(copy);
        return copy;
    }

    void copyTo(TQDrawingAction *target) const override
    {
        auto *same = dynamic_cast<Derived *>(target);
        if (!same) {
            TQDrawingAction::copyTo(target);
            return;
        }
        const int receiver = same->receiver;
        const int type = same->type;
        const bool refresh = same->refresh;
        static_cast<Derived &>(*same) = static_cast<const Derived &>(*this);
        same->receiver = receiver;
        same->type = type;
        same->refresh = refresh;
    }
};
