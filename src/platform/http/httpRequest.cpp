#include "platform/http/httpRequest.h"

#include "platform/http/ServerReply.h"
#include "utils/CHttpClient.h"
#include "utils/CLog.h"
#include "utils/GlobalConfig.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMutex>
#include <QMutexLocker>
#include <QNetworkReply>
#include <QRegularExpression>

namespace {

const char *const kResponseTag = "httpRequest::response_slot ";
const char *const kMask = "***";

// The https-to-http retries of this run; after the first, the API host is
// addressed over http.
struct HostState
{
    QMutex mutex;
    int retries = 0;
};

HostState &hostState()
{
    static HostState state;
    return state;
}

bool startsWithHttps(const QString &url)
{
    return url.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

QString toHttp(QString url)
{
    static const QRegularExpression https(QStringLiteral("https://"), QRegularExpression::CaseInsensitiveOption);
    return url.replace(https, QStringLiteral("http://"));
}

// Passwords, verification codes and tokens never reach the log in clear.
bool isSecretKey(const QString &key)
{
    const QString lower = key.toLower();
    return lower.contains(QLatin1String("token")) || lower.contains(QLatin1String("password"))
           || lower == QLatin1String("verificationcode") || lower == QLatin1String("dynamic_key");
}

QJsonValue maskJson(const QJsonValue &value)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        QJsonObject masked;
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            const bool secret = isSecretKey(it.key()) && !it.value().isObject() && !it.value().isArray();
            masked.insert(it.key(), secret ? QJsonValue(QLatin1String(kMask)) : maskJson(it.value()));
        }
        return masked;
    }
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        for (int i = 0; i < array.size(); ++i)
            array[i] = maskJson(array.at(i));
        return array;
    }
    return value;
}

// A body that is no JSON (or was cut short) may still hold "key": value
// pairs; their secret values are masked all the same.
QString maskText(QString text)
{
    static const QRegularExpression pair(
        QStringLiteral("(\"(?:[^\"\\\\]*(?:token|password)[^\"\\\\]*|verificationCode|dynamic_key)\"\\s*:\\s*)"
                       "(?:\"(?:[^\"\\\\]|\\\\.)*\"?|[^,{}\\[\\]\\s\"]+)"),
        QRegularExpression::CaseInsensitiveOption);
    return text.replace(pair, QStringLiteral("\\1\"***\""));
}

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

// Qt may finish a reply without an error when the server closes the
// connection in the middle of the body; its announced length tells. A
// decompressed body has another length than the one announced.
bool isCutShort(QNetworkReply *reply, const QByteArray &body)
{
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    return length.isValid() && !reply->hasRawHeader("Content-Encoding") && body.size() < length.toLongLong();
}

} // namespace

httpRequest::httpRequest(const QString &path, const QMap<QString, QString> &params, const QString &host)
    : httpRequest(path, params, QMap<QString, QString>(), host)
{
}

httpRequest::httpRequest(const QString &path, const QMap<QString, QString> &params,
                         const QMap<QString, QString> &files, const QString &host)
    : m_client(CHttpClient::createClient()), mUrl(buildUrl(path, host)), m_params(params), m_files(files)
{
    connect(m_client.get(), &CHttpClient::requestCommit_signal, this, &httpRequest::response_slot);
}

httpRequest::~httpRequest()
{
    // Normally done after the reply already; a request deleted unsent must
    // not leave its client registered.
    CHttpClient::removeFromPool(m_client->poolId());
}

void httpRequest::setContext(void *context)
{
    m_context = context;
}

void httpRequest::setThreadMode()
{
    m_threadMode = true;
}

void httpRequest::setRemoveFilesAfterSuccess()
{
    m_removeFilesAfterSuccess = true;
}

QString httpRequest::url() const
{
    return mUrl;
}

void httpRequest::exec()
{
    CLog::printf("httpRequest::exec mUrl=%s", utf8(mUrl).constData());
    if (m_files.isEmpty())
        m_client->post(mUrl, m_params);
    else
        m_client->postWithFile(mUrl, m_params, m_files);
}

QString httpRequest::hostFromSetting(const QString &value)
{
    QString host = value.trimmed();
    if (!host.contains(QLatin1String("://")))
        host.prepend(QLatin1String("https://"));
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return host;
}

QString httpRequest::getHost()
{
    const QString host = hostFromSetting(GlobalConfig::apiHost());
    HostState &state = hostState();
    QMutexLocker lock(&state.mutex);
    return state.retries > 0 ? toHttp(host) : host;
}

QString httpRequest::buildUrl(const QString &path, const QString &host)
{
    if (!path.startsWith(QLatin1Char('/')))
        return path;
    return (host.isEmpty() ? getHost() : host) + path;
}

