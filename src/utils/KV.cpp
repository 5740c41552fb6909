#include "utils/KV.h"

#include "utils/CDataHelper.h"
#include "utils/CLog.h"
#include "utils/CSqliteHelper.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QString kSelect = QStringLiteral("select value from tq_mmkvs where key=?");
const QString kReplace = QStringLiteral("replace into tq_mmkvs (key, value) values (?, ?)");
const QString kDelete = QStringLiteral("delete from tq_mmkvs where key=?");

// A failed statement is logged with its key in place, since the bound
// statement text alone would not say which key failed. Values stay out of
// the log: some are tokens.
void logFailure(const QString &statement, const std::string &key, const char *function)
{
    const QString quotedKey = QLatin1Char('\'') + QString::fromStdString(key) + QLatin1Char('\'');
    QString text = statement;
    text.replace(text.indexOf(QLatin1Char('?')), 1, quotedKey);
    CLog::error(text + QStringLiteral("execure error"), QStringLiteral("%1 ").arg(QLatin1String(function)));
}

bool store(const std::string &key, const QString &value, const char *function)
{
    if (CSqliteHelper::executeQuery(kReplace, {QString::fromStdString(key), value}) >= 0)
        return true;
    logFailure(kReplace, key, function);
    return false;
}

} // namespace

QString KV::get(const std::string &key)
{
    const auto query = CSqliteHelper::executeRead(kSelect, {QString::fromStdString(key)});
    if (!query || !query->next())
        return QString();
    return query->value(0).toString();
}

bool KV::set(const std::string &key, const QString &value)
{
    return store(key, value, "KV::set");
}

QJsonValue KV::getJsonValue(const std::string &key)
{
    const QJsonDocument document = QJsonDocument::fromJson(get(key).toUtf8());
    if (document.isObject())
        return document.object();
    if (document.isArray())
        return document.array();
    return QJsonValue();
}

bool KV::setJsonValue(const std::string &key, const QJsonValue &value)
{
    return store(key, CDataHelper::jsonValueToString(value), "KV::setJsonValue");
}

bool KV::remove(const std::string &key)
{
    if (CSqliteHelper::executeQuery(kDelete, {QString::fromStdString(key)}) >= 0)
        return true;
    logFailure(kDelete, key, "KV::remove");
    return false;
}
