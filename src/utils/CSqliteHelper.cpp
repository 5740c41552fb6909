#include "utils/CSqliteHelper.h"

#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>

#include <atomic>
#include <thread>

namespace {

// The program is loaded on its main thread; that thread's connection lives
// until the process ends, as the rest of the program expects.
const std::thread::id kLoadThread = std::this_thread::get_id();

std::atomic<int> &connectionCounter()
{
    static std::atomic<int> counter{0};
    return counter;
}

// The calling thread's connection name; when a thread other than the main
// one ends, its connection is closed and unregistered.
struct ThreadConnection
{
    QString name;
    ~ThreadConnection()
    {
        if (!name.isEmpty() && std::this_thread::get_id() != kLoadThread)
            QSqlDatabase::removeDatabase(name);
    }
};
thread_local ThreadConnection t_connection;

QSqlDatabase threadDatabase()
{
    if (t_connection.name.isEmpty()) {
        const QString name = std::this_thread::get_id() == kLoadThread
                                 ? QString::fromLatin1(CSqliteHelper::kConnectionName)
                                 : QStringLiteral("%1_%2").arg(QLatin1String(CSqliteHelper::kConnectionName))
                                       .arg(++connectionCounter());
        if (!QSqlDatabase::contains(name)) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(CSqliteHelper::databasePath());
        }
        t_connection.name = name;
    }
    QSqlDatabase db = QSqlDatabase::database(t_connection.name, false);
    if (!db.isOpen() && !db.open())
        qDebug("dataBase open failed");
    return db;
}

bool prepareAndRun(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values) {
        // A null QString is still a text: store "" rather than NULL.
        if (value.type() == QVariant::String && value.isNull())
            query.addBindValue(QString(0, QChar()));
        else
            query.addBindValue(value);
    }
    return query.exec();
}

int runStatement(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(threadDatabase());
    if (!prepareAndRun(query, sql, values)) {
        CLog::printf("CSqliteHelper::executeQuery [%s] failed", sql.toUtf8().constData());
        CLog::debug(query.lastError().text(), QStringLiteral("%1 ").arg(QStringLiteral("CSqliteHelper::executeQuery")));
        return -1;
    }
    return query.numRowsAffected();
}

} // namespace

CSqliteHelper::CSqliteHelper()
{
    initDataBases();
}

CSqliteHelper *CSqliteHelper::instance()
{
    // Initialised exactly once, also when two threads ask at the same time.
    static CSqliteHelper helper;
    return &helper;
}

QString CSqliteHelper::databasePath()
{
    return FileUtils::getDbDir() + QLatin1Char('/') + QLatin1String(kFileName);
}

QString CSqliteHelper::currentConnectionName()
{
    return t_connection.name;
}

void CSqliteHelper::initDataBases()
{
    if (!threadDatabase().isOpen())
        return;
    runStatement(QStringLiteral("create table if not exists tq_user_infos('userID' INTERGER primary key, "
                                "'token' TEXT, 'mobilePhone' TEXT,  'nickName' TEXT, 'imageFile' TEXT, "
                                "'isMainUser' INTERGER, 'updateTime' DATETIME);"),
                 {});
    runStatement(QStringLiteral("create table if not exists tq_cookies('host' TEXT primary key,'cookie' TEXT);"), {});
    runStatement(QStringLiteral("create table if not exists tq_mmkvs('key' TEXT primary key,'value' TEXT);"), {});
}

int CSqliteHelper::executeQuery(const QString &sql, const QVariantList &values)
{
    instance();
    return runStatement(sql, values);
}

std::unique_ptr<QSqlQuery> CSqliteHelper::executeRead(const QString &sql, const QVariantList &values)
{
    instance();
    auto query = std::make_unique<QSqlQuery>(threadDatabase());
    query->setForwardOnly(true);
    if (!prepareAndRun(*query, sql, values)) {
        const QString tag = QStringLiteral("%1 ").arg(QStringLiteral("CSqliteHelper::executeRead"));
        CLog::error(QStringLiteral("exec %1 failed").arg(sql), tag);
        CLog::debug(query->lastError().text(), tag);
        return nullptr;
    }
    return query;
}

QList<QNetworkCookie> CSqliteHelper::loadCookies(const QString &host)
{
    QList<QNetworkCookie> cookies;
    const auto query = executeRead(QStringLiteral("select cookie from tq_cookies where host=?;"), {host});
    if (!query || !query->next())
        return cookies;
    const QStringList pieces = query->value(0).toString().split(QLatin1Char(';'));
    for (const QString &piece : pieces) {
        const QString pair = piece.trimmed();
        // A value may itself contain "=": only the first one separates.
        const int separator = pair.indexOf(QLatin1Char('='));
        if (separator <= 0)
            continue;
        cookies.append(QNetworkCookie(pair.left(separator).toUtf8(), pair.mid(separator + 1).toUtf8()));
    }
    return cookies;
}

bool CSqliteHelper::saveCookies(const QString &host, const QList<QNetworkCookie> &cookies)
{
    QStringList pairs;
    for (const QNetworkCookie &cookie : cookies)
        pairs.append(QString::fromUtf8(cookie.name() + '=' + cookie.value()));
    return executeQuery(QStringLiteral("replace into tq_cookies (host, cookie) values (?, ?);"),
                        {host, pairs.join(QLatin1Char(';'))})
           >= 0;
}
