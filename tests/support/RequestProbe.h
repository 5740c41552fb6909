#pragma once

#include "platform/http/Failure.h"
#include "platform/http/httpRequest.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>

// Watches one httpRequest: counts every result signal it emits, keeps copies
// of what they carried, and tells when the request object is gone.
class RequestProbe : public QObject
{
    Q_OBJECT

public:
    enum Signal { kSuccess, kThreadSuccess, kSuccessWithContext, kFailure, kFailureWithContext, kSignalCount };

    explicit RequestProbe(httpRequest *request, QObject *parent = nullptr);

    // Runs the event loop until the request has been deleted.
    bool waitGone(int timeoutMs = 10000);
    // Sends the request and waits until it is gone.
    bool execAndWait(int timeoutMs = 10000);

    int count(Signal which) const { return m_counts[which]; }
    int total() const;
    bool succeeded() const
    {
        return count(kSuccess) + count(kThreadSuccess) + count(kSuccessWithContext) == 1 && total() == 1;
    }
    bool failed() const { return count(kFailure) + count(kFailureWithContext) == 1 && total() == 1; }
    bool gone() const { return m_request.isNull(); }

    QJsonObject response() const { return m_response; }
    Failure failure() const { return m_failure; }
    void *context() const { return m_context; }

private:
    QPointer<httpRequest> m_request;
    int m_counts[kSignalCount] = {};
    QJsonObject m_response;
    Failure m_failure;
    void *m_context = nullptr;
};
