#pragma once

#include "actions/TQControlAction.h"

#include <string>

// A student's reviewed homework image was uploaded (code 151); sent to that
// student with the image's address and the homework id.
class TQControlReloadHomeworkImage : public TQControlAction
{
public:
    TQControlReloadHomeworkImage();

    // "[-1,151,target,mImageUrl,mHomeworkID]"
    void toString(std::string &out) const override;

    // Null for fewer than 5 elements or a non-numeric element 1, 2 or 4.
    static TQControlReloadHomeworkImage *reloadHomeworkImageFromString(std::string text);

    std::string mImageUrl;
    int mHomeworkID = 0;
};
