#include "modules/main/CourseScheduleEntry.h"

#include "utils/CDataHelper.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace {

constexpr int kChinaOffsetSecs = 8 * 3600;

QString text(const QJsonObject &object, const char *key)
{
    return CDataHelper::jsonValueToString(object.value(QLatin1String(key)));
}

int number(const QJsonObject &object, const char *key)
{
    return CDataHelper::jsonValueToInt(object.value(QLatin1String(key)));
}

} // namespace

CourseScheduleEntry::CourseScheduleEntry(const QJsonObject &schedule)
    : m_courseIdText(text(schedule, "course_id"))
    , m_courseId(number(schedule, "course_id"))
    , m_courseScheduleId(number(schedule, "course_schedule_id"))
    , m_startType(number(schedule, "type"))
    , m_lecturerId(text(schedule, "lecture_teacher_id"))
    , m_title(text(schedule, "course_content"))
    , m_priceType(number(schedule, "price_type"))
    , m_password(text(schedule, "password"))
    , m_currentSize(text(schedule, "current_size"))
    , m_bystanderSize(text(schedule, "bystander_size"))
    , m_status(number(schedule, "course_schedule_status"))
    , m_liveValid(number(schedule, "live_valid") == 1)
    , m_teachingMethod(number(schedule, "teaching_method"))
{
    const QDateTime start = parseCourseTime(text(schedule, "course_time"));
    m_startMillis = start.isValid() ? start.toMSecsSinceEpoch() : -1;
}

QDateTime CourseScheduleEntry::parseCourseTime(const QString &value)
{
    // The forms the service writes, and the ones a date parser would accept.
    static const QStringList formats = {
        QStringLiteral("yyyy-MM-dd hh:mm:ss"), QStringLiteral("yyyy-MM-ddThh:mm:ss"),
        QStringLiteral("yyyy/MM/dd hh:mm:ss"), QStringLiteral("yyyy-MM-dd hh:mm"),
        QStringLiteral("yyyy/MM/dd hh:mm"),    QStringLiteral("yyyy-MM-dd"),
    };
    const QString trimmed = value.trimmed();
    for (const QString &format : formats) {
        QDateTime parsed = QDateTime::fromString(trimmed, format);
        if (parsed.isValid())
            return QDateTime(parsed.date(), parsed.time(), Qt::OffsetFromUTC, kChinaOffsetSecs);
    }
    return QDateTime();
}

QString CourseScheduleEntry::numberText() const
{
    QString result = QStringLiteral("课程编号:") + m_courseIdText;
    if (m_priceType == kPriceTypePassword && !m_password.isEmpty())
        result += QStringLiteral(";口令:") + m_password;
    return result;
}

QString CourseScheduleEntry::sizeText() const
{
    return QStringLiteral("正式生%1个   旁听生%2个").arg(m_currentSize, m_bystanderSize);
}

QString CourseScheduleEntry::timeText() const
{
    if (m_startMillis < 0)
        return QString();
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(m_startMillis).toLocalTime();
    return QLocale(QLocale::Chinese, QLocale::China).toString(local, QStringLiteral("M月dd日 ddd hh:mm"));
}

QString CourseScheduleEntry::tagSource() const
{
    switch (m_teachingMethod) {
    case 1:
        return QStringLiteral("qrc:/res/course_tag_teaching_method_live.png");
    case 2:
        return QStringLiteral("qrc:/res/course_tag_teaching_method_dt.png");
    case 3:
        return QStringLiteral("qrc:/res/course_tag_teaching_method_face_to_face.png");
    case 4:
        return QStringLiteral("qrc:/res/course_tag_teaching_method_ai.png");
    case 5:
        return QStringLiteral("qrc:/res/course_tag_teaching_method_pseudo_live.png");
    default:
        return QString();
    }
}

CourseScheduleEntry::ButtonState CourseScheduleEntry::buttonState() const
{
    if (m_status == kStatusEnded)
        return kButtonEnded;
    if (m_status == kStatusNotHeld)
        return kButtonNotHeld;
    if (!m_liveValid)
        return kButtonNotOpen;
    if (m_teachingMethod == kTeachingLive)
        return kButtonEnter;
    return kButtonHidden;
}

QString CourseScheduleEntry::buttonStateName() const
{
    switch (buttonState()) {
    case kButtonEnded:
        return QStringLiteral("ended");
    case kButtonNotHeld:
        return QStringLiteral("notHeld");
    case kButtonNotOpen:
        return QStringLiteral("notOpen");
    case kButtonEnter:
        return QStringLiteral("enter");
    case kButtonHidden:
        break;
    }
    return QStringLiteral("hidden");
}

QString CourseScheduleEntry::buttonText() const
{
    switch (buttonState()) {
    case kButtonEnded:
        return QStringLiteral("已结束");
    case kButtonNotHeld:
        return QStringLiteral("未上课");
    case kButtonNotOpen:
    case kButtonEnter:
        return QStringLiteral("进入课堂");
    case kButtonHidden:
        break;
    }
    return QString();
}
