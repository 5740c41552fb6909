#include "utils/SingleInstance.h"

#include "utils/CLog.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
const char *const kInstanceKey = "Veltro";
} // namespace

QString singleInstanceLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QLatin1Char('/') + QLatin1String(kInstanceKey) + QStringLiteral(".lock");
}

bool checkSingleInstance()
{
    // Held, never closed, for the life of the process. Close-on-exec keeps
    // programs we start (the installer) from inheriting the lock.
    static int s_lockFd = -1;
    if (s_lockFd >= 0)
        return true;

    const QString path = singleInstanceLockPath();
    const QString tag = QStringLiteral("%1 ").arg(QStringLiteral("checkSingleInstance"));
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        CLog::error(QStringLiteral("open %1 failed: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))), tag);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error != EWOULDBLOCK)
            CLog::error(QStringLiteral("lock %1 failed: %2").arg(path, QString::fromLocal8Bit(std::strerror(error))),
                        tag);
        ::close(fd);
        return false;
    }
    s_lockFd = fd;
    return true;
}
