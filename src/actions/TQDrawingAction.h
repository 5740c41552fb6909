#pragma once

#include "actions/TQAction.h"

#include <QtGlobal>

// Base of every board change (codes 0-14). Element 0 of a drawing text is the
// drawingIndex; the header below is shared by the whole family.
class TQDrawingAction : public TQAction
{
public:
    explicit TQDrawingAction(int code = 0);

    // Writes "TQDrawingAction" (the base has no text form of its own).
    void toString(std::string &out) const override;

    // A new action that stands for this one followed by next, owned by the
    // caller, or null when the two cannot be merged (the base never merges).
    virtual TQDrawingAction *mergeWith(const TQDrawingAction *next) const;
    // A new action of the same class filled by copyTo; owned by the caller.
    virtual TQDrawingAction *clone() const;
    // Copies the header (not the receiver, not refresh) and, in every
    // subclass, its own fields into target, which must be of this class.
    virtual void copyTo(TQDrawingAction *target) const;

    // Position in the course's drawing history; stamped by the sender.
    int drawingIndex = 0;
    int senderId = 0;
    // Low 32 bits of the course material id.
    int materialId = 0;
    int pageIndex = 0;
    // Hand the action on for recording and sending after it was applied.
    bool publish = true;
    // When a student's writing arrived (ms since 1970); 0 otherwise. Not in the text.
    qint64 receivedAt = 0;
    // Refresh the board layer after applying. Not in the text, not copied.
    bool refresh = true;

protected:
    // A merged action starts as the earlier one: its receiver, code, drawing
    // index, material and page.
    void startMergeFrom(const TQDrawingAction &earlier);
};
