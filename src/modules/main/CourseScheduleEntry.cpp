#include "modules/main/CourseScheduleEntry.h"

#include "utils/CDataHelper.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <iterator>

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

// What the card shows for each button state: the state's name for the view
// and the button text.
struct ButtonLook
{
    CourseScheduleEntry::ButtonState state;
    const char *name;
    const char *text;
};

const ButtonLook kButtonLooks[] = {
    {CourseScheduleEntry::kButtonHidden, "hidden", ""},
    {CourseScheduleEntry::kButtonEnded, "ended", "已结束"},
    {CourseScheduleEntry::kButtonNotHeld, "notHeld", "未上课"},
    {CourseScheduleEntry::kButtonNotOpen, "notOpen", "进入课堂"},
    {CourseScheduleEntry::kButtonEnter, "enter", "进入课堂"},
};

const ButtonLook &buttonLook(CourseScheduleEntry::ButtonState state)
{
    for (const ButtonLook &look : kButtonLooks) {
        if (look.state == state)
            return look;
    }
    return kButtonLooks[0];
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
    // By teaching method, from 1 on.
    static const char *const tags[] = {"live", "dt", "face_to_face", "ai", "pseudo_live"};
    if (m_teachingMethod < 1 || m_teachingMethod > int(std::size(tags)))
        return QString();
    return QStringLiteral("qrc:/res/course_tag_teaching_method_%1.png")
        .arg(QLatin1String(tags[m_teachingMethod - 1]));
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
    return QLatin1String(buttonLook(buttonState()).name);
}

QString CourseScheduleEntry::buttonText() const
{
    return QString::fromUtf8(buttonLook(buttonState()).text);
}
