#pragma once

#include "actions/TQDrawingActionCopyable.h"
#include "actions/TQIntRecordLayout.h"

#include <string>

// Drawing actions whose text is a plain list of numbers. Derived gives its
// elements through `static TQIntLayout<Derived> textLayout()` and parses with
// parse(text, first checked element, last checked element).
template <class Derived, int Code>
class TQDrawingActionIntRecord : public TQDrawingActionCopyable<Derived>
{
public:
    TQDrawingActionIntRecord()
        : TQDrawingActionCopyable<Derived>(Code)
    {
    }

    void toString(std::string &out) const override
    {
        writeIntRecord(static_cast<const Derived &>(*this), Derived::textLayout(), out);
    }

protected:
    static Derived *parse(const std::string &text, int checkFrom, int checkTo)
    {
        return parseIntRecord(text, Derived::textLayout(), checkFrom, checkTo);
    }
};
