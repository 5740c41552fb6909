#include "StandInService.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <zlib.h>

#ifndef VELTRO_FIXTURE_DIR
#define VELTRO_FIXTURE_DIR ""
#endif

namespace {

QByteArray gzipBody(const QByteArray &data)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return data;
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))) + 32, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

QString formDecode(QByteArray text)
{
    text.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text));
}

QByteArray headerParam(const QByteArray &header, const QByteArray &name)
{
    // Finds name="value" or name=value inside a header value.
    const QList<QByteArray> pieces = header.split(';');
    for (QByteArray piece : pieces) {
        piece = piece.trimmed();
        const int eq = piece.indexOf('=');
        if (eq <= 0 || piece.left(eq).trimmed().toLower() != name)
            continue;
        QByteArray value = piece.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return QByteArray();
}

QList<StandInService::Part> parseMultipart(const QByteArray &body, const QByteArray &boundary)
{
    QList<StandInService::Part> parts;
    const QByteArray delimiter = "--" + boundary;
    int pos = body.indexOf(delimiter);
    while (pos >= 0) {
        pos += delimiter.size();
        if (body.mid(pos, 2) == "--")
            break; // closing delimiter
        if (body.mid(pos, 2) == "\r\n")
            pos += 2;
        const int headEnd = body.indexOf("\r\n\r\n", pos);
        const int next = body.indexOf("\r\n" + delimiter, pos);
        if (headEnd < 0 || next < 0 || headEnd > next)
            break;
        StandInService::Part part;
        for (const QByteArray &line : body.mid(pos, headEnd - pos).split('\n')) {
            const int colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = line.left(colon).trimmed();
            const QByteArray value = line.mid(colon + 1).trimmed();
            part.headers.append({name, value});
            if (name.toLower() == "content-disposition") {
                part.name = headerParam(value, "name");
                part.fileName = headerParam(value, "filename");
            } else if (name.toLower() == "content-type") {
                part.contentType = value;
            }
        }
        part.data = body.mid(headEnd + 4, next - headEnd - 4);
        parts.append(part);
        pos = next + 2;
    }
    return parts;
}

QByteArray contentTypeForFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return "image/png";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "image/jpeg";
    if (suffix == QLatin1String("json"))
        return "application/json;charset=UTF-8";
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("csv") || suffix == QLatin1String("sh"))
        return "text/plain";
    return "application/octet-stream";
}

} // namespace

// One client connection: reads requests one at a time and writes their replies.
class StandInConnection : public QObject
{
public:
    StandInConnection(qintptr descriptor, StandInService *service, QObject *parent)
        : QObject(parent), m_service(service), m_socket(new QTcpSocket(this))
    {
        m_socket->setSocketDescriptor(descriptor);
        connect(m_socket, &QTcpSocket::readyRead, this, [this] { readSome(); });
        connect(m_socket, &QTcpSocket::disconnected, this, [this] { deleteLater(); });
    }

private:
    void readSome()
    {
        m_buffer += m_socket->readAll();
        processBuffer();
    }

    void processBuffer()
    {
        while (!m_busy) {
            StandInService::Request request;
            if (!takeRequest(request))
                return;
            m_busy = true;
            const StandInService::Reply reply = m_service->answer(request);
            if (reply.delayMs > 0)
                QTimer::singleShot(reply.delayMs, this, [this, reply] { send(reply); });
            else
                send(reply);
        }
    }

    bool takeRequest(StandInService::Request &request)
    {
        const int headEnd = m_buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return false;
        const QList<QByteArray> lines = m_buffer.left(headEnd).split('\n');
        const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
        if (start.size() < 2) {
            m_socket->abort();
            return false;
        }
        request.method = start[0];
        const QUrl url = QUrl::fromEncoded(start[1]);
        request.path = url.path();
        request.query = QUrlQuery(url);
        qint64 length = 0;
        bool chunked = false;
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = lines[i].left(colon).trimmed();
            const QByteArray value = lines[i].mid(colon + 1).trimmed();
            request.headers.append({name, value});
            if (name.toLower() == "content-length")
                length = value.toLongLong();
            else if (name.toLower() == "transfer-encoding" && value.toLower().contains("chunked"))
                chunked = true;
        }
        int consumed = headEnd + 4;
        if (chunked) {
            QByteArray body;
            int pos = consumed;
            for (;;) {
                const int lineEnd = m_buffer.indexOf("\r\n", pos);
                if (lineEnd < 0)
                    return false;
                bool ok = false;
                const int size = m_buffer.mid(pos, lineEnd - pos).split(';').value(0).trimmed().toInt(&ok, 16);
                if (!ok)
                    return false;
                if (m_buffer.size() < lineEnd + 2 + size + 2)
                    return false;
                body += m_buffer.mid(lineEnd + 2, size);
                pos = lineEnd + 2 + size + 2;
                if (size == 0)
                    break;
            }
            request.body = body;
            consumed = pos;
        } else {
            if (m_buffer.size() < consumed + length)
                return false;
            request.body = m_buffer.mid(consumed, int(length));
            consumed += int(length);
        }
        m_buffer.remove(0, consumed);

