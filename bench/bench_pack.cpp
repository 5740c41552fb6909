// Throughput of the LZMA zip pack on a 20 MB log file written to a temporary folder.
#include "utils/CZipLzmaWriter.h"

#include "BenchFigure.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <utility>
#include <vector>

static void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

// Lines shaped like the program's own log: stamp, tag, level, varying numbers.
static bool writeLog(const QString &path, qint64 bytes)
{
    static const char *const tags[] = {"CFileDownloader::download ", "TQRealTimeManager::onMessage ",
                                       "httpRequest::exec ", "TQDrawManager::drawLineAddPoint "};
    static const char *const levels[] = {"[DEBUG] ", "[LOG] ", "[ERROR] "};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator random(20191012);
    qint64 written = 0;
    QByteArray block;
    while (written < bytes) {
        block.clear();
        for (int i = 0; i < 1000; ++i) {
            const quint32 r = random.generate();
            block += QStringLiteral("[2019-10-12 09:%1:%2.%3] %4%5user=%6 course=%7 x=%8 y=%9 phase=%10\r\n")
                         .arg(r % 60, 2, 10, QLatin1Char('0'))
                         .arg((r >> 6) % 60, 2, 10, QLatin1Char('0'))
                         .arg((r >> 12) % 1000, 3, 10, QLatin1Char('0'))
                         .arg(QLatin1String(tags[r % 4]), QLatin1String(levels[(r >> 3) % 3]))
                         .arg(100000 + random.bounded(900000))
                         .arg(random.bounded(5000))
                         .arg(random.bounded(1920))
                         .arg(random.bounded(1080))
                         .arg(r % 3)
                         .toUtf8();
        }
        const QByteArray part = block.left(int(qMin<qint64>(block.size(), bytes - written)));
        if (file.write(part) != part.size())
            return false;
        written += part.size();
    }
    return true;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(silent);
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("VeltroLecture_bench.log"));
    const qint64 size = 20 * 1000 * 1000;
    if (!writeLog(log, size)) {
        std::printf("cannot write %s\n", qPrintable(log));
        return 1;
    }
    const QString archive = dir.filePath(QStringLiteral("bench.zip"));
    std::printf("LZMA zip pack of a %.1f MB log (the pack uses preset %u); median (min-max) of the runs\n",
                size / 1e6, CZipLzmaWriter::kDefaultPreset);
    for (const auto &[preset, runs] : {std::pair<quint32, int>{CZipLzmaWriter::kDefaultPreset, 5}, {6, 3}}) {
        std::vector<double> seconds;
        qint64 packed = 0;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            CZipLzmaWriter writer(archive, preset);
            if (!writer.addFile(log, QStringLiteral("VeltroLecture_bench.log")) || !writer.finish()) {
                std::printf("pack failed\n");
                return 1;
            }
            seconds.push_back(timer.nsecsElapsed() / 1e9);
            packed = QFileInfo(archive).size();
        }
        const BenchFigure time = BenchFigure::of(seconds);
        std::printf("  preset %u, %d runs: %s s, %.2f MB/s at the median, %.1f MB -> %.2f MB (%.1f%%)\n", preset, runs,
                    time.text(1.0, 2).c_str(), size / 1e6 / time.median, size / 1e6, packed / 1e6,
                    100.0 * packed / size);
    }
    return 0;
}
