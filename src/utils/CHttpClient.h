#pragma once

#include <QList>
#include <QMap>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkReply;
class QUrl;

// The transport under every call of the service's API. One client sends for
// one request object: a form POST or a multipart upload, with the stored
// cookies, and hands the finished reply back through requestCommit_signal.
// Cookies are kept per host, in memory and in the table "tq_cookies": what a
// successful reply sets replaces the cookie of that name (an expired one
// removes it); the others stay until the service changes them.
// Clients are made through a process-wide pool that numbers them; a client
// lives on the thread that made it.
class CHttpClient : public QObject
{
    Q_OBJECT

public:
    // Every send gives up after this long without any bytes moving.
    static constexpr int kDefaultTransferTimeoutMs = 30000;

    ~CHttpClient() override;

    // A new client without parent, registered in the pool under the next id
    // (2, 3, ... never reused). Its owner deletes it after removeFromPool.
    static CHttpClient *createClient();
    static void removeFromPool(int id);
    // How many clients are registered (leak checks).
    static int poolSize();

    // "key=value" pairs joined by "&", in key order; keys and values are
    // percent-encoded so that "&", "=", "+" and spaces arrive as sent.
    static QString buildQueryString(const QMap<QString, QString> &params);

    static void setTransferTimeout(int milliseconds);
    static int transferTimeout();

    int poolId() const;

    void post(const QString &url, const QMap<QString, QString> &params);
    // Multipart form: one part per existing, non-empty file (field name ->
    // local path, named by its file name only), then one text part per
    // parameter, each group in key order.
    void postWithFile(const QString &url, const QMap<QString, QString> &params,
                      const QMap<QString, QString> &files);
    void get(const QString &url, const QMap<QString, QString> &params);

    static QString getUserAgent();
    static QString getMimeType(const QString &path);

    static QList<QNetworkCookie> loadCookiesFromDb(const QString &host);
    static void saveCookiesToDb(const QString &host, const QList<QNetworkCookie> &cookies);

signals:
    void requestCommit_signal(QNetworkReply *reply, int indexInPool);

private slots:
    void serviceRequestFinished(QNetworkReply *reply);

private:
    CHttpClient();

    void setRequestHeaders();
    void setRequestCookies(const QUrl &url);
    void saveReplyCookies(QNetworkReply *reply);
    void prepareRequest(const QUrl &url);

    QPointer<QNetworkReply> m_lastReply;
    QNetworkRequest m_request;
    QNetworkAccessManager m_manager;
    int m_poolId = 0;
};
