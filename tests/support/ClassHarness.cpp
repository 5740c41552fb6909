#include "ClassHarness.h"

#include "ServiceFixtures.h"
#include "SimStudent.h"
#include "TestClock.h"

#include "QmlTypes.h"
#include "base/dialog/CMessageBox.h"
#include "modules/live/broadcast/LiveWindowFactory.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/draws/TQDrawManager.h"
#include "platform/http/ApiPaths.h"
#include "rtsdk/StandInControl.h"
#include "utils/FileUtils.h"
#include "utils/TextMetrics.h"
#include "utils/TimeUtils.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QQuickWindow>
#include <QJsonArray>
#include <QTest>

namespace {

const QString kDetailFixture = QStringLiteral("biz_mv/edu/v3/courses/getCourseScheduleDetailForLecturer.json");

} // namespace

ClassHarness::ClassHarness()
    : m_dialogs(ModalAnswerer::PressSecond, 50)
{
    rtsdk::StandInControl::reset();
    static const bool once = [] {
        registerQmlTypes();
        installFontSubstitutions();
        return true;
    }();
    Q_UNUSED(once)
    if (!m_service.listen())
        return;
    m_service.setFixtureRoot(StandInService::defaultFixtureRoot());
    ServiceFixtures::pointClientAt(m_service.baseUrl());
    ServiceFixtures::storeSignedInTeacher(m_service.baseUrl());
    QObject::connect(&m_dialogs, &ModalAnswerer::boxSeen,
                     [this](const QString &title, const QString &text, const QStringList &buttons) {
                         m_dialogTexts << title + QLatin1Char('|') + text + QLatin1Char('|')
                                              + buttons.join(QLatin1Char(','));
                     });
}

ClassHarness::~ClassHarness()
{
    close();
    for (auto &student : m_students)
        student->leave();
    m_students.clear();
    rtsdk::StandInControl::waitIdle();
}

bool ClassHarness::isReady() const
{
    const QString home = qEnvironmentVariable("VELTRO_TEST_HOME");
    return m_service.port() != 0 && !home.isEmpty()
           && QDir::cleanPath(dataFolder()).startsWith(QDir::cleanPath(home) + QLatin1Char('/'));
}

QString ClassHarness::dataFolder() const
{
    return FileUtils::getAppDataDir();
}

QJsonObject ClassHarness::fixtureCourseDetail() const
{
    return ServiceFixtures::reply(kDetailFixture, m_service.baseUrl()).value(QLatin1String("returnResult")).toObject();
}

QJsonObject ClassHarness::courseDetailWithStream(int secondsToStart, int durationSec) const
{
    QJsonObject detail = fixtureCourseDetail();
    detail.insert(QStringLiteral("stream"),
                  QJsonObject{{"course_schedule_status", secondsToStart > 0 ? 0 : 1},
                              {"duration", durationSec},
                              {"width", 1280},
                              {"height", 720},
                              {"seconds_to_start", secondsToStart},
                              {"stream", m_service.baseUrl() + QStringLiteral("/files/live/30001.m3u8")}});
    return detail;
}

QJsonObject ClassHarness::courseDetailWithStudents(int students) const
{
    QJsonObject detail = fixtureCourseDetail();
    const QJsonArray listed = detail.value(QLatin1String("participants")).toArray();
    QJsonArray participants{listed.at(0)};
    QJsonObject pattern = listed.at(1).toObject();
    for (int i = 0; i < students; ++i) {
        QJsonObject brief = pattern.value(QLatin1String("user_brief_info")).toObject();
        brief.insert(QStringLiteral("user_id"), QString::number(70001 + i));
        brief.insert(QStringLiteral("user_nick_name"), QStringLiteral("学生%1").arg(i + 1));
        pattern.insert(QStringLiteral("user_brief_info"), brief);
        pattern.insert(QStringLiteral("participant_user_id"), QString::number(80001 + i));
        participants.append(pattern);
    }
    detail.insert(QStringLiteral("participants"), participants);
    return detail;
}

QStringList ClassHarness::openNotices()
{
    QStringList notices;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<CMessageBox *>(widget);
        if (!box || !box->isVisible() || box->isModal())
            continue;
        auto *title = box->findChild<QLabel *>(QStringLiteral("titleLabel"));
        auto *text = box->findChild<QLabel *>(QStringLiteral("textLabel"));
        notices << (title ? title->text() : QString()) + QLatin1Char('|') + (text ? text->text() : QString());
    }
    return notices;
}

bool ClassHarness::waitForTeaching()
{
    const auto teaching = [this] {
        return m_window && m_window->context() && m_window->context()->teachingStarted;
    };
    if (!QTest::qWaitFor(teaching, 15000))
        return false;
    TQDrawManager *manager = m_window->drawManager();
    if (manager && !QTest::qWaitFor([manager] { return manager->queuedActionCount() == 0; }, 5000))
        return false;
    QTest::qWait(100);
    m_dialogTexts.clear();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<CMessageBox *>(widget);
        if (box && box->isVisible() && !box->isModal())
            box->close();
    }
    return true;
}

void ClassHarness::setCourseDetail(const QJsonObject &returnResult)
{
    m_service.setReply(ApiPaths::kGetCourseScheduleDetailForLecturer, StandInService::Reply::ok(returnResult));
}

int ClassHarness::courseDetailRequests() const
{
    return m_service.requestsTo(ApiPaths::kGetCourseScheduleDetailForLecturer).size();
}

TQLiveBroadCastActivity *ClassHarness::open(int type, const QSize &size, bool shown)
{
    close();
    m_closedSeen = false;
    m_window = LiveWindowFactory::create(kCourseID, kCourseScheduleID);
    QObject::connect(m_window.data(), &TQLiveBroadCastActivity::closed, [this] { m_closedSeen = true; });
    m_window->start(type);
    if (size.isValid())
        m_window->resize(size);
    if (shown) {
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window))
            qWarning("class window not exposed");
    }
    return m_window;
}

// After the class page has gone, its images stay in Qt Quick's process-wide
// image cache for about half a minute, and the textures drawn from them wait
// for the scene graph's next clean-up; a test process ends before either
// happens. Purging the cache, then showing and closing a last window (the
// software scene graph frees its textures when its last window goes), keeps
// a closed class from showing up as leaked.
void ClassHarness::releaseQuickCaches()
{
    QQuickWindow().releaseResources();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    {
        QQuickWindow last;
        last.show();
        QTest::qWaitForWindowExposed(&last);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool ClassHarness::close()
{
    if (!m_window)
        return false;
    m_window->close();
    // The window deletes itself from the event loop.
    if (!QTest::qWaitFor([this] { return m_window.isNull(); })) {
        delete m_window.data();
        releaseQuickCaches();
        return false;
    }
    releaseQuickCaches();
    return m_closedSeen;
}

SimStudent *ClassHarness::addStudent(qint64 uid)
{
    auto student = std::make_unique<SimStudent>(uid, kCourseScheduleID);
    if (!student->enter())
        return nullptr;
    m_students.push_back(std::move(student));
    return m_students.back().get();
}

TestClock &ClassHarness::clock()
{
    if (!m_clock)
        m_clock = std::make_unique<TestClock>(currentTimeMillis());
    return *m_clock;
}
