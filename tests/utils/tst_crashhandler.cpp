// Crashes a helper process on purpose and reads the dump it leaves.
#include "utils/FileUtils.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QtTest>

#include <csignal>

class TestCrashHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void crashLeavesOneDump_data();
    void crashLeavesOneDump();
    void existingDumpIsNeverOverwritten();

private:
    struct Crash
    {
        QProcess::ExitStatus status;
        int code;
        qint64 pid;
        QString output;
    };
    static Crash crash(const QString &how);
    static QStringList dumps() { return QDir(FileUtils::getDmpDir()).entryList({QStringLiteral("*.dmp")}, QDir::Files); }
};

TestCrashHandler::Crash TestCrashHandler::crash(const QString &how)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(qEnvironmentVariable("VELTRO_CRASH_HELPER"), {how});
    Crash result{QProcess::NormalExit, -1, 0, QString()};
    if (!process.waitForStarted(5000))
        return result;
    result.pid = process.processId();
    process.waitForFinished(20000);
    result.status = process.exitStatus();
    result.code = process.exitCode();
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

void TestCrashHandler::init()
{
    QDir dir(FileUtils::getDmpDir());
    for (const QString &name : dir.entryList(QDir::Files))
        QVERIFY(dir.remove(name));
}

void TestCrashHandler::crashLeavesOneDump_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("signalName");
    QTest::newRow("null write") << "segv" << SIGSEGV << "SIGSEGV";
    QTest::newRow("abort") << "abort" << SIGABRT << "SIGABRT";
    QTest::newRow("division by zero") << "fpe" << SIGFPE << "SIGFPE";
    QTest::newRow("null write on a thread") << "thread" << SIGSEGV << "SIGSEGV";
    QTest::newRow("stack overflow") << "overflow" << SIGSEGV << "SIGSEGV";
}

void TestCrashHandler::crashLeavesOneDump()
{
    QFETCH(QString, how);
    QFETCH(int, signal);
    QFETCH(QString, signalName);

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const Crash result = crash(how);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    // The process still ends by its signal.
    QCOMPARE(result.status, QProcess::CrashExit);
    QCOMPARE(result.code, signal);
    QVERIFY2(result.output.contains(QStringLiteral("errCode: %1\n").arg(signal, 0, 16)), qPrintable(result.output));

    const QStringList files = dumps();
    QCOMPARE(files.size(), 1);
    const QString stem = files.first().chopped(4);
    const QDateTime when = QDateTime::fromString(stem, QStringLiteral("yyyy_MM_dd_hh_mm_ss"));
    QVERIFY2(when.isValid() && when >= before && when <= after, qPrintable(stem));

    QFile file(FileUtils::getDmpDir() + QLatin1Char('/') + files.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString dump = QString::fromUtf8(file.readAll());
    const QStringList lines = dump.split(QLatin1Char('\n'));
    QVERIFY(lines.size() > 10);
    QCOMPARE(lines.at(0), QStringLiteral("Veltro crash dump"));
    QCOMPARE(lines.at(1), QStringLiteral("time: ") + stem);
    QCOMPARE(lines.at(2), QStringLiteral("version: " VELTRO_VERSION));
    QCOMPARE(lines.at(3), QStringLiteral("signal: %1 %2").arg(signal).arg(signalName));
    QVERIFY(lines.at(4).startsWith(QStringLiteral("code: ")));
    QVERIFY(lines.at(5).startsWith(QStringLiteral("address: 0x")));
    QCOMPARE(lines.at(6), QStringLiteral("pid: %1").arg(result.pid));
    QVERIFY(lines.at(7).startsWith(QStringLiteral("tid: ")));
    QCOMPARE(lines.at(8), QStringLiteral("backtrace:"));
    // The raw frames name the crash handler, then the memory map names the program.
    const int maps = lines.indexOf(QStringLiteral("maps:"));
    QVERIFY(maps > 9);
    QVERIFY2(lines.mid(9, maps - 9).join(QLatin1Char('\n')).contains(QStringLiteral("ApplicationCrashHandler")),
             qPrintable(dump.left(4000)));
    QVERIFY(lines.mid(maps).join(QLatin1Char('\n')).contains(QStringLiteral("crash_helper")));
}

void TestCrashHandler::existingDumpIsNeverOverwritten()
{
    // Every name the crash could take is already there.
    const QDateTime now = QDateTime::currentDateTime();
    for (int s = -2; s <= 20; ++s) {
        QFile file(FileUtils::getDmpDir() + QLatin1Char('/')
                   + now.addSecs(s).toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss")) + QStringLiteral(".dmp"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier crash");
    }
    const QStringList existing = dumps();

    const Crash result = crash(QStringLiteral("segv"));
    QCOMPARE(result.status, QProcess::CrashExit);
    QCOMPARE(result.code, int(SIGSEGV));
    QVERIFY2(result.output.contains(QStringLiteral("hDumpFile == null")), qPrintable(result.output));
    QCOMPARE(dumps(), existing);
    for (const QString &name : existing) {
        QFile file(FileUtils::getDmpDir() + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier crash"));
    }
}

QTEST_GUILESS_MAIN(TestCrashHandler)
#include "tst_crashhandler.moc"
