#pragma once

#include <QStringList>
#include <QtGlobal>

#include <mutex>

// Collects the Qt message output (the console half of every log line) while
// alive, and reads the log file the product writes.
class TestLogCapture
{
public:
    TestLogCapture();
    ~TestLogCapture();
    TestLogCapture(const TestLogCapture &) = delete;
    TestLogCapture &operator=(const TestLogCapture &) = delete;

    QStringList messages() const;
    QList<QtMsgType> types() const;
    void clear();

    // Everything the current log file holds, as UTF-8 text.
    static QString currentLogFileText();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);
    QtMessageHandler m_previous = nullptr;
    // std::mutex rather than QMutex: ThreadSanitizer sees it (lines come
    // from any thread).
    mutable std::mutex m_mutex;
    QStringList m_messages;
    QList<QtMsgType> m_types;
};
