#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QJsonObject;
class QProcess;

// Runs the test executable itself again as a fresh process: the same program
// started anew over the same (or another) data folder, for what must survive
// a restart or happens only on the first load of a process.
//
// A test file that uses it replaces QTEST_MAIN by
// VELTRO_TEST_MAIN_WITH_CHILD(TestClass, childMain), where
// `int childMain(const QString &mode)` does the child's job and prints its
// findings on stdout.
class TestChildProcess
{
public:
    struct Result
    {
        int exitCode = -1;
        bool finished = false;
        QByteArray out;
        QByteArray err;
    };

    // Starts this executable in child `mode`. A non-empty `dataHome` becomes
    // the child's XDG_DATA_HOME (its data folder is <dataHome>/VeltroTeacher);
    // otherwise the child shares the parent's.
    static Result run(const QString &mode, const QString &dataHome = QString(), int timeoutMs = 30000);
    // As run(), but when this process is root the child runs as the
    // unprivileged user `kNobodyId` (through setpriv), with its whole home
    // (data, config, cache, runtime folders) under `dataHome`, handed to that
    // user first. Permission checks then hold as they do for a teacher.
    static Result runUnprivileged(const QString &mode, const QString &dataHome, int timeoutMs = 30000);
    static constexpr int kNobodyId = 65534;
    // Whether runUnprivileged() drops privileges (this process is root).
    static bool dropsPrivileges();
    // Sets up `process` to start the child without waiting for it.
    static void start(QProcess &process, const QString &mode, const QString &dataHome = QString());

    // In the child: prints one finding as a line of compact JSON on stdout.
    static void report(const QJsonObject &object);

    // The child's mode when argv asks for one, else "".
    static QString childMode(int argc, char **argv);
};

#define VELTRO_TEST_MAIN_WITH_CHILD(TestObject, childMain)                                                       \
    int main(int argc, char *argv[])                                                                             \
    {                                                                                                            \
        const QString mode = TestChildProcess::childMode(argc, argv);                                            \
        QCoreApplication app(argc, argv);                                                                        \
        if (!mode.isEmpty())                                                                                     \
            return childMain(mode);                                                                              \
        TestObject tc;                                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                               \
        return QTest::qExec(&tc, argc, argv);                                                                    \
    }
