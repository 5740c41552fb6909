#include "utils/SystemInfo.h"

#include <QAudioDeviceInfo>
#include <QCameraInfo>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QScreen>
#include <QSysInfo>

#include <algorithm>
#include <malloc.h>

namespace {

const char *const kPciDevicesDir = "/sys/bus/pci/devices";
const char *const kPciIdsPaths[] = {"/usr/share/misc/pci.ids", "/usr/share/hwdata/pci.ids"};

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    // /proc files report size 0: read until the end.
    return file.readAll();
}

QByteArray fieldValue(const QByteArray &line)
{
    const int colon = line.indexOf(':');
    return colon < 0 ? QByteArray() : line.mid(colon + 1).trimmed();
}

uint hexFile(const QString &path, bool *ok)
{
    return readSmallFile(path).trimmed().toUInt(ok, 16);
}

struct PciDisplay
{
    QString address;
    uint vendor = 0;
    uint device = 0;
    QString name;
};

// The drivers of the three vendors come first, in this order; the rest follow.
int vendorRank(uint vendor)
{
    switch (vendor) {
    case 0x10de: return 0;
    case 0x8086: return 1;
    case 0x1002: return 2;
    default: return 3;
    }
}

QString fallbackVendorName(uint vendor)
{
    switch (vendor) {
    case 0x10de: return QStringLiteral("NVIDIA");
    case 0x8086: return QStringLiteral("Intel");
    case 0x1002: return QStringLiteral("AMD");
    default: return QString();
    }
}

// Fills the names of the devices from a pci.ids file ("vvvv  Vendor" lines,
// then "\tdddd  Device" lines below each vendor).
void nameFromPciIds(const QString &pciIdsPath, QList<PciDisplay> &devices)
{
    QFile file(pciIdsPath);
    if (pciIdsPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    QString vendorName;
    uint vendor = 0;
    bool vendorWanted = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.size() > 6 && line.at(0) != '\t' && line.at(4) == ' ') {
            bool ok = false;
            vendor = line.left(4).toUInt(&ok, 16);
            if (!ok) {
                vendorWanted = false;
                continue;
            }
            vendorName = QString::fromUtf8(line.mid(4).trimmed());
            vendorWanted = std::any_of(devices.begin(), devices.end(),
                                       [&](const PciDisplay &d) { return d.vendor == vendor; });
            if (line.startsWith("ffff"))
                break; // the device classes follow; no more vendors
            continue;
        }
        if (!vendorWanted || line.size() < 7 || line.at(0) != '\t' || line.at(1) == '\t')
            continue;
        bool ok = false;
        const uint device = line.mid(1, 4).toUInt(&ok, 16);
        if (!ok)
            continue;
        for (PciDisplay &d : devices) {
            if (d.vendor == vendor && d.device == device)
                d.name = vendorName + QLatin1Char(' ') + QString::fromUtf8(line.mid(5).trimmed());
        }
    }
}

QString firstExistingPciIds()
{
    for (const char *path : kPciIdsPaths) {
        if (QFile::exists(QLatin1String(path)))
            return QLatin1String(path);
    }
    return QString();
}

} // namespace

namespace SystemInfoDetail {

QString cpuNameFromCpuInfo(const QByteArray &cpuInfo)
{
    // x86 names the processor in "model name"; some ARM kernels use "Processor" or "Hardware".
    for (const char *key : {"model name", "Processor", "Hardware"}) {
        for (const QByteArray &line : cpuInfo.split('\n')) {
            if (line.startsWith(key) && line.indexOf(':') > 0 && line.left(line.indexOf(':')).trimmed() == key) {
                const QByteArray value = fieldValue(line);
                if (!value.isEmpty())
                    return QString::fromUtf8(value);
            }
        }
    }
    return QString();
}

quint64 kibValue(const QByteArray &text, const char *key)
{
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : text.split('\n')) {
        if (!line.startsWith(prefix))
            continue;
        QByteArray value = fieldValue(line);
        if (value.endsWith(" kB"))
            value.chop(3);
        bool ok = false;
        const quint64 kib = value.trimmed().toULongLong(&ok);
        return ok ? kib : 0;
    }
    return 0;
}

QString formatMemoryInfo(quint64 availableBytes, quint64 totalBytes)
{
    const double gib = 1073741824.0;
    return QString::asprintf(" %.2f GB / %.2f GB", double(availableBytes) / gib, double(totalBytes) / gib);
}