        const QByteArray type = request.header("Content-Type");
        if (type.toLower().startsWith("application/x-www-form-urlencoded")) {
            for (const QByteArray &field : request.body.split('&')) {
                if (field.isEmpty())
                    continue;
                const int eq = field.indexOf('=');
                request.form.append({formDecode(eq < 0 ? field : field.left(eq)),
                                     eq < 0 ? QString() : formDecode(field.mid(eq + 1))});
            }
        } else if (type.toLower().startsWith("multipart/")) {
            request.parts = parseMultipart(request.body, headerParam(type, "boundary"));
        }
        return true;
    }

    void send(const StandInService::Reply &reply)
    {
        if (reply.drop) {
            m_socket->abort();
            return;
        }
        QByteArray body = reply.gzip ? gzipBody(reply.body) : reply.body;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
        head += "Content-Type: " + reply.contentType + "\r\n";
        head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        if (reply.gzip)
            head += "Content-Encoding: gzip\r\n";
        for (const auto &header : reply.headers)
            head += header.first + ": " + header.second + "\r\n";
        head += "Connection: keep-alive\r\n\r\n";

        if (reply.dropAfterBytes >= 0) {
            m_socket->write(head + body.left(reply.dropAfterBytes));
            m_socket->flush();
            QTimer::singleShot(50, m_socket, [socket = QPointer<QTcpSocket>(m_socket)] {
                if (socket)
                    socket->abort();
            });
            return;
        }
        if (reply.stallAfterBytes >= 0) {
            // The connection stays open and silent until the client gives up.
            m_socket->write(head + body.left(reply.stallAfterBytes));
            return;
        }
        m_socket->write(head + body);
        finishReply();
    }

    void finishReply()
    {
        m_busy = false;
        QTimer::singleShot(0, this, [this] { processBuffer(); });
    }

    StandInService *m_service;
    QTcpSocket *m_socket;
    QByteArray m_buffer;
    bool m_busy = false;
};

class StandInListener : public QTcpServer
{
public:
    explicit StandInListener(StandInService *service) : m_service(service) {}

protected:
    void incomingConnection(qintptr descriptor) override { new StandInConnection(descriptor, m_service, this); }

private:
    StandInService *m_service;
};

QByteArray StandInService::Request::header(const QByteArray &name) const
{
    for (const Header &h : headers) {
        if (h.first.toLower() == name.toLower())
            return h.second;
    }
    return QByteArray();
}

QString StandInService::Request::formValue(const QString &key) const
{
    for (const auto &field : form) {
        if (field.first == key)
            return field.second;
    }
    return QString();
}

QStringList StandInService::Request::formKeys() const
{
    QStringList keys;
    for (const auto &field : form)
        keys.append(field.first);
    return keys;
}

StandInService::Reply StandInService::Reply::json(const QJsonObject &object, int status)
{
    Reply reply;
    reply.status = status;
    reply.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return reply;
}

StandInService::Reply StandInService::Reply::ok(const QJsonObject &returnResult)
{
    return json({{"statusCode", 0}, {"errorMsg", ""}, {"returnResult", returnResult}});
}

StandInService::Reply StandInService::Reply::failure(int statusCode, const QString &errorMsg)
{
    return json({{"statusCode", statusCode}, {"errorMsg", errorMsg}, {"returnResult", QJsonObject()}});
}

StandInService::Reply StandInService::Reply::raw(const QByteArray &body, int status, const QByteArray &contentType)
{
    Reply reply;
    reply.status = status;
    reply.body = body;
    reply.contentType = contentType;
    return reply;
}

StandInService::StandInService(QObject *parent) : QObject(parent), m_fixtureRoot(defaultFixtureRoot()) {}

StandInService::~StandInService()
{
    if (m_thread) {
        // The thread deletes its listener and connections as it finishes.
        m_listener->deleteLater();
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
        // Pairs with the server thread's last answer, which QThread::wait
        // does in a way thread checkers cannot see.
        std::lock_guard<std::mutex> lock(m_mutex);
    }
}

