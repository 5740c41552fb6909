#pragma once

#include <string>

// Root of every record that crosses the class's data channel. A record has an
// action code (element 1 of its text), a receiver and a one-line text form.
// Records are created with new and deleted through this class by their last
// holder; a vector of TQAction pointers never owns them on its own.
class TQAction
{
public:
    // Receiver value meaning every member of the class channel.
    static constexpr int GENERAL_AUDIENCE = -1;

    explicit TQAction(int code);
    virtual ~TQAction();

    // Writes the record's text, brackets included, into out (replacing it).
    virtual void toString(std::string &out) const;
    // 3 for codes below 0 or from 100 on, else 0. Nothing dispatches on it.
    virtual int kind() const;

    int type;
    int receiver = GENERAL_AUDIENCE;
};
