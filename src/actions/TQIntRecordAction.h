#pragma once

#include "actions/TQIntRecordLayout.h"

#include <string>

// Actions whose text is a plain list of numbers, of any family. Derived
// gives its elements through `static TQIntLayout<...> textLayout()` and
// parses with parse(text, first checked element, last checked element).
//
//     class TQDrawingActionRestore : public TQDrawingActionIntRecord<TQDrawingActionRestore, 3> { ... };
template <class Derived, class Base, int Code>
class TQIntRecordAction : public Base
{
public:
    TQIntRecordAction()
        : Base(Code)
    {
    }

    void toString(std::string &out) const override
    {
        const auto layout = Derived::textLayout();
        using Action = typename decltype(layout)::Action;
        writeIntRecord<Action>(static_cast<const Derived &>(*this), layout, out);
    }

protected:
    static Derived *parse(const std::string &text, int checkFrom, int checkTo, const char *nonNumericLog = nullptr)
    {
        return parseIntRecord<Derived>(text, Derived::textLayout(), checkFrom, checkTo, nonNumericLog);
    }
};