bool httpRequest::mayRetryOverHttp(int networkError, const QString &url)
{
    if (networkError != QNetworkReply::UnknownNetworkError || !startsWithHttps(url)
        || !GlobalConfig::allowHttpFallback())
        return false;
    HostState &state = hostState();
    QMutexLocker lock(&state.mutex);
    return state.retries < kMaxHttpRetries;
}

void httpRequest::setHttpRetryCountForTesting(int count)
{
    HostState &state = hostState();
    QMutexLocker lock(&state.mutex);
    state.retries = count;
}

bool httpRequest::retryOverHttp(int networkError)
{
    if (!mayRetryOverHttp(networkError, mUrl))
        return false;
    HostState &state = hostState();
    {
        QMutexLocker lock(&state.mutex);
        if (state.retries >= kMaxHttpRetries)
            return false;
        ++state.retries;
    }
    mUrl = toHttp(mUrl);
    CLog::printf("httpRequest::response_slot retry over http: %s", utf8(mUrl).constData());
    exec();
    return true;
}

void httpRequest::response_slot(QNetworkReply *pReply, int indexInPool)
{
    if (m_finished)
        return;
    const QByteArray body = pReply->readAll();
    const QByteArray replyUrl = utf8(pReply->request().url().toString());
    int code = int(pReply->error());
    QString errorText = pReply->errorString();
    if (code == QNetworkReply::NoError && isCutShort(pReply, body)) {
        code = QNetworkReply::RemoteHostClosedError;
        errorText = QStringLiteral("Connection closed before the whole body arrived");
    }

    if (code != QNetworkReply::NoError) {
        CLog::printf("httpRequest::response_slot %s get network error %d:%s", replyUrl.constData(), code,
                     utf8(errorText).constData());
        if (retryOverHttp(code))
            return; // the retry's reply finishes this request
        m_finished = true;
        Failure failure = Failure::networkError();
        failure.setCode(code);
        failure.setMessage(errorText);
        handleFailure(failure);
    } else {
        m_finished = true;
        const ServerReply reply = ServerReply::fromBody(body);
        if (reply.isSuccess()) {
            QJsonObject response = reply.object();
            handleSuccess(response);
        } else {
            Failure failure = reply.failure();
            if (reply.isParseError())
                CLog::printf("httpRequest::response_slot %s prase json error %d",
                             utf8(maskText(QString::fromUtf8(body))).constData(), failure.getCode());
            else if (failure.isOperationError())
                CLog::printf("httpRequest::response_slot  %s get error status code %d", replyUrl.constData(),
                             failure.getCode());
            else
                CLog::printf("httpRequest::response_slot %s reply with an unreadable statusCode", replyUrl.constData());
            handleFailure(failure);
        }
    }

    logCall(body);
    CHttpClient::removeFromPool(indexInPool);
    deleteLater();
}

void httpRequest::handleSuccess(QJsonObject &response)
{
    if (m_context) {
        emit onSuccessWithContext_signal(response, m_context);
    } else if (m_threadMode) {
        emit onThreadSuccess_signal(response);
    } else {
        emit onSuccess_signal(response);
    }
    if (m_files.isEmpty() || !m_removeFilesAfterSuccess)
        return;
    for (const QString &path : m_files) {
        CLog::printf("httpRequest::handleSuccess remove file %s for url %s", utf8(path).constData(),
                     utf8(mUrl).constData());
        QFile::remove(path);
    }
}

void httpRequest::handleFailure(Failure &failure)
{
    if (m_context)
        emit onFailureWithContext_signal(failure, m_context);
    else
        emit onFailure_signal(failure);
}

QString httpRequest::paramTextForLog(const QMap<QString, QString> &params, const QMap<QString, QString> &files)
{
    QStringList pairs;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        pairs.append(it.key() + QLatin1Char('=') + (isSecretKey(it.key()) ? QLatin1String(kMask) : it.value()));
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        pairs.append(it.key() + QLatin1Char('=') + it.value());
    return pairs.join(QLatin1Char('&'));
}

void httpRequest::logCall(const QByteArray &body) const
{
    const QString tag = QLatin1String(kResponseTag);
    const QString params = paramTextForLog(m_params, m_files);
    CLog::log(QStringLiteral("%1\r\nparam:%2").arg(mUrl, params), tag);
    // Any JSON body is shown masked, also that of an HTTP error status.
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (document.isObject())
        CLog::debug(QString::fromUtf8(QJsonDocument(maskJson(document.object()).toObject()).toJson()), tag);
    else if (document.isArray())
        CLog::debug(QString::fromUtf8(QJsonDocument(maskJson(document.array()).toArray()).toJson()), tag);
    else
        CLog::debug(QStringLiteral("response:%1").arg(maskText(QString::fromUtf8(body))), tag);
    CLog::log(QStringLiteral("again url:%1,param:%2").arg(mUrl, params), tag);
}
