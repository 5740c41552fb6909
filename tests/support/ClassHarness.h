#pragma once

#include "ModalAnswerer.h"
#include "StandInService.h"

#include <QJsonObject>
#include <QPointer>
#include <QSize>
#include <QStringList>

#include <memory>
#include <vector>

class SimStudent;
class TestClock;
class TQLiveBroadCastActivity;

// A live class in the test process, as a teacher gets it from "进入课堂":
// the stand-in service on 127.0.0.1 answering from the fixtures (a course
// detail with students, a bystander and a supervisor, and materials whose
// pages are real images), the signed-in fixture teacher, the stand-in
// real-time SDK (reset) with simulated students, a hook that answers every
// modal box and file chooser and keeps their texts, the settable product
// clock, and the test program's own data folder (never the user's home).
// One harness per test function; the window it opens is closed with it.
class ClassHarness
{
public:
    static constexpr int kCourseID = 3001;
    static constexpr int kCourseScheduleID = 30001;

    ClassHarness();
    ~ClassHarness();
    ClassHarness(const ClassHarness &) = delete;
    ClassHarness &operator=(const ClassHarness &) = delete;

    // The service listens and the data folder is the test program's own.
    bool isReady() const;
    StandInService &service() { return m_service; }
    QString dataFolder() const;

    // The course detail of the fixtures ("returnResult", "${base}" filled in).
    QJsonObject fixtureCourseDetail() const;
    // The same course as a class with a stream record (a recorded lesson's
    // or a big class's), of `durationSec` seconds starting `secondsToStart`
    // from now.
    QJsonObject courseDetailWithStream(int secondsToStart = 0, int durationSec = 2700) const;
    // The service answers every course-detail request with this instead.
    void setCourseDetail(const QJsonObject &returnResult);
    int courseDetailRequests() const;

    // A class window for the fixture schedule, made and started as the main
    // window does (type: 0 live class ... 3 big class), sized to `size` and
    // shown unless told otherwise (a window never shown has no board area).
    TQLiveBroadCastActivity *open(int type = 0, const QSize &size = QSize(), bool shown = true);
    TQLiveBroadCastActivity *window() const { return m_window; }
    // Closes the window and waits until it is gone; true when it said
    // closed() on the way.
    bool close();

    // A simulated student who entered the class's channels; null when the
    // stand-in SDK did not let it in. The harness owns it.
    SimStudent *addStudent(qint64 uid);

    // Every modal box and file chooser answers this way from now on.
    void answerDialogs(ModalAnswerer::Answer answer) { m_dialogs.setAnswer(answer); }
    // A file chooser picks this file; an empty path cancels it.
    void answerFileChoosers(const QString &path) { m_dialogs.setChosenFile(path); }
    // "title|text|button,button" of every box seen, in order.
    QStringList dialogTexts() const { return m_dialogTexts; }
    // "title|text" of the non-modal boxes (notices, warnings) open now.
    static QStringList openNotices();
    // Waits until the open window teaches (both networks up) and its start's
    // own board work is done, then forgets the start's boxes and closes its
    // notices, so a test sees only what it caused. False on time-out.
    bool waitForTeaching();
    // The fixture's course detail with `students` students (the lecturer,
    // whom the server lists among them, stays first).
    QJsonObject courseDetailWithStudents(int students) const;

    // The product's clock, fixed at the current time on first use.
    TestClock &clock();

private:
    static void releaseQuickCaches();
    StandInService m_service;
    ModalAnswerer m_dialogs;
    QStringList m_dialogTexts;
    QPointer<TQLiveBroadCastActivity> m_window;
    bool m_closedSeen = false;
    std::vector<std::unique_ptr<SimStudent>> m_students;
    std::unique_ptr<TestClock> m_clock;
};
