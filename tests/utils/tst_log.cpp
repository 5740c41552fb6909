#include "TestClock.h"
#include "TestLogCapture.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>
#include <vector>

namespace {

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString lastLine()
{
    const QStringList lines = fileLines(CLog::currentLogPath());
    return lines.isEmpty() ? QString() : lines.last();
}

const qint64 kInstant = QDateTime(QDate(2019, 10, 12), QTime(9, 41, 5, 123)).toMSecsSinceEpoch();

} // namespace

class TestLog : public QObject
{
    Q_OBJECT

private slots:
    void firstFileAndReset();
    void lineFormat_data();
    void lineFormat();
    void explicitPathLeavesCurrentFile();
    void consolePieces_data();
    void consolePieces();
    void printfCutsAtLimit_data();
    void printfCutsAtLimit();
    void threadsNeverMixLines();
};

void TestLog::firstFileAndReset()
{
    // The first file of the process was named while the program loaded.
    const QString first = CLog::currentLogPath();
    QVERIFY2(first.startsWith(FileUtils::getAppDataDir() + QStringLiteral("/xlog/VeltroLecture_Windows_0_")), qPrintable(first));
    QVERIFY(first.endsWith(QStringLiteral("_1.log")));
    QVERIFY(QDir(FileUtils::getAppDataDir() + QStringLiteral("/xlog")).exists());

    TestClock clock(kInstant);
    CLog::resetLogFile();
    // The day of the month stands again where the seconds would be.
    QCOMPARE(QFileInfo(CLog::currentLogPath()).fileName(),
             QStringLiteral("VeltroLecture_Windows_0_2019_10_12_09_41_12_2.log"));
    CLog::log(QStringLiteral("after reset"));
    QVERIFY(QFile::exists(CLog::currentLogPath()));
    QVERIFY(lastLine().endsWith(QStringLiteral("[LOG] after reset")));
}

void TestLog::lineFormat_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");

    QTest::newRow("error with tag") << 2 << "KV::set " << "boom" << "[2019-10-12 09:41:05.123] KV::set [ERROR] boom";
    QTest::newRow("log") << 1 << "a.cpp f (12) " << "x=1" << "[2019-10-12 09:41:05.123] a.cpp f (12) [LOG] x=1";
    QTest::newRow("empty print") << -1 << "" << "" << "[2019-10-12 09:41:05.123] [DEBUG] ";
    QTest::newRow("chinese") << 0 << "标签 " << "中文测试，好" << "[2019-10-12 09:41:05.123] 标签 [DEBUG] 中文测试，好";
    // The stamp's time is the row's: the milliseconds padded, and a later
    // second or day never shows the one written before.
    QTest::newRow("milliseconds padded") << 1 << "" << "a" << "[2019-10-12 09:41:05.007] [LOG] a";
    QTest::newRow("next second") << 1 << "" << "b" << "[2019-10-12 09:41:06.050] [LOG] b";
    QTest::newRow("next day") << 1 << "" << "c" << "[2019-10-13 00:00:00.000] [LOG] c";
}

