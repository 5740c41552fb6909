#pragma once

#include <QJsonObject>
#include <QString>

// One course schedule of the course lists as its card shows it: read once
// from the service's schedule object, with the texts and the state of the
// enter button worked out here so that the card only draws them.
class CourseScheduleEntry
{
public:
    // What the card's enter button shows.
    enum ButtonState {
        kButtonHidden = 0, // a teaching method that is not entered from here
        kButtonEnded,      // "已结束"
        kButtonNotHeld,    // "未上课"
        kButtonNotOpen,    // "进入课堂", not yet open
        kButtonEnter,      // "进入课堂", open
    };

    // Schedule states and teaching methods the list tells apart.
    static constexpr int kStatusEnded = 4;
    static constexpr int kStatusNotHeld = 16;
    static constexpr int kPriceTypePassword = 3;
    static constexpr int kTeachingLive = 1;

    CourseScheduleEntry() = default;
    explicit CourseScheduleEntry(const QJsonObject &schedule);

    // "course_time" is China time (UTC+8); an unreadable text gives an
    // invalid time, which sorts after every valid one.
    static QDateTime parseCourseTime(const QString &text);

    int courseId() const { return m_courseId; }
    int courseScheduleId() const { return m_courseScheduleId; }
    int startType() const { return m_startType; }
    QString lecturerId() const { return m_lecturerId; }
    qint64 startMillis() const { return m_startMillis; } // -1 when unreadable
    bool liveValid() const { return m_liveValid; }

    QString title() const { return m_title; }
    // "课程编号:<id>" and, for a password course, ";口令:<password>".
    QString numberText() const;
    QString sizeText() const;
    // Local time with the Chinese locale, "M月dd日 ddd hh:mm"; "" when unreadable.
    QString timeText() const;
    QString tagSource() const;
    ButtonState buttonState() const;
    // The state as the card tells it: "hidden", "ended", "notHeld", "notOpen", "enter".
    QString buttonStateName() const;
    QString buttonText() const;

private:
    QString m_courseIdText;
    int m_courseId = 0;
    int m_courseScheduleId = 0;
    int m_startType = 0;
    QString m_lecturerId;
    qint64 m_startMillis = -1;
    QString m_title;
    int m_priceType = 0;
    QString m_password;
    QString m_currentSize;
    QString m_bystanderSize;
    int m_status = 0;
    bool m_liveValid = false;
    int m_teachingMethod = 0;
};
