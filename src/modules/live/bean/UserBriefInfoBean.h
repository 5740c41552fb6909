#pragma once

#include <string>

// The user summary inside a participant. Texts are UTF-8; only userId,
// userNickName, mobilePhone and imageFileAddr come from the course detail.
class UserBriefInfoBean
{
public:
    std::string toString() const;

    // The user id as text.
    std::string userId;
    std::string userNickName;
    std::string userTrueName;
    std::string mobilePhone;
    // Avatar address.
    std::string imageFileAddr;
    std::string registrationTime;
    std::string coursesNumber;
    int userType = -1;
    std::string currSchoolYear;
    std::string schoolName;
    std::string userGender;
    std::string gradeName;
    std::string description;
    std::string wxNickName;
    std::string wxImageFileAddr;
    std::string addressStr;
};
