#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrlQuery>

#include <functional>
#include <mutex>

class QThread;
class StandInListener;

// A local stand-in of the tutoring service: a small HTTP/1.1 server on
// 127.0.0.1 that runs on its own thread, parses form and multipart bodies,
// records every request and answers with scripted or fixture replies.
class StandInService : public QObject
{
    Q_OBJECT

public:
    using Header = QPair<QByteArray, QByteArray>;

    struct Part
    {
        QByteArray name;
        QByteArray fileName; // empty for a text part
        QByteArray contentType;
        QByteArray data;
        QList<Header> headers;
    };

    struct Request
    {
        QByteArray method;
        QString path;     // decoded path without the query
        QUrlQuery query;
        QList<Header> headers;
        QByteArray body;
        QList<QPair<QString, QString>> form; // form fields in the order sent
        QList<Part> parts;                   // multipart parts in the order sent

        QByteArray header(const QByteArray &name) const; // case-insensitive, first match
        QString formValue(const QString &key) const;
        QStringList formKeys() const;
    };

    struct Reply
    {
        int status = 200;
        QByteArray body;
        QList<Header> headers;       // extra headers, e.g. Set-Cookie
        QByteArray contentType = "application/json;charset=UTF-8";
        int delayMs = 0;             // wait before answering
        bool drop = false;           // close the connection without answering
        int dropAfterBytes = -1;     // send headers and this many body bytes, then close
        int stallAfterBytes = -1;    // send headers and this many body bytes, then go silent
        bool gzip = false;           // gzip the body and say so

        static Reply json(const QJsonObject &object, int status = 200);
        // The service's reply envelope: {"statusCode", "errorMsg", "returnResult"}.
        static Reply ok(const QJsonObject &returnResult = QJsonObject());
        static Reply failure(int statusCode, const QString &errorMsg);
        static Reply raw(const QByteArray &body, int status = 200, const QByteArray &contentType = "text/plain");
    };

    using Handler = std::function<Reply(const Request &)>;

    explicit StandInService(QObject *parent = nullptr);
    ~StandInService() override;

    // Listens on 127.0.0.1; port 0 picks a free port.
    bool listen(quint16 port = 0);
    quint16 port() const;
    QString baseUrl() const; // "http://127.0.0.1:<port>"

    // Replies for a path (with or without the leading "/"). A queued reply is
    // used once, before the handler or the standing reply of that path.
    void setReply(const QString &path, const Reply &reply);
    void queueReply(const QString &path, const Reply &reply);
    void setHandler(const QString &path, const Handler &handler);
    void clearReplies();

    // A folder that mirrors URL paths: "<dir>/biz_mv/edu/user/loginCheck.json"
    // answers POST /biz_mv/edu/user/loginCheck; any other file answers a GET of
    // its path as it is. "<path>@<field>=<value>.json" answers only requests
    // whose form has that field value. In ".json" files "${base}" becomes this
    // server's address and "${day+N}" the date N days from today (yyyy-MM-dd).
    void setFixtureRoot(const QString &dir);
    static QString defaultFixtureRoot();

    QList<Request> requests() const;
    QList<Request> requestsTo(const QString &path) const;
    void clearRequests();
    // Spins the caller's event loop until `count` requests arrived in all.
    bool waitForRequests(int count, int timeoutMs = 5000) const;

    // Called on the server thread; answers one request.
    Reply answer(const Request &request);

    // A ".json" fixture's text with "${base}" and "${day+N}" filled in.
    static QByteArray expandFixture(const QByteArray &text, const QString &baseUrl);

signals:
    void requestReceived(const QString &path);

private:
    static QString normalise(const QString &path);
    static QStringList fixtureCandidates(const QString &base, const Request &request);

    QThread *m_thread = nullptr;
    StandInListener *m_listener = nullptr;
    quint16 m_port = 0;
    // std::mutex rather than QMutex: ThreadSanitizer sees it.
    mutable std::mutex m_mutex;
    QList<Request> m_requests;
    QHash<QString, QList<Reply>> m_queued;
    QHash<QString, Reply> m_standing;
    QHash<QString, Handler> m_handlers;
    QString m_fixtureRoot;
};
