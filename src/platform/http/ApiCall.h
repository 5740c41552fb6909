#pragma once

#include "platform/http/Failure.h"
#include "platform/http/httpRequest.h"

#include <QJsonObject>
#include <QObject>

// How every view model sends a request a service made: its success and
// failure signals go straight to the receiver's slots (both on the GUI
// thread), then it is sent. The request deletes itself after its one
// signal; nobody keeps it.
class ApiCall
{
public:
    // False (and a log line) when the service made no request.
    template <typename Receiver>
    static bool send(httpRequest *request, Receiver *receiver, void (Receiver::*onSuccess)(QJsonObject &),
                     void (Receiver::*onFailure)(Failure &))
    {
        if (!request) {
            logNoRequest(receiver->metaObject()->className());
            return false;
        }
        QObject::connect(request, &httpRequest::onSuccess_signal, receiver, onSuccess, Qt::DirectConnection);
        QObject::connect(request, &httpRequest::onFailure_signal, receiver, onFailure, Qt::DirectConnection);
        request->exec();
        return true;
    }

    // The reply's "returnResult" object; empty when missing or no object.
    static QJsonObject returnResult(const QJsonObject &reply);

    // The body of a view model's relay slot: emits `signal` of `viewModel`
    // with the reply's "returnResult".
    template <typename ViewModel, typename Argument>
    static void relayResult(ViewModel *viewModel, void (ViewModel::*signal)(Argument), const QJsonObject &reply)
    {
        QJsonObject result = returnResult(reply);
        (viewModel->*signal)(result);
    }

private:
    static void logNoRequest(const char *receiverClass);

    ApiCall() = delete;
};
