#include "utils/CHttpClient.h"

#include "platform/http/AppInfo.h"
#include "utils/CLog.h"
#include "utils/CSqliteHelper.h"
#include "utils/TimeUtils.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QHttpMultiPart>
#include <QMimeDatabase>
#include <QMutex>
#include <QMutexLocker>
#include <QDateTime>
#include <QNetworkReply>
#include <QUrl>

#include <algorithm>
#include <atomic>

namespace {

struct Pool
{
    QMutex mutex;
    QMap<int, CHttpClient *> clients;
    int counter = 1; // raised before each use: the first id is 2
};

Pool &pool()
{
    static Pool instance;
    return instance;
}

// The cookies of each host as last answered, shared by all clients. Kept per
// host so that one service's cookies never travel to another host.
struct SharedCookies
{
    QMutex mutex;
    QHash<QString, QList<QNetworkCookie>> byHost;
};

SharedCookies &sharedCookies()
{
    static SharedCookies instance;
    return instance;
}

std::atomic<int> &transferTimeoutMs()
{
    static std::atomic<int> value{CHttpClient::kDefaultTransferTimeoutMs};
    return value;
}

// A quoted value of a Content-Disposition header: quotes and line breaks would
// end the value or the header, so they travel percent-encoded as browsers do.
QByteArray dispositionValue(const QString &text)
{
    QByteArray value = text.toUtf8();
    value.replace('"', "%22").replace('\r', "%0D").replace('\n', "%0A");
    return '"' + value + '"';
}

} // namespace

CHttpClient::CHttpClient()
{
    connect(&m_manager, &QNetworkAccessManager::finished, this, &CHttpClient::serviceRequestFinished);
}

CHttpClient::~CHttpClient()
{
    m_manager.disconnect(this);
    if (m_lastReply && !m_lastReply->isFinished())
        m_lastReply->abort();
}

CHttpClient *CHttpClient::createClient()
{
    Pool &p = pool();
    QMutexLocker lock(&p.mutex);
    auto *client = new CHttpClient;
    client->m_poolId = ++p.counter;
    p.clients.insert(client->m_poolId, client);
    return client;
}

void CHttpClient::removeFromPool(int id)
{
    Pool &p = pool();
    QMutexLocker lock(&p.mutex);
    p.clients.remove(id);
}

int CHttpClient::poolSize()
{
    Pool &p = pool();
    QMutexLocker lock(&p.mutex);
    return p.clients.size();
}

QString CHttpClient::buildQueryString(const QMap<QString, QString> &params)
{
    QByteArray text;
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        if (!text.isEmpty())
            text += '&';
        text += QUrl::toPercentEncoding(it.key()) + '=' + QUrl::toPercentEncoding(it.value());
    }
    return QString::fromLatin1(text);
}

void CHttpClient::setTransferTimeout(int milliseconds)
{
    transferTimeoutMs() = milliseconds > 0 ? milliseconds : kDefaultTransferTimeoutMs;
}

int CHttpClient::transferTimeout()
{
    return transferTimeoutMs();
}

int CHttpClient::poolId() const
{
    return m_poolId;
}

void CHttpClient::prepareRequest(const QUrl &url)
{
    m_request = QNetworkRequest(url);
    m_request.setTransferTimeout(transferTimeout());
    setRequestCookies(url);
}

void CHttpClient::post(const QString &url, const QMap<QString, QString> &params)
{
    const QByteArray body = buildQueryString(params).toUtf8();
    prepareRequest(QUrl(url, QUrl::TolerantMode));
    setRequestHeaders();
    m_lastReply = m_manager.post(m_request, body);
}

void CHttpClient::get(const QString &url, const QMap<QString, QString> &params)
{
    const QString query = buildQueryString(params);
    prepareRequest(QUrl(query.isEmpty() ? url : url + QLatin1Char('?') + query, QUrl::TolerantMode));
    setRequestHeaders();
    m_lastReply = m_manager.get(m_request);
}