QString gpuNamesFromPci(const QString &devicesDir, const QString &pciIdsPath)
{
    QList<PciDisplay> devices;
    const QDir dir(devicesDir);
    const QStringList entries = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        const QString base = dir.filePath(entry);
        bool ok = false;
        const uint deviceClass = hexFile(base + QStringLiteral("/class"), &ok);
        if (!ok || (deviceClass >> 16) != 0x03)
            continue;
        PciDisplay d;
        d.address = entry;
        bool vendorOk = false;
        bool deviceOk = false;
        d.vendor = hexFile(base + QStringLiteral("/vendor"), &vendorOk);
        d.device = hexFile(base + QStringLiteral("/device"), &deviceOk);
        if (vendorOk && deviceOk)
            devices.append(d);
    }
    if (devices.isEmpty())
        return QString();
    std::stable_sort(devices.begin(), devices.end(), [](const PciDisplay &a, const PciDisplay &b) {
        return vendorRank(a.vendor) < vendorRank(b.vendor);
    });
    nameFromPciIds(pciIdsPath, devices);

    QString result;
    for (const PciDisplay &d : devices) {
        QString name = d.name.trimmed();
        if (name.isEmpty()) {
            // No name database: the vendor where we know it and the ids.
            name = QStringLiteral("%1 display adapter [%2:%3]")
                       .arg(fallbackVendorName(d.vendor))
                       .arg(d.vendor, 4, 16, QLatin1Char('0'))
                       .arg(d.device, 4, 16, QLatin1Char('0'))
                       .trimmed();
        }
        result = result.isEmpty() ? name : result + QLatin1Char('\n') + name;
    }
    return result.trimmed();
}

} // namespace SystemInfoDetail

using namespace SystemInfoDetail;

QString getHostName()
{
    return QHostInfo::localHostName();
}

QString getCpuName()
{
    return cpuNameFromCpuInfo(readSmallFile(QStringLiteral("/proc/cpuinfo")));
}

QString getGpuName()
{
    return gpuNamesFromPci(QLatin1String(kPciDevicesDir), firstExistingPciIds());
}

QString getOsVersion()
{
    // The kernel's architecture, so a 32-bit build on a 64-bit system says "64 bit".
    const QString arch = QSysInfo::currentCpuArchitecture();
    const QString bits = arch.contains(QLatin1String("64")) ? QStringLiteral("64 bit") : QStringLiteral("32 bit");
    return QSysInfo::prettyProductName() + QLatin1Char(' ') + bits;
}

QString getMemoryInfo()
{
    const QByteArray meminfo = readSmallFile(QStringLiteral("/proc/meminfo"));
    quint64 available = kibValue(meminfo, "MemAvailable");
    if (available == 0)
        available = kibValue(meminfo, "MemFree"); // kernels before 3.14
    return formatMemoryInfo(available * 1024, kibValue(meminfo, "MemTotal") * 1024);
}

QString getCameraInfo()
{
    QString info = QStringLiteral("cameraInfo:\r\n");
    const QList<QCameraInfo> cameras = QCameraInfo::availableCameras();
    for (const QCameraInfo &camera : cameras)
        info += QStringLiteral("deviceName:%1; cameraDesc:%2;\r\n").arg(camera.deviceName(), camera.description());
    return info;
}

QString getAudioInfo()
{
    QString info = QStringLiteral("audioInfo:");
    const QList<QAudioDeviceInfo> inputs = QAudioDeviceInfo::availableDevices(QAudio::AudioInput);
    for (const QAudioDeviceInfo &device : inputs)
        info += QStringLiteral("input deviceName:%1;").arg(device.deviceName());
    const QList<QAudioDeviceInfo> outputs = QAudioDeviceInfo::availableDevices(QAudio::AudioOutput);
    for (const QAudioDeviceInfo &device : outputs)
        info += QStringLiteral("output deviceName:%1;").arg(device.deviceName());
    return info;
}

QString getDesktopRect()
{
    // The virtual desktop over all screens, as the desktop widget's rectangle.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect rect = screen ? screen->virtualGeometry() : QRect();
    return QStringLiteral("desktop rect:%1*%2").arg(rect.width()).arg(rect.height());
}

QString getProcessMemoryInfo()
{
    // Linux counterparts: resident set (and its peak), virtual size (and its
    // peak) for the committed memory, page tables for the kernel memory charged
    // to the process (it has no peak of its own).
    const QByteArray status = readSmallFile(QStringLiteral("/proc/self/status"));
    return QStringLiteral("processMemoryInfo: workingset:%1k/%2k, pagefile:%3k/%4k, QuotaPagedPool:%5k/%6k")
        .arg(kibValue(status, "VmRSS"))
        .arg(kibValue(status, "VmHWM"))
        .arg(kibValue(status, "VmSize"))
        .arg(kibValue(status, "VmPeak"))
        .arg(kibValue(status, "VmPTE"))
        .arg(kibValue(status, "VmPTE"));
}

void emptyWorkingSet()
{
    ::malloc_trim(0);
}

QString getMacAddress()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &i : interfaces) {
        const auto flags = i.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning)
            && !flags.testFlag(QNetworkInterface::IsLoopBack))
            return i.hardwareAddress();
    }
    return QString();
}

bool hasAudioOutputDevice()
{
    return !QAudioDeviceInfo::availableDevices(QAudio::AudioOutput).isEmpty();
}
