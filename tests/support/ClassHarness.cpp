#include "ClassHarness.h"

#include "ServiceFixtures.h"
#include "SimStudent.h"
#include "TestClock.h"

#include "QmlTypes.h"
#include "modules/live/broadcast/LiveWindowFactory.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "platform/http/ApiPaths.h"
#include "rtsdk/StandInControl.h"
#include "utils/FileUtils.h"
#include "utils/TextMetrics.h"
#include "utils/TimeUtils.h"

#include <QDir>
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

bool ClassHarness::close()
{
    if (!m_window)
        return false;
    m_window->close();
    // The window deletes itself from the event loop.
    if (!QTest::qWaitFor([this] { return m_window.isNull(); })) {
        delete m_window.data();
        return false;
    }
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
