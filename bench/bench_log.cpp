// Cost of one log line against a plain open/append/close of the same line in
// the same run, from one thread and from eight, written to a temporary file.
#include "utils/CLog.h"

#include "BenchFigure.h"
#include "BenchHome.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

const QString kTag = QStringLiteral("TQRealTimeManager::onMessage ");
const QString kMessage = QStringLiteral("bench line of the log with some payload text, 第 42 行");

// What the log writes for kMessage at level 1 (the time is a stand-in of the same length).
QByteArray sameLine()
{
    return QByteArrayLiteral("[2019-10-12 09:41:05.123] ") + kTag.toUtf8() + "[LOG] " + kMessage.toUtf8() + "\r\n";
}

// The reference: the same line appended with one open, one write and one
// close, under a lock like the log's.
void plainAppend(const QByteArray &path, const QByteArray &line)
{
    static std::mutex lock;
    std::lock_guard<std::mutex> guard(lock);
    const int fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, line.constData(), size_t(line.size())) != line.size())
        std::abort();
    ::close(fd);
}

// `lines` calls of work on each of `threads` threads.
template <class Work>
void onThreads(int threads, int lines, Work work)
{
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (int i = 0; i < lines; ++i)
                work();
        });
    }
    for (std::thread &worker : workers)
        worker.join();
}

void printComparison(const char *what, const BenchComparison &c, double linesPerCall)
{
    std::printf("  %s\n", what);
    std::printf("    plain open/append/close  %s us per line\n", c.reference.text(1e6 / linesPerCall, 2).c_str());
    std::printf("    CLog                     %s us per line\n", c.subject.text(1e6 / linesPerCall, 2).c_str());
    std::printf("    ratio to plain writes    %s  (goal: 2 or less)\n", c.ratio.text(1.0, 2).c_str());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(silent); // measure the log, not the terminal
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("clog.log"));
    const QByteArray plainPath = QFile::encodeName(dir.filePath(QStringLiteral("plain.log")));
    const QByteArray line = sameLine();

    std::printf("Figures: median (min-max) of %d runs; lines of %d bytes; home %s\n", bench::kRuns, int(line.size()),
                BenchHome::path());
    printComparison("CLog::log, one thread (file line, and the console line to a silent handler)",
                    bench::compare([&] { plainAppend(plainPath, line); }, [&] { CLog::log(kMessage, kTag, logPath); }),
                    1);
    printComparison("CLog::writeLogFile, one thread (the file line alone)",
                    bench::compare([&] { plainAppend(plainPath, line); },
                                   [&] { CLog::writeLogFile(kMessage, kTag, CLog::LEVEL_LOG, logPath); }),
                    1);
    const int threads = 8;
    const int perThread = 200;
    printComparison("CLog::log, 8 threads",
                    bench::compare([&] { onThreads(threads, perThread, [&] { plainAppend(plainPath, line); }); },
                                   [&] { onThreads(threads, perThread, [&] { CLog::log(kMessage, kTag, logPath); }); }),
                    threads * perThread);
    return 0;
}
