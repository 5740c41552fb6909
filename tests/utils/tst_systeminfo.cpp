#include "utils/SystemInfo.h"

#include <QDir>
#include <QHostInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestSystemInfo : public QObject
{
    Q_OBJECT

private slots:
    void probesOnThisMachine();
    void memoryText_data();
    void memoryText();
    void cpuName_data();
    void cpuName();
    void gpuNames_data();
    void gpuNames();
};

void TestSystemInfo::probesOnThisMachine()
{
    QCOMPARE(getHostName(), QHostInfo::localHostName());
    QVERIFY(!getCpuName().isEmpty());
    QVERIFY(QRegularExpression(QStringLiteral(R"(^.+ (64|32) bit$)")).match(getOsVersion()).hasMatch());
    const QRegularExpressionMatch memory =
        QRegularExpression(QStringLiteral(R"(^ (\d+\.\d\d) GB / (\d+\.\d\d) GB$)")).match(getMemoryInfo());
    QVERIFY2(memory.hasMatch(), qPrintable(getMemoryInfo()));
    QVERIFY(memory.captured(2).toDouble() > 0.0);
    QVERIFY(memory.captured(1).toDouble() <= memory.captured(2).toDouble());
    QVERIFY(getCameraInfo().startsWith(QStringLiteral("cameraInfo:\r\n")));
    QVERIFY(getAudioInfo().startsWith(QStringLiteral("audioInfo:")));
    QVERIFY(QRegularExpression(QStringLiteral(R"(^desktop rect:[1-9]\d*\*[1-9]\d*$)")).match(getDesktopRect()).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral(R"(^processMemoryInfo: workingset:[1-9]\d*k/[1-9]\d*k, )"
                                              R"(pagefile:[1-9]\d*k/[1-9]\d*k, QuotaPagedPool:\d+k/\d+k$)"))
                .match(getProcessMemoryInfo())
                .hasMatch());
    emptyWorkingSet();
    const QString mac = getMacAddress();
    QVERIFY(mac.isEmpty() || QRegularExpression(QStringLiteral("^([0-9A-F]{2}:){5}[0-9A-F]{2}$")).match(mac).hasMatch());
}

void TestSystemInfo::memoryText_data()
{
    QTest::addColumn<quint64>("available");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<QString>("text");
    const quint64 gib = 1073741824ULL;
    QTest::newRow("16 GiB, 7.5 free") << gib * 15 / 2 << gib * 16 << " 7.50 GB / 16.00 GB";
    QTest::newRow("rounded") << gib / 3 << gib * 2 << " 0.33 GB / 2.00 GB";
    QTest::newRow("nothing known") << quint64(0) << quint64(0) << " 0.00 GB / 0.00 GB";
}

void TestSystemInfo::memoryText()
{
    QFETCH(quint64, available);
    QFETCH(quint64, total);
    QFETCH(QString, text);
    QCOMPARE(SystemInfoDetail::formatMemoryInfo(available, total), text);
}

void TestSystemInfo::cpuName_data()
{
    QTest::addColumn<QByteArray>("cpuInfo");
    QTest::addColumn<QString>("name");
    QTest::newRow("x86") << QByteArray("processor\t: 0\nvendor_id\t: GenuineIntel\nmodel\t\t: 142\n"
                                       "model name\t: Intel(R) Core(TM) i7-8550U CPU @ 1.80GHz\n\nprocessor\t: 1\n"
                                       "model name\t: Intel(R) Core(TM) i7-8550U CPU @ 1.80GHz\n")
                         << "Intel(R) Core(TM) i7-8550U CPU @ 1.80GHz";
    QTest::newRow("arm") << QByteArray("Processor\t: ARMv7 Processor rev 4 (v7l)\nBogoMIPS\t: 38.40\n"
                                       "Hardware\t: BCM2835\n")
                         << "ARMv7 Processor rev 4 (v7l)";
    QTest::newRow("board only") << QByteArray("processor\t: 0\nBogoMIPS\t: 108.00\nHardware\t: BCM2711\n")
                                << "BCM2711";
    QTest::newRow("nothing") << QByteArray("processor\t: 0\nmodel\t\t: 1\n") << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestSystemInfo::cpuName()
{
    QFETCH(QByteArray, cpuInfo);
    QFETCH(QString, name);
    QCOMPARE(SystemInfoDetail::cpuNameFromCpuInfo(cpuInfo), name);
}

void TestSystemInfo::gpuNames_data()
{
    // A fake sysfs: address, class, vendor, device.
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<bool>("withIds");
    QTest::addColumn<QString>("names");
    const QString intel = QStringLiteral("0000:00:02.0 0x030000 0x8086 0x3ea0");
    const QString nvidia = QStringLiteral("0000:01:00.0 0x030200 0x10de 0x1c8d");
    const QString bridge = QStringLiteral("0000:00:1f.0 0x060100 0x8086 0x9d84");
    const QString virtio = QStringLiteral("0000:00:01.0 0x030000 0x1af4 0x1050");
    QTest::newRow("only Intel") << QStringList{bridge, intel} << true << "Intel Corporation UHD Graphics 620";
    QTest::newRow("NVIDIA before Intel") << QStringList{intel, nvidia} << true
                                         << "NVIDIA Corporation GP107M [GeForce GTX 1050 Mobile]\n"
                                            "Intel Corporation UHD Graphics 620";
    QTest::newRow("other vendors last") << QStringList{virtio, intel} << true
                                        << "Intel Corporation UHD Graphics 620\nRed Hat, Inc. Virtio GPU";
    QTest::newRow("no name database") << QStringList{virtio, nvidia} << false
                                      << "NVIDIA display adapter [10de:1c8d]\ndisplay adapter [1af4:1050]";
    QTest::newRow("no display device") << QStringList{bridge} << true << "";
    QTest::newRow("no devices") << QStringList() << true << "";
}

void TestSystemInfo::gpuNames()
{
    QFETCH(QStringList, devices);
    QFETCH(bool, withIds);
    QFETCH(QString, names);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    for (const QString &device : devices) {
        const QStringList fields = device.split(QLatin1Char(' '));
        const QString dir = root.filePath(fields.at(0));
        QVERIFY(QDir().mkpath(dir));
        const char *files[] = {"class", "vendor", "device"};
        for (int i = 0; i < 3; ++i) {
            QFile file(dir + QLatin1Char('/') + QLatin1String(files[i]));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(fields.at(i + 1).toLatin1() + '\n');
        }
    }
    const QString ids = root.filePath(QStringLiteral("pci.ids"));
    if (withIds) {
        QFile file(ids);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# comment\n"
                   "10de  NVIDIA Corporation\n"
                   "\t1c8c  GP107M [GeForce GTX 1050 Ti Mobile]\n"
                   "\t1c8d  GP107M [GeForce GTX 1050 Mobile]\n"
                   "\t\t1028 087c  a subsystem line\n"
                   "1af4  Red Hat, Inc.\n"
                   "\t1050  Virtio GPU\n"
                   "8086  Intel Corporation\n"
                   "\t3ea0  UHD Graphics 620\n"
                   "\t9d84  300 Series Chipset Family LPC Controller\n"
                   "ffff  Illegal Vendor ID\n"
                   "C 03  Display controller\n"
                   "\t00  VGA compatible controller\n");
    }
    QCOMPARE(SystemInfoDetail::gpuNamesFromPci(root.path(), withIds ? ids : QString()), names);
}

QTEST_MAIN(TestSystemInfo)
#include "tst_systeminfo.moc"
