#pragma once

#include "actions/TQControlAction.h"

#include <string>

// The device-permission request (code 156), carrying the teacher's head
// image, the picture students show while the teacher's camera is off.
class TQControlStudentPermissionInfo : public TQControlAction
{
public:
    TQControlStudentPermissionInfo();

    // "[-1,156,target,mHeadImageUrl]", with "default" for an address of
    // fewer than 2 characters.
    void toString(std::string &out) const override;

    // Logs the text it is given; null for fewer than 4 elements or a
    // non-numeric element 0-2 (logged).
    static TQControlStudentPermissionInfo *studentPermissionInfoFromString(std::string text);

    std::string mHeadImageUrl;
};