void CHttpClient::postWithFile(const QString &url, const QMap<QString, QString> &params,
                               const QMap<QString, QString> &files)
{
    const QUrl target(url, QUrl::TolerantMode);
    // The body and the files it reads go with the reply, which frees them
    // after the last byte has been sent (or the send was given up).
    auto *multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);

    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString &path = it.value();
        const QString mimeType = getMimeType(path);
        CLog::printf("CHttpClient::postWithFile fileName %s", path.toUtf8().constData());
        auto *file = new QFile(path, multiPart);
        if (file->size() <= 0 || !file->open(QIODevice::ReadOnly)) {
            delete file;
            continue;
        }
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentTypeHeader, mimeType);
        // Only the file's name: the local path is nobody else's business.
        part.setRawHeader("Content-Disposition", "form-data; name=" + dispositionValue(it.key())
                                                     + "; filename=" + dispositionValue(QFileInfo(path).fileName()));
        part.setBodyDevice(file);
        multiPart->append(part);
    }
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/plain"));
        part.setRawHeader("Content-Disposition", "form-data; name=" + dispositionValue(it.key()));
        part.setBody(it.value().toUtf8());
        multiPart->append(part);
    }

    prepareRequest(target);
    QNetworkReply *reply = m_manager.post(m_request, multiPart);
    multiPart->setParent(reply);
    m_lastReply = reply;
    CLog::printf("CHttpClient::postWithFile done : %s", url.toUtf8().constData());
}

QString CHttpClient::getUserAgent()
{
    return QStringLiteral("os/%1 %2 appVersion/%3 appCode/%4 osVersion/%5")
        .arg(AppInfo::getOsName(), AppInfo::getAppKey(), AppInfo::getAppVersion())
        .arg(AppInfo::getVersionCode())
        .arg(AppInfo::getOsVersion());
}

QString CHttpClient::getMimeType(const QString &path)
{
    return QMimeDatabase().mimeTypeForFile(path).name();
}

void CHttpClient::setRequestHeaders()
{
    // No Accept-Encoding of our own: Qt asks for gzip itself and then also
    // decompresses the reply, which it does not when the header is set by hand.
    m_request.setRawHeader("Accept", "application/json, text/plain, */*");
    m_request.setRawHeader("Content-Type", "application/x-www-form-urlencoded");
    m_request.setRawHeader("User-Agent", getUserAgent().toUtf8());
}

void CHttpClient::setRequestCookies(const QUrl &url)
{
    const QString host = url.host(QUrl::FullyDecoded);
    QList<QNetworkCookie> cookies;
    {
        SharedCookies &shared = sharedCookies();
        QMutexLocker lock(&shared.mutex);
        QList<QNetworkCookie> &known = shared.byHost[host];
        if (known.isEmpty())
            known = loadCookiesFromDb(host);
        cookies = known;
    }
    if (cookies.isEmpty())
        m_request.setHeader(QNetworkRequest::CookieHeader, QVariant());
    else
        m_request.setHeader(QNetworkRequest::CookieHeader, QVariant::fromValue(cookies));
}

void CHttpClient::saveReplyCookies(QNetworkReply *reply)
{
    const QList<QNetworkCookie> setByReply =
        reply->header(QNetworkRequest::SetCookieHeader).value<QList<QNetworkCookie>>();
    if (setByReply.isEmpty())
        return; // a reply that sets nothing keeps what the host set before
    const QString host = reply->url().host(QUrl::FullyDecoded);
    const QDateTime now = currentDateTime();
    SharedCookies &shared = sharedCookies();
    QMutexLocker lock(&shared.mutex);
    QList<QNetworkCookie> &cookies = shared.byHost[host];
    if (cookies.isEmpty())
        cookies = loadCookiesFromDb(host);
    // A cookie replaces the one of the same name; an expired one removes it.
    for (const QNetworkCookie &cookie : setByReply) {
        cookies.erase(std::remove_if(cookies.begin(), cookies.end(),
                                     [&](const QNetworkCookie &known) { return known.name() == cookie.name(); }),
                      cookies.end());
        if (!cookie.expirationDate().isValid() || cookie.expirationDate() > now)
            cookies.append(QNetworkCookie(cookie.name(), cookie.value()));
    }
    saveCookiesToDb(host, cookies);
}

QList<QNetworkCookie> CHttpClient::loadCookiesFromDb(const QString &host)
{
    return CSqliteHelper::loadCookies(host);
}

void CHttpClient::saveCookiesToDb(const QString &host, const QList<QNetworkCookie> &cookies)
{
    CSqliteHelper::saveCookies(host, cookies);
}

void CHttpClient::serviceRequestFinished(QNetworkReply *reply)
{
    CLog::printf("CHttpClient::serviceRequestFinished %s, errorCode=%d",
                 reply->url().toString().toUtf8().constData(), int(reply->error()));
    m_lastReply = reply;
    if (reply->error() == QNetworkReply::NoError)
        saveReplyCookies(reply);
    // The upload's files are done with: close them before receivers may
    // delete them.
    for (QFile *file : reply->findChildren<QFile *>())
        file->close();
    emit requestCommit_signal(reply, m_poolId);
    reply->deleteLater();
}
