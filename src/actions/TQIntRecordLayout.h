#pragma once

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

#include <cstddef>
#include <string>

// Records whose text is a plain list of 32-bit numbers share one writer and
// one parser, driven by a table of the elements:
//
//     const TQIntElement<TQDrawingActionRestore> kElements[] = {
//         {&TQDrawingActionRestore::drawingIndex}, {&TQDrawingActionRestore::type, false}, ...};
template <class Action>
struct TQIntElement
{
    // The field behind the element; null for a literal.
    int Action::*member = nullptr;
    // The parser fills the member from this element (the code never is).
    bool readBack = true;
    // The element is written as literal instead of the member.
    bool writesLiteral = false;
    int literal = 0;
};

// An element always written as value and not read back.
template <class Action>
TQIntElement<Action> intLiteral(int value)
{
    return {nullptr, false, true, value};
}

// An element written as value whose received value is read into member.
template <class Action>
TQIntElement<Action> intLiteralReadInto(int value, int Action::*member)
{
    return {member, true, true, value};
}

template <class A>
struct TQIntLayout
{
    using Action = A;

    template <std::size_t N>
    TQIntLayout(const TQIntElement<A> (&table)[N])
        : elements(table)
        , count(int(N))
    {
    }

    const TQIntElement<A> *elements;
    int count;
};

template <class Action>
void writeIntRecord(const Action &action, TQIntLayout<Action> layout, std::string &out)
{
    TQActionTextWriter writer(out);
    for (int i = 0; i < layout.count; ++i) {
        const TQIntElement<Action> &element = layout.elements[i];
        writer.add(element.writesLiteral ? element.literal : action.*(element.member));
    }
    writer.close();
}

// A new Created (filled as an Action) from text, or null when the text has
// fewer elements than the layout or a non-numeric element in
// checkFrom..checkTo. nonNumericLog, when given, is logged printf-style with
// the element's position and the text before refusing.
template <class Created, class Action>
Created *parseIntRecord(const std::string &text, TQIntLayout<Action> layout, int checkFrom, int checkTo,
                        const char *nonNumericLog = nullptr)
{
    const TQActionFields fields(text);
    if (fields.size() < layout.count || fields.hasNonNumeric(checkFrom, checkTo, nonNumericLog))
        return nullptr;
    Created *created = new Created;
    Action *action = created;
    for (int i = 0; i < layout.count; ++i) {
        if (layout.elements[i].readBack)
            action->*(layout.elements[i].member) = fields.toInt(i);
    }
    return created;
}
