#pragma once

#include "modules/login/OrgEntity.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// The signed-in user's profile ("accountDetails" of the sign-in reply).
class UserEntity
{
public:
    UserEntity() = default;
    explicit UserEntity(const QJsonObject &json);

    // Every organisation's toJson, in list order.
    QJsonArray orgsToJson() const;
    // The short form of the user that the pages show.
    QJsonObject toLoginUserJson() const;

    QString user_id;
    QString user_nick_name;
    QString mobile_phone;
    int curr_school_year = 0;
    int user_type = 0;
    QString registration_time;
    QString address_str;
    bool camera_on = false;
    QString city_id;
    QString grade_name;
    QString image_file_addr;
    int individual = 0;
    QString invitation_code;
    QString invite_image_url;
    QString invited_by;
    QString last_course_time;
    QString live_profile;
    QString live_profile_background;
    QString material_description;
    int number_of_course_schedules = 0;
    int number_of_valid_course_schedules = 0;
    int org_id = 0;
    QString profile_filter;
    QString province_id;
    QString qq_number;
    QString school_id;
    QString school_name;
    int show_invitation_input = 0;
    QString teach_bystander_time;
    QString teach_hour;
    QString teach_student_time;
    QString user_annotation;
    QString user_gender;
    QString user_source;
    QString user_true_name;
    QString wx_image_file_addr;
    QString wx_nick_name;
    QString wx_number;
    QString wx_union_id;
    QList<OrgEntity> orgs;
};
