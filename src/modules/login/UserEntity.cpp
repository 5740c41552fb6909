#include "modules/login/UserEntity.h"

#include "modules/login/EntityList.h"
#include "utils/CDataHelper.h"
#include "utils/JsonField.h"

namespace {

const JsonField<UserEntity, QString> kTextFields[] = {
    {"user_id", &UserEntity::user_id},
    {"user_nick_name", &UserEntity::user_nick_name},
    {"mobile_phone", &UserEntity::mobile_phone},
    {"registration_time", &UserEntity::registration_time},
    {"address_str", &UserEntity::address_str},
    {"city_id", &UserEntity::city_id},
    {"grade_name", &UserEntity::grade_name},
    {"image_file_addr", &UserEntity::image_file_addr},
    {"invitation_code", &UserEntity::invitation_code},
    {"invite_image_url", &UserEntity::invite_image_url},
    {"invited_by", &UserEntity::invited_by},
    {"last_course_time", &UserEntity::last_course_time},
    {"live_profile", &UserEntity::live_profile},
    {"live_profile_background", &UserEntity::live_profile_background},
    {"material_description", &UserEntity::material_description},
    {"profile_filter", &UserEntity::profile_filter},
    {"province_id", &UserEntity::province_id},
    {"qq_number", &UserEntity::qq_number},
    {"school_id", &UserEntity::school_id},
    {"school_name", &UserEntity::school_name},
    {"teach_bystander_time", &UserEntity::teach_bystander_time},
    {"teach_hour", &UserEntity::teach_hour},
    {"teach_student_time", &UserEntity::teach_student_time},
    {"user_annotation", &UserEntity::user_annotation},
    {"user_gender", &UserEntity::user_gender},
    {"user_source", &UserEntity::user_source},
    {"user_true_name", &UserEntity::user_true_name},
    {"wx_image_file_addr", &UserEntity::wx_image_file_addr},
    {"wx_nick_name", &UserEntity::wx_nick_name},
    {"wx_number", &UserEntity::wx_number},
    {"wx_union_id", &UserEntity::wx_union_id},
};

const JsonField<UserEntity, int> kIntFields[] = {
    {"curr_school_year", &UserEntity::curr_school_year},
    {"user_type", &UserEntity::user_type},
    {"individual", &UserEntity::individual},
    {"number_of_course_schedules", &UserEntity::number_of_course_schedules},
    {"number_of_valid_course_schedules", &UserEntity::number_of_valid_course_schedules},
    {"org_id", &UserEntity::org_id},
    {"show_invitation_input", &UserEntity::show_invitation_input},
};

} // namespace

UserEntity::UserEntity(const QJsonObject &json)
    : camera_on(CDataHelper::jsonValueToInt(json.value(QStringLiteral("camera_on"))) != 0)
    , orgs(entityListFromJson<OrgEntity>(json.value(QStringLiteral("orgs"))))
{
    readJsonFields(*this, json, kTextFields, CDataHelper::jsonValueToString);
    readJsonFields(*this, json, kIntFields, CDataHelper::jsonValueToInt);
}

QJsonArray UserEntity::orgsToJson() const
{
    QJsonArray array;
    for (const OrgEntity &org : orgs)
        array.append(org.toJson());
    return array;
}

QJsonObject UserEntity::toLoginUserJson() const
{
    return QJsonObject{
        {QStringLiteral("userID"), user_id},
        {QStringLiteral("userType"), user_type},
        {QStringLiteral("mobilePhone"), mobile_phone},
        {QStringLiteral("userName"), user_nick_name},
        {QStringLiteral("imageServerPath"), image_file_addr},
    };
}
