#include "TestLogCapture.h"

#include "UnsharedCopy.h"

#include "utils/CLog.h"

#include <QFile>

namespace {
// Lines come from any thread (SDK callbacks log too): the active capture is
// only read and cleared under this lock, so none writes into one being
// destroyed.
std::mutex g_activeMutex;
TestLogCapture *g_active = nullptr;
}

TestLogCapture::TestLogCapture()
{
    {
        std::lock_guard<std::mutex> lock(g_activeMutex);
        g_active = this;
    }
    m_previous = qInstallMessageHandler(&TestLogCapture::handler);
}

TestLogCapture::~TestLogCapture()
{
    qInstallMessageHandler(m_previous);
    std::lock_guard<std::mutex> lock(g_activeMutex);
    g_active = nullptr;
}

void TestLogCapture::handler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::lock_guard<std::mutex> activeLock(g_activeMutex);
    if (!g_active)
        return;
    std::lock_guard<std::mutex> lock(g_active->m_mutex);
    g_active->m_messages.append(message);
    g_active->m_types.append(type);
}

QStringList TestLogCapture::messages() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return unsharedCopy(m_messages);
}

QList<QtMsgType> TestLogCapture::types() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return unsharedCopy(m_types);
}

void TestLogCapture::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.clear();
    m_types.clear();
}

QString TestLogCapture::currentLogFileText()
{
    QFile file(CLog::currentLogPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
