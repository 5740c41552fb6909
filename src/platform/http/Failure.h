#pragma once

#include <QMetaType>
#include <QString>

// Why an API call failed, as the receivers of the request's failure signals
// see it. A plain value; receivers copy it when they keep it.
class Failure
{
public:
    enum Kind {
        kNetwork = 1,   // the transport failed; code: QNetworkReply error number
        kServer = 2,
        kData = 3,      // the reply is not the service's JSON envelope
        kOperation = 4, // the service refused; code: its statusCode
        kUploadFile = 5,
    };

    Failure(int kind = 0, int code = 0, const QString &message = QString());

    static Failure networkError();
    static Failure serverError();
    static Failure dataError();
    static Failure operationError(int code, const QString &message);
    static Failure uploadFileError();

    void setCode(int code);
    void setMessage(const QString &message);
    int getKind() const;
    int getCode() const;
    QString getMessage() const;
    bool isOperationError() const;

    // The text shown to the teacher (toasts).
    QString getMessageForUser() const;
    // Kind, code and message for logs.
    QString getDebugMessage() const;

private:
    int m_kind;
    int m_code;
    QString m_message;
};

Q_DECLARE_METATYPE(Failure)
