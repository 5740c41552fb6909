// The relay's wire form and address, as the SDK's relay client and the relay
// program read them: frames round-trip whole however the bytes are cut up;
// truncated input waits, malformed or oversized input is refused for good
// (never a crash or a huge allocation); the address takes only "IPv4:port".
#include "rtsdk/RelayFrame.h"

#include "../../rtsdk/src/RelayConfig.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using rtsdk::RelayConfig;
using rtsdk::RelayFrame;
using rtsdk::RelayFrameReader;
using rtsdk::RelayKind;

Q_DECLARE_METATYPE(RelayFrame)

namespace {

QByteArray bytesOf(const std::string &s)
{
    return QByteArray(s.data(), int(s.size()));
}

QByteArray u32(quint32 v)
{
    QByteArray out(4, '\0');
    qToBigEndian(v, out.data());
    return out;
}

} // namespace

class TestRelayWire : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void refused_data();
    void refused();
    void truncatedWaits();
    void address_data();
    void address();
    void configuration_data();
    void configuration();
};

void TestRelayWire::roundTrip_data()
{
    QTest::addColumn<RelayFrame>("frame");
    QTest::newRow("no parts") << RelayFrame(RelayKind::Logout);
    QTest::newRow("login") << RelayFrame(RelayKind::Login).add("42_rtm");
    QTest::newRow("empty part") << RelayFrame(RelayKind::Sent).add("").addNumber(7).addNumber(9);
    QTest::newRow("raw bytes with NUL and UTF-8") << RelayFrame(RelayKind::ChannelMessage)
                                                         .add("678_rtm")
                                                         .addNumber(1)
                                                         .addNumber(2)
                                                         .add("老师好")
                                                         .add(std::string("\0\xff\x01", 3));
    QTest::newRow("negative number") << RelayFrame(RelayKind::RtcUserOffline).addNumber(-1).addNumber(INT64_MIN);
    QTest::newRow("picture") << RelayFrame(RelayKind::RtcFrame).addNumber(640).addNumber(480).add(
        std::string(640 * 480 * 3 / 2, 'y'));
}

void TestRelayWire::roundTrip()
{
    QFETCH(RelayFrame, frame);
    const std::string wire = frame.encode() + frame.encode();
    // Whole, and cut into pieces of 1 and of 7 bytes: two equal frames each time.
    for (size_t step : { wire.size(), size_t(1), size_t(7) }) {
        RelayFrameReader reader;
        QList<RelayFrame> got;
        for (size_t at = 0; at < wire.size(); at += step) {
            reader.feed(wire.data() + at, std::min(step, wire.size() - at));
            RelayFrame out;
            while (reader.next(&out) == RelayFrameReader::Result::Frame)
                got << out;
        }
        QCOMPARE(got.size(), 2);
        QVERIFY(got.at(0) == frame && got.at(1) == frame);
        QCOMPARE(reader.pending(), size_t(0));
    }
    int64_t n = 0;
    if (frame.kind == RelayKind::RtcUserOffline) {
        QVERIFY(frame.number(1, &n));
        QCOMPARE(n, INT64_MIN);
    }
    QVERIFY(!frame.number(frame.parts.size(), &n)); // past the end
}

void TestRelayWire::refused_data()
{
    QTest::addColumn<QByteArray>("wire");
    QTest::newRow("length 0") << u32(0);
    QTest::newRow("oversized length, no body yet") << u32(quint32(RelayFrameReader::kMaxBody) + 1);
    QTest::newRow("length 0xffffffff") << u32(0xffffffffu);
    QTest::newRow("part header cut short") << u32(3) + QByteArray("\x01\x00\x00", 3);
    QTest::newRow("part longer than its body") << u32(6) + QByteArray("\x01", 1) + u32(100) + QByteArray("x");
    QTest::newRow("part length near 4 GiB") << u32(9) + QByteArray("\x06", 1) + u32(0xfffffffcu) + QByteArray("abcd");
    QTest::newRow("good frame, then garbage")
        << bytesOf(RelayFrame(RelayKind::Login).add("1_rtm").encode()) + u32(2) + QByteArray("\x01\x00", 2);
}

