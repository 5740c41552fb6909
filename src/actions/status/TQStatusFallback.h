#pragma once

#include "actions/TQStatusAction.h"

// A student's client reports whether it fell back (code 159).
class TQStatusFallback : public TQStatusAction
{
public:
    TQStatusFallback();

    // "[-1,159,isFallback,fallbackValue]"
    void toString(std::string &out) const override;

    // Null for fewer than 4 elements or a non-numeric element 2-3 (logged).
    static TQStatusFallback *fallbackFromString(std::string text);

    bool isFallback = true;
    int fallbackValue = 0;
};
