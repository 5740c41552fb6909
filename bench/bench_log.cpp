// Lines per second through CLog from 1 and 8 threads, written to a temporary file.
#include "utils/CLog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <thread>
#include <vector>

static void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

static double run(int threads, int linesPerThread, const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([=] {
            for (int i = 0; i < linesPerThread; ++i)
                CLog::log(QStringLiteral("bench line %1 of thread %2 with some payload text").arg(i).arg(t),
                          QStringLiteral("bench "), path);
        });
    }
    for (std::thread &w : workers)
        w.join();
    return threads * linesPerThread / (timer.nsecsElapsed() / 1e9);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(silent); // measure the file half, not the terminal
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.log"));
    const int lines = 20000;
    std::printf("CLog, %d lines per thread, one open/write/close per line\n", lines);
    for (int threads : {1, 8})
        std::printf("  %d thread(s): %.0f lines/s\n", threads, run(threads, lines, path));
    return 0;
}