void TestRelayWire::refused()
{
    QFETCH(QByteArray, wire);
    RelayFrameReader reader;
    reader.feed(wire.constData(), size_t(wire.size()));
    RelayFrame out;
    RelayFrameReader::Result result;
    while ((result = reader.next(&out)) == RelayFrameReader::Result::Frame)
        QCOMPARE(out.text(0), std::string("1_rtm"));
    QCOMPARE(int(result), int(RelayFrameReader::Result::Refused));
    // Refused for good: a good frame after it is not read.
    const std::string good = RelayFrame(RelayKind::Logout).encode();
    reader.feed(good.data(), good.size());
    QCOMPARE(int(reader.next(&out)), int(RelayFrameReader::Result::Refused));
}

void TestRelayWire::truncatedWaits()
{
    const std::string wire = RelayFrame(RelayKind::Join).add("678_rtm").encode();
    for (size_t cut = 0; cut < wire.size(); ++cut) {
        RelayFrameReader reader;
        reader.feed(wire.data(), cut);
        RelayFrame out;
        QCOMPARE(int(reader.next(&out)), int(RelayFrameReader::Result::NeedMore));
        reader.feed(wire.data() + cut, wire.size() - cut);
        QCOMPARE(int(reader.next(&out)), int(RelayFrameReader::Result::Frame));
        QCOMPARE(out.text(0), std::string("678_rtm"));
    }
}

void TestRelayWire::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("loopback") << "127.0.0.1:18481" << "127.0.0.1" << 18481;
    QTest::newRow("blanks and line end") << "  127.0.0.1:9\r\n" << "127.0.0.1" << 9;
    QTest::newRow("off") << "off" << "" << 0;
    QTest::newRow("empty") << "" << "" << 0;
    QTest::newRow("no port") << "127.0.0.1:" << "" << 0;
    QTest::newRow("port 0") << "127.0.0.1:0" << "" << 0;
    QTest::newRow("port too big") << "127.0.0.1:65536" << "" << 0;
    QTest::newRow("word port") << "127.0.0.1:http" << "" << 0;
    QTest::newRow("signed port") << "127.0.0.1:+80" << "" << 0;
    QTest::newRow("host name") << "localhost:80" << "" << 0;
}

void TestRelayWire::address()
{
    QFETCH(QString, text);
    QFETCH(QString, host);
    QFETCH(int, port);
    const RelayConfig config = RelayConfig::parse(text.toStdString());
    QCOMPARE(QString::fromStdString(config.host), host);
    QCOMPARE(config.port, port);
    QCOMPARE(config.enabled(), port > 0);
}

// The environment variable wins over the file beside the data folder; "off"
// there switches a file's relay off.
void TestRelayWire::configuration_data()
{
    QTest::addColumn<QByteArray>("variable"); // null: unset
    QTest::addColumn<QByteArray>("file"); // null: no file
    QTest::addColumn<int>("port");
    QTest::newRow("neither") << QByteArray() << QByteArray() << 0;
    QTest::newRow("file") << QByteArray() << QByteArray("127.0.0.1:18481\n# comment\n") << 18481;
    QTest::newRow("variable") << QByteArray("127.0.0.1:9") << QByteArray() << 9;
    QTest::newRow("variable wins") << QByteArray("127.0.0.1:9") << QByteArray("127.0.0.1:18481") << 9;
    QTest::newRow("variable off") << QByteArray("off") << QByteArray("127.0.0.1:18481") << 0;
    QTest::newRow("bad file") << QByteArray() << QByteArray("relay please") << 0;
}

void TestRelayWire::configuration()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, file);
    QFETCH(int, port);
    QTemporaryDir data;
    QVERIFY(data.isValid());
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    if (variable.isNull())
        qunsetenv("RTSDK_RELAY");
    else
        qputenv("RTSDK_RELAY", variable);
    if (!file.isNull()) {
        QFile conf(data.filePath(QStringLiteral("rtsdk-relay.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(file);
    }
    const RelayConfig config = RelayConfig::fromEnvironment();
    qputenv("XDG_DATA_HOME", oldData);
    qunsetenv("RTSDK_RELAY");
    QCOMPARE(config.port, port);
}

QTEST_MAIN(TestRelayWire)
#include "tst_relaywire.moc"
