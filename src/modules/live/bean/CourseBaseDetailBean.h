#pragma once

#include <QObject>

#include <string>

// The schedule fields of the course-detail reply, each named after its JSON
// key. Texts are UTF-8. A Qt object class without properties, signals or slots.
class CourseBaseDetailBean : public QObject
{
public:
    explicit CourseBaseDetailBean(QObject *parent = nullptr);
    ~CourseBaseDetailBean() override;

    CourseBaseDetailBean(const CourseBaseDetailBean &) = delete;
    CourseBaseDetailBean &operator=(const CourseBaseDetailBean &) = delete;

    std::string course_id;
    // Channel names, log texts and the class-session id are built from it.
    std::string course_schedule_id;
    // The schedule's title.
    std::string course_content;
    std::string course_prototype_id;
    // From "lecture_teacher"."user_id".
    std::string lecture_teacher_user_id;
    std::string substitute_teacher_id;
    int is_prepared = -1;
    std::string current_size;
    // "yyyy-MM-dd hh:mm:ss".
    std::string course_time;
    int max_video_index = -1;
    std::string bystander_size;
    std::string bystander_entered;
    std::string lecturer_invalid;
    // "yyyy-MM-dd hh:mm:ss".
    std::string course_end_time;
    std::string course_progress;
    std::string course_schedule_progress;
    std::string course_schedule_status;
    // From course_time to course_end_time.
    int courseDurationSecs = 0;
    // Subject category.
    std::string course_category_type;
    std::string course_knowledge;
    std::string record_video_status;
    std::string record_video_file_id;
    int applicants_count = -1;
    std::string allow_bystander;
    int entry_class_state = -1;
    // Shown when the class may not be entered.
    std::string entry_class_state_info;
    // Media engine application id, channel join key, message-channel token.
    std::string app_id;
    std::string dynamic_key;
    std::string rtm_token;
    std::string signaling_token;
    // 1 selects the Agora engines, anything else the Tessel engines.
    int data_channel = 0;
    int rtm = 0;
    // Student role only; never filled in this client.
    int evaluated = 0;
    int in_student_list = 0;
    int state = 0;
    std::string state_msg;
    int bystander = 1;
};