void TestLog::lineFormat()
{
    QFETCH(int, level);
    QFETCH(QString, tag);
    QFETCH(QString, message);
    QFETCH(QString, expected);

    // The instant of the row's stamp.
    TestClock clock(
        QDateTime::fromString(expected.mid(1, 23), QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")).toMSecsSinceEpoch());
    switch (level) {
    case -1: CLog::print(message); break;
    case 0: CLog::debug(message, tag); break;
    case 1: CLog::log(message, tag); break;
    default: CLog::error(message, tag); break;
    }
    QCOMPARE(lastLine(), expected);

    QFile file(CLog::currentLogPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(expected.toUtf8() + "\r\n"));
}

void TestLog::explicitPathLeavesCurrentFile()
{
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("other.log"));
    const QString current = CLog::currentLogPath();
    CLog::error(QStringLiteral("elsewhere"), QString(), other);
    QCOMPARE(CLog::currentLogPath(), current);
    QCOMPARE(fileLines(other).size(), 1);
    QVERIFY(fileLines(other).first().endsWith(QStringLiteral("[ERROR] elsewhere")));
    QVERIFY(!lastLine().endsWith(QStringLiteral("elsewhere")));

    // A folder that does not exist: nothing is written, nothing breaks.
    CLog::log(QStringLiteral("lost"), QString(), dir.filePath(QStringLiteral("missing/x.log")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing/x.log"))));
}

void TestLog::consolePieces_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<QList<int>>("pieces");

    QTest::newRow("debug 2047") << 0 << 2047 << QList<int>{2047};
    QTest::newRow("debug 2048") << 0 << 2048 << QList<int>{2048};
    QTest::newRow("debug 2049") << 0 << 2049 << QList<int>{2048, 1};
    QTest::newRow("debug 5000") << 0 << 5000 << QList<int>{2048, 2048, 904};
    QTest::newRow("error 10000 whole") << 2 << 10000 << QList<int>{10000};
    QTest::newRow("log 10000 whole") << 1 << 10000 << QList<int>{10000};
}

void TestLog::consolePieces()
{
    QFETCH(int, level);
    QFETCH(int, lineLength);
    QFETCH(QList<int>, pieces);

    // The console line is the stamp, the level tag, the tag and the message.
    const QString levelTag = level == 0 ? "[DEBUG] " : level == 1 ? "[LOG] " : "[ERROR] ";
    const int overhead = QStringLiteral("[2019-10-12 09:41:05.123] ").size() + levelTag.size();
    const QString message(lineLength - overhead, QLatin1Char('m'));

    TestClock clock(kInstant);
    TestLogCapture capture;
    if (level == 0)
        CLog::debug(message);
    else if (level == 1)
        CLog::log(message);
    else
        CLog::error(message);

    QList<int> sizes;
    for (const QString &piece : capture.messages())
        sizes.append(piece.size());
    QCOMPARE(sizes, pieces);
    const QtMsgType expectedType = level == 0 ? QtDebugMsg : QtWarningMsg;
    for (QtMsgType type : capture.types())
        QCOMPARE(type, expectedType);
    QCOMPARE(capture.messages().join(QString()), QStringLiteral("[2019-10-12 09:41:05.123] ") + levelTag + message);
}

void TestLog::printfCutsAtLimit_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("logged");

    const QByteArray big(50000, 'p');
    QTest::newRow("50000 bytes") << big << big.left(CLog::kPrintfBufferSize - 1);
    const QByteArray exact(CLog::kPrintfBufferSize - 1, 'q');
    QTest::newRow("exactly the limit") << exact << exact;
    // A three-byte character that would straddle the limit is left out whole.
    const QByteArray straddle = QByteArray(CLog::kPrintfBufferSize - 2, 'r') + "中文";
    QTest::newRow("utf8 boundary") << straddle << QByteArray(CLog::kPrintfBufferSize - 2, 'r');
    QTest::newRow("chinese format") << QByteArray("课程 42 开始") << QByteArray("课程 42 开始");
}

void TestLog::printfCutsAtLimit()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, logged);
    CLog::printf("%s", text.constData());
    const QString line = lastLine();
    QVERIFY(line.endsWith(QStringLiteral("[DEBUG] ") + QString::fromUtf8(logged)));
    QVERIFY(!line.endsWith(QStringLiteral("[DEBUG] ") + QString::fromUtf8(logged) + QLatin1Char('p')));
}

void TestLog::threadsNeverMixLines()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("threads.log"));
    TestLogCapture quiet; // keeps thousands of console lines out of the test output
    constexpr int kThreads = 8;
    constexpr int kLines = 400;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, path] {
            for (int i = 0; i < kLines; ++i) {
                // Alternate the two entry points: printf formats on this thread.
                if (i % 2)
                    CLog::log(QStringLiteral("t%1 i%2 %3").arg(t).arg(i).arg(QString(200, QChar(u'汉'))), QString(), path);
                else
                    CLog::printf("t%d i%d %s", t, i, QByteArray(300, char('a' + t)).constData());
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    // printf lines go to the current file; the others to `path`.
    const QRegularExpression logShape(QStringLiteral(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\] \[LOG\] t(\d) i(\d+) 汉{200}$)"));
    QSet<QString> seen;
    for (const QString &line : fileLines(path)) {
        const QRegularExpressionMatch match = logShape.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line.left(120)));
        seen.insert(match.captured(1) + QLatin1Char('/') + match.captured(2));
    }
    QCOMPARE(seen.size(), kThreads * kLines / 2);

    const QRegularExpression printfShape(QStringLiteral(R"(^\[[^\]]+\] \[DEBUG\] t(\d) i(\d+) ([a-h])\3{299}$)"));
    int printfLines = 0;
    for (const QString &line : fileLines(CLog::currentLogPath())) {
        if (!line.contains(QStringLiteral("[DEBUG] t")))
            continue;
        const QRegularExpressionMatch match = printfShape.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line.left(120)));
        QCOMPARE(match.captured(3).at(0).toLatin1(), char('a' + match.captured(1).toInt()));
        ++printfLines;
    }
    QCOMPARE(printfLines, kThreads * kLines / 2);
}

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"
