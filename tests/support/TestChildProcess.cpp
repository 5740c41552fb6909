#include "TestChildProcess.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <cstdio>

namespace {
const char kModeArgument[] = "--veltro-child";
}

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

    Result result;
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
