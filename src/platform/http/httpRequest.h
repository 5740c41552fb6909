#pragma once

#include "platform/http/Failure.h"

#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>

class CHttpClient;
class QNetworkReply;

// One call of the service's JSON API. Made by a request factory, connected
// by its caller, sent once with exec(); it then emits exactly one success or
// failure signal for its final reply and deletes itself. It lives on the
// thread that made it; a caller never touches it after exec().
class httpRequest : public QObject
{
    Q_OBJECT

public:
    // Https-to-http retries allowed per run (only with "allow_http_fallback").
    static constexpr int kMaxHttpRetries = 3;

    // A form call; `host` empty means the configured API host.
    httpRequest(const QString &path, const QMap<QString, QString> &params, const QString &host = QString());
    // An upload: `files` maps form field names to local paths.
    httpRequest(const QString &path, const QMap<QString, QString> &params, const QMap<QString, QString> &files,
                const QString &host = QString());
    ~httpRequest() override;

    // An opaque value given back by the context signals.
    void setContext(void *context);
    // Success goes by value (onThreadSuccess_signal) to another thread.
    void setThreadMode();
    // Deletes the local files of an upload after its success.
    void setRemoveFilesAfterSuccess();

    void exec();

    QString url() const;

    // The API host with its scheme and without a trailing "/"; "http://"
    // after an https fallback of this run.
    static QString getHost();
    // The settings value "host[:port]" gets "https://" in front; a value
    // with a scheme ("http://127.0.0.1:18480") is used as it is.
    static QString hostFromSetting(const QString &value);
    // `path` behind `host` (or the API host) when it starts with "/";
    // any other path is a whole URL already.
    static QString buildUrl(const QString &path, const QString &host);

    // Whether a call to `url` that failed with `networkError` is retried over
    // plain http: only Qt's unclassified error (99) on an https address, with
    // "allow_http_fallback" set and retries of this run left.
    static bool mayRetryOverHttp(int networkError, const QString &url);
    // Tests only: the https-to-http retries counted in this run.
    static void setHttpRetryCountForTesting(int count);

    // Parameters as the log shows them, secrets masked: "k=v&k2=v2".
    static QString paramTextForLog(const QMap<QString, QString> &params, const QMap<QString, QString> &files);

signals:
    void onSuccess_signal(QJsonObject &response);
    void onThreadSuccess_signal(QJsonObject response);
    void onSuccessWithContext_signal(QJsonObject &response, void *pContext);
    void onFailure_signal(Failure &failure);
    void onFailureWithContext_signal(Failure &failure, void *pContext);

private slots:
    void response_slot(QNetworkReply *pReply, int indexInPool);

private:
    void handleSuccess(QJsonObject &response);
    void handleFailure(Failure &failure);
    bool retryOverHttp(int networkError);
    void logCall(const QByteArray &body) const;

    std::unique_ptr<CHttpClient> m_client;
    QString mUrl;
    QMap<QString, QString> m_params;
    QMap<QString, QString> m_files;
    void *m_context = nullptr;
    bool m_threadMode = false;
    bool m_removeFilesAfterSuccess = false;
    bool m_finished = false;
};
