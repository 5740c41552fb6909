#pragma once

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"
#include "actions/TQControlAction.h"

#include <string>

// Random-pick commands that carry one word: "[-1,code,mText]". The word is
// written as it is; a "," in it splits it when the text is parsed again.
template <class Derived, int Code>
class TQControlTextCommand : public TQControlAction
{
public:
    TQControlTextCommand()
        : TQControlAction(Code)
    {
    }

    void toString(std::string &out) const override { TQActionTextWriter(out).add(-1).add(type).add(mText).close(); }

    std::string mText;

protected:
    // Null for fewer than 3 elements or a non-numeric element 1.
    static Derived *parse(const std::string &text)
    {
        const TQActionFields fields(text);
        if (fields.size() < 3 || fields.hasNonNumeric(1, 1))
            return nullptr;
        auto *command = new Derived;
        command->mText = fields.text(2);
        return command;
    }
};
