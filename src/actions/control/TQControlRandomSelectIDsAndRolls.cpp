#include "actions/control/TQControlRandomSelectIDsAndRolls.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQControlRandomSelectIDsAndRolls::TQControlRandomSelectIDsAndRolls()
    : TQControlAction(123)
{
}

void TQControlRandomSelectIDsAndRolls::toString(std::string &out) const
{
    TQActionTextWriter writer(out);
    writer.add(-1).add(type);
    if (mCandidateIDs.empty())
        writer.add("");
    for (const std::string &candidate : mCandidateIDs)
        writer.add(candidate);
    writer.close();
}

TQControlRandomSelectIDsAndRolls *TQControlRandomSelectIDsAndRolls::randomSelectIDsAndRollsFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 3 || fields.hasNonNumeric(1, 1))
        return nullptr;
    auto *roll = new TQControlRandomSelectIDsAndRolls;
    for (int i = 2; i < fields.size(); ++i)
        roll->mCandidateIDs.push_back(fields.text(i));
    return roll;
}
