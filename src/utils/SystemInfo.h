#pragma once

#include <QByteArray>
#include <QString>

// What the machine is, for the log and for a few callers. Each probe returns
// its text (empty or partial when the machine does not tell) and never fails.
QString getHostName();
QString getCpuName();
// Display adapters, one per line (NVIDIA, Intel and AMD first).
QString getGpuName();
// "<pretty name> 64 bit" or "... 32 bit" (the bitness of the system, not of the program).
QString getOsVersion();
// " <available> GB / <total> GB" in GiB with two decimals.
QString getMemoryInfo();
QString getCameraInfo();
QString getAudioInfo();
QString getDesktopRect();
QString getProcessMemoryInfo();
// Gives unused heap memory back to the system.
void emptyWorkingSet();
QString getMacAddress();
bool hasAudioOutputDevice();

// The readers behind the probes, on given sources.
namespace SystemInfoDetail {
QString cpuNameFromCpuInfo(const QByteArray &cpuInfo);
// "/proc/meminfo" and "/proc/self/status" style "Key:   1234 kB" values, in KiB; 0 when missing.
quint64 kibValue(const QByteArray &text, const char *key);
QString formatMemoryInfo(quint64 availableBytes, quint64 totalBytes);
// Display devices (PCI class 0x03) below a sysfs devices folder, named from a
// pci.ids file when it has them.
QString gpuNamesFromPci(const QString &devicesDir, const QString &pciIdsPath);
} // namespace SystemInfoDetail
