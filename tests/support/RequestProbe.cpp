#include "RequestProbe.h"

#include <QtTest>

RequestProbe::RequestProbe(httpRequest *request, QObject *parent) : QObject(parent), m_request(request)
{
    // Direct connections: the reference arguments live only during the emission.
    connect(request, &httpRequest::onSuccess_signal, this, [this](QJsonObject &response) {
        ++m_counts[kSuccess];
        m_response = response;
    }, Qt::DirectConnection);
    connect(request, &httpRequest::onThreadSuccess_signal, this, [this](QJsonObject response) {
        ++m_counts[kThreadSuccess];
        m_response = response;
    }, Qt::DirectConnection);
    connect(request, &httpRequest::onSuccessWithContext_signal, this, [this](QJsonObject &response, void *context) {
        ++m_counts[kSuccessWithContext];
        m_response = response;
        m_context = context;
    }, Qt::DirectConnection);
    connect(request, &httpRequest::onFailure_signal, this, [this](Failure &failure) {
        ++m_counts[kFailure];
        m_failure = failure;
    }, Qt::DirectConnection);
    connect(request, &httpRequest::onFailureWithContext_signal, this, [this](Failure &failure, void *context) {
        ++m_counts[kFailureWithContext];
        m_failure = failure;
        m_context = context;
    }, Qt::DirectConnection);
}

bool RequestProbe::waitGone(int timeoutMs)
{
    return QTest::qWaitFor([this] { return m_request.isNull(); }, timeoutMs);
}

bool RequestProbe::execAndWait(int timeoutMs)
{
    if (m_request)
        m_request->exec();
    return waitGone(timeoutMs);
}

int RequestProbe::total() const
{
    int sum = 0;
    for (int count : m_counts)
        sum += count;
    return sum;
}
