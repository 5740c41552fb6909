#include "modules/live/bean/UserBriefInfoBean.h"

#include "utils/TextFill.h"

std::string UserBriefInfoBean::toString() const
{
    const auto q = [](const std::string &text) { return QString::fromStdString(text); };
    return fillPlaceholders(
               QStringLiteral("UserBriefInfoBean(userId='%1', userNickName='%2', userTrueName='%3', "
                              "mobilePhone='%4', imageFileAddr='%5', registrationTime='%6', coursesNumber='%7', "
                              "userType=%8, currSchoolYear='%9', schoolName='%10', userGender='%11', "
                              "gradeName='%12', description='%13', wxNickName='%14', wxImageFileAddr='%15', "
                              "addressStr='%16')"),
               {q(userId), q(userNickName), q(userTrueName), q(mobilePhone), q(imageFileAddr), q(registrationTime),
                q(coursesNumber), QString::number(userType), q(currSchoolYear), q(schoolName), q(userGender),
                q(gradeName), q(description), q(wxNickName), q(wxImageFileAddr), q(addressStr)})
        .toStdString();
}
