// Starts the real program as a user would: the start-up log, the refusal of a
// second copy (its box answered by the autoanswer plugin loaded into it), and a
// new start after the first copy was killed.
#include "ServiceFixtures.h"
#include "StandInService.h"

#include "utils/SingleInstance.h"
#include "utils/SystemInfo.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

const QString kBoxLine = QStringLiteral("autoanswer: box [Veltro] [检测到Veltro正在运行，请不要重复打开] [确定]");
const QString kSystemInfo = QStringLiteral("======System Info======");

// The console copy of one CLog line starts with its stamp and level tag.
const QRegularExpression kStamp(QStringLiteral(R"((?m)^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\] \[(?:DEBUG|LOG|ERROR)\] )"));

struct Running
{
    std::unique_ptr<QProcess> process;
    QString output;

    QString read()
    {
        output += QString::fromUtf8(process->readAll());
        return output;
    }
    bool waitFor(const QString &needle, int timeoutMs)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!read().contains(needle)) {
            if (deadline.hasExpired() || process->state() == QProcess::NotRunning)
                return read().contains(needle);
            process->waitForReadyRead(100);
        }
        return true;
    }
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startLogsInOrder();
    void mainWindowStartsWithoutAccount();
    void secondCopyIsRefused_data();
    void secondCopyIsRefused();
    void startSucceedsAfterFirstCopyWasKilled();
    void cleanupTestCase();

private:
    Running start(const QStringList &extraEnvironment = QStringList());
    // What the started program asks the service goes here, never further.
    StandInService m_service;
    Running m_first;
};

Running TestStartup::start(const QStringList &extraEnvironment)
{
    Running running;
    running.process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &entry : extraEnvironment)
        environment.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    running.process->setProcessEnvironment(environment);
    running.process->setProcessChannelMode(QProcess::MergedChannels);
    running.process->start(qEnvironmentVariable("VELTRO_APP_BINARY"), QStringList());
    return running;
}

void TestStartup::initTestCase()
{
    QVERIFY(QFile::exists(qEnvironmentVariable("VELTRO_APP_BINARY")));
    // The runtime folder must be private, or Qt falls back to a shared one and
    // this test would meet copies started by other tests.
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QVERIFY(QDir().mkpath(runtimeDir));
    QVERIFY(QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY2(singleInstanceLockPath().startsWith(runtimeDir), qPrintable(singleInstanceLockPath()));

    QVERIFY(m_service.listen());
    ServiceFixtures::pointClientAt(m_service.baseUrl());

    m_first = start();
    QVERIFY(m_first.process->waitForStarted(5000));
    QVERIFY2(m_first.waitFor(QStringLiteral("desktop rect:"), 20000), qPrintable(m_first.output));
}

void TestStartup::startLogsInOrder()
{
    const QString output = m_first.read();
    QStringList messages = output.split(kStamp);
    messages.removeFirst(); // what Qt printed before the first log line
    for (QString &message : messages)
        message.chop(1); // the console's own line end

    const QStringList startUp = {QStringLiteral("program running"),
                                 QStringLiteral("main.cpp main (178) SetUnhandledExceptionFilter"),
                                 QStringLiteral("not defined VELTRO_ROLE_STUDENT"),
                                 QStringLiteral("defined VELTRO_ROLE_TEACHER"), kSystemInfo};
    int at = -1;
    for (const QString &line : startUp) {
        const int next = messages.indexOf(line, at + 1);
        QVERIFY2(next > at, qPrintable(QStringLiteral("missing or out of order: %1\n%2").arg(line, output)));
        at = next;
    }
    QVERIFY(!output.contains(QStringLiteral("check singleton failed")));

    // The eight probes follow in their order.
    QVERIFY2(messages.size() >= at + 9, qPrintable(output));
    const QStringList probes = messages.mid(at + 1, 8);
    QCOMPARE(probes.at(0), getHostName());
    QCOMPARE(probes.at(1), getCpuName());
    QCOMPARE(probes.at(2), getGpuName());
    QCOMPARE(probes.at(3), getOsVersion());
    QVERIFY2(QRegularExpression(QStringLiteral(R"(^ \d+\.\d\d GB / \d+\.\d\d GB$)")).match(probes.at(4)).hasMatch(),
             qPrintable(probes.at(4)));
    QCOMPARE(probes.at(5), getCameraInfo());
    QCOMPARE(probes.at(6), getAudioInfo());
    QCOMPARE(probes.at(7), getDesktopRect());
}

void TestStartup::mainWindowStartsWithoutAccount()
{
    // No stored account: the sign-in page, and the remote configuration
    // asked of the stand-in only.
    QVERIFY2(m_first.waitFor(QStringLiteral("mainWindow::checkLogin phonenumber , userID , token "), 5000),
             qPrintable(m_first.output));
    QTRY_COMPARE(m_service.requestsTo(QStringLiteral("biz_mv/edu/config/appRemoteConfig")).size(), 1);
    QCOMPARE(m_service.requestsTo(QStringLiteral("biz_mv/edu/user/loginCheck")).size(), 0);
}

void TestStartup::secondCopyIsRefused_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("button") << "first";
    QTest::newRow("escape") << "escape";
    QTest::newRow("window closed") << "close";
}

void TestStartup::secondCopyIsRefused()
{
    QFETCH(QString, answer);
    QVERIFY(m_first.process->state() == QProcess::Running);

    Running second = start({QStringLiteral("QT_PLUGIN_PATH=") + qEnvironmentVariable("VELTRO_TEST_PLUGIN_PATH"),
                            QStringLiteral("QT_QPA_GENERIC_PLUGINS=veltroautoanswer:") + answer});
    QVERIFY(second.process->waitForFinished(20000));
    const QString output = second.read();
    QCOMPARE(second.process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process->exitCode(), 255); // -1
    QVERIFY2(output.contains(QStringLiteral("program running check singleton failed")), qPrintable(output));
    QVERIFY2(output.contains(kBoxLine), qPrintable(output));
    // Nothing after the refusal: no crash handler, no window, no system information.
    QVERIFY(!output.contains(QStringLiteral("SetUnhandledExceptionFilter")));
    QVERIFY(!output.contains(kSystemInfo));
    // The first copy is untouched.
    QVERIFY(m_first.process->state() == QProcess::Running);
}

void TestStartup::startSucceedsAfterFirstCopyWasKilled()
{
    m_first.process->kill();
    QVERIFY(m_first.process->waitForFinished(5000));
    QCOMPARE(m_first.process->exitStatus(), QProcess::CrashExit);
    // The lock file stays behind; only the lock went with the process.
    QVERIFY(QFile::exists(singleInstanceLockPath()));

    Running next = start();
    const bool started = next.waitFor(kSystemInfo, 20000);
    const QString output = next.read();
    next.process->kill();
    next.process->waitForFinished(5000);
    QVERIFY2(started, qPrintable(output));
    QVERIFY(!output.contains(QStringLiteral("check singleton failed")));
}

void TestStartup::cleanupTestCase()
{
    if (m_first.process && m_first.process->state() != QProcess::NotRunning) {
        m_first.process->kill();
        m_first.process->waitForFinished(5000);
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
