#pragma once

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

#include <cstddef>
#include <string>

// Records whose text is a plain list of 32-bit numbers share one writer and
// one parser, driven by a table of the members behind the elements:
//
//     const TQIntElement<TQDrawingActionRestore> kElements[] = {
//         {&TQDrawingActionRestore::drawingIndex}, {&TQDrawingActionRestore::type, false}, ...};
template <class Action>
struct TQIntElement
{
    int Action::*member;
    // The parser fills the member from this element (the code never is).
    bool readBack = true;
};

template <class Action>
struct TQIntLayout
{
    template <std::size_t N>
    TQIntLayout(const TQIntElement<Action> (&table)[N])
        : elements(table)
        , count(int(N))
    {
    }

    const TQIntElement<Action> *elements;
    int count;
};

template <class Action>
void writeIntRecord(const Action &action, TQIntLayout<Action> layout, std::string &out)
{
    TQActionTextWriter writer(out);
    for (int i = 0; i < layout.count; ++i)
        writer.add(action.*(layout.elements[i].member));
    writer.close();
}

// A new Action from text, or null when the text has fewer elements than the
// layout or a non-numeric element in checkFrom..checkTo.
template <class Action>
Action *parseIntRecord(const std::string &text, TQIntLayout<Action> layout, int checkFrom, int checkTo)
{
    const TQActionFields fields(text);
    if (fields.size() < layout.count || fields.hasNonNumeric(checkFrom, checkTo))
        return nullptr;
    Action *action = new Action;
    for (int i = 0; i < layout.count; ++i) {
        if (layout.elements[i].readBack)
            action->*(layout.elements[i].member) = fields.toInt(i);
    }
    return action;
}
