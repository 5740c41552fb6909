#include "actions/status/TQStatusFallback.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQStatusFallback::TQStatusFallback()
    : TQStatusAction(159)
{
}

void TQStatusFallback::toString(std::string &out) const
{
    TQActionTextWriter(out).add(-1).add(type).addFlag(isFallback).add(fallbackValue).close();
}

TQStatusFallback *TQStatusFallback::fallbackFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 4 || fields.hasNonNumeric(2, 3, "LiveBroadcast: %d of %s is non numeric"))
        return nullptr;
    auto *fallback = new TQStatusFallback;
    fallback->isFallback = fields.isOne(2);
    fallback->fallbackValue = fields.toInt(3);
    return fallback;
}