bool StandInService::listen(quint16 port)
{
    if (!m_thread) {
        // The first listen happens here, before the thread starts, so that
        // nothing crosses to it but through its start.
        m_listener = new StandInListener(this);
        const bool ok = m_listener->listen(QHostAddress::LocalHost, port);
        m_port = m_listener->serverPort();
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("StandInService"));
        m_listener->moveToThread(m_thread);
        m_thread->start();
        return ok;
    }
    bool ok = false;
    QMetaObject::invokeMethod(
        m_listener,
        [&] {
            ok = m_listener->listen(QHostAddress::LocalHost, port);
            m_port = m_listener->serverPort();
        },
        Qt::BlockingQueuedConnection);
    return ok;
}

quint16 StandInService::port() const
{
    return m_port;
}

QString StandInService::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QString StandInService::normalise(const QString &path)
{
    return path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
}

void StandInService::setReply(const QString &path, const Reply &reply)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_standing.insert(normalise(path), reply);
}

void StandInService::queueReply(const QString &path, const Reply &reply)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_queued[normalise(path)].append(reply);
}

void StandInService::setHandler(const QString &path, const Handler &handler)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_handlers.insert(normalise(path), handler);
}

void StandInService::clearReplies()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_queued.clear();
    m_standing.clear();
    m_handlers.clear();
}

void StandInService::setFixtureRoot(const QString &dir)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_fixtureRoot = dir;
}

QString StandInService::defaultFixtureRoot()
{
    return QStringLiteral(VELTRO_FIXTURE_DIR);
}

QList<StandInService::Request> StandInService::requests() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_requests;
}

QList<StandInService::Request> StandInService::requestsTo(const QString &path) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    QList<Request> found;
    for (const Request &request : m_requests) {
        if (request.path == normalise(path))
            found.append(request);
    }
    return found;
}

void StandInService::clearRequests()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_requests.clear();
}

bool StandInService::waitForRequests(int count, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return requests().size() >= count; }, timeoutMs);
}

StandInService::Reply StandInService::answer(const Request &request)
{
    Handler handler;
    QString fixtureRoot;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_requests.append(request);
        auto queued = m_queued.find(request.path);
        if (queued != m_queued.end() && !queued->isEmpty()) {
            const Reply reply = queued->takeFirst();
            lock.unlock();
            emit requestReceived(request.path);
            return reply;
        }
        handler = m_handlers.value(request.path);
        if (!handler && m_standing.contains(request.path)) {
            const Reply reply = m_standing.value(request.path);
            lock.unlock();
            emit requestReceived(request.path);
            return reply;
        }
        fixtureRoot = m_fixtureRoot;
    }
    emit requestReceived(request.path);
    if (handler)
        return handler(request);

    if (!fixtureRoot.isEmpty() && !request.path.contains(QLatin1String(".."))) {
        const QString base = QDir(fixtureRoot).filePath(request.path.mid(1));
        for (const QString &candidate : fixtureCandidates(base, request)) {
            QFile file(candidate);
            if (!QFileInfo(candidate).isFile() || !file.open(QIODevice::ReadOnly))
                continue;
            QByteArray body = file.readAll();
            if (candidate.endsWith(QLatin1String(".json")))
                body = expandFixture(body, baseUrl());
            return Reply::raw(body, 200, contentTypeForFile(candidate));
        }
    }
    return Reply::raw("not found", 404);
}

QStringList StandInService::fixtureCandidates(const QString &base, const Request &request)
{
    // "<path>@<field>=<value>.json" answers only requests with that form
    // field, e.g. the past course list (courseScheduleStatus=20).
    QStringList candidates;
    for (const auto &field : request.form) {
        if (!field.first.contains(QLatin1Char('/')) && !field.second.contains(QLatin1Char('/'))
            && !field.second.contains(QLatin1String("..")))
            candidates.append(QStringLiteral("%1@%2=%3.json").arg(base, field.first, field.second));
    }
    candidates << base + QStringLiteral(".json") << base;
    return candidates;
}

QByteArray StandInService::expandFixture(const QByteArray &text, const QString &baseUrl)
{
    // "${base}": this server's address; "${day+N}" / "${day-N}": the date N
    // days from today as yyyy-MM-dd, so that a week of schedules is always
    // the current week.
    QString expanded = QString::fromUtf8(text);
    expanded.replace(QLatin1String("${base}"), baseUrl);
    static const QRegularExpression day(QStringLiteral("\\$\\{day([+-]\\d+)?\\}"));
    QString result;
    int last = 0;
    auto it = day.globalMatch(expanded);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        result += expanded.midRef(last, match.capturedStart() - last);
        result += QDate::currentDate().addDays(match.captured(1).toInt()).toString(QStringLiteral("yyyy-MM-dd"));
        last = match.capturedEnd();
    }
    result += expanded.midRef(last);
    return result.toUtf8();
}
