#include "TestChildProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kModeArgument[] = "--veltro-child";

TestChildProcess::Result waitFor(QProcess &process, int timeoutMs)
{
    TestChildProcess::Result result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
    } else {
        result.finished = process.exitStatus() == QProcess::NormalExit;
        result.exitCode = process.exitCode();
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace

void TestChildProcess::start(QProcess &process, const QString &mode, const QString &dataHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!dataHome.isEmpty())
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kModeArgument), mode});
}

TestChildProcess::Result TestChildProcess::run(const QString &mode, const QString &dataHome, int timeoutMs)
{
    QProcess process;
    start(process, mode, dataHome);
    return waitFor(process, timeoutMs);
}

bool TestChildProcess::dropsPrivileges()
{
    return ::geteuid() == 0;
}

TestChildProcess::Result TestChildProcess::runUnprivileged(const QString &mode, const QString &dataHome, int timeoutMs)
{
    if (!dropsPrivileges())
        return run(mode, dataHome, timeoutMs);

    // Everything the child writes lies under dataHome and belongs to it.
    const QString home = QDir(dataHome).absolutePath();
    for (const char *sub : {"home", "config", "cache", "run"})
        QDir().mkpath(home + QLatin1Char('/') + QLatin1String(sub));
    ::chmod(QFile::encodeName(home + QStringLiteral("/run")).constData(), 0700);
    const auto handOver = [](const QString &path) {
        if (::lchown(QFile::encodeName(path).constData(), kNobodyId, kNobodyId) != 0)
            std::perror("lchown");
    };
    handOver(home);
    QDirIterator it(home, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        handOver(it.next());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home);
    environment.insert(QStringLiteral("HOME"), home + QStringLiteral("/home"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/run"));
    QProcess process;
    process.setProcessEnvironment(environment);
    const QString id = QString::number(kNobodyId);
    process.start(QStringLiteral("setpriv"),
                  {QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id, QStringLiteral("--clear-groups"),
                   QCoreApplication::applicationFilePath(), QString::fromLatin1(kModeArgument), mode});
    return waitFor(process, timeoutMs);
}



QString TestChildProcess::childMode(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], kModeArgument) == 0)
        return QString::fromLocal8Bit(argv[2]);
    return QString();
}

void TestChildProcess::report(const QJsonObject &object)
{
    std::fputs(QJsonDocument(object).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}
