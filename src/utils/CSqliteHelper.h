#pragma once

#include <QList>
#include <QNetworkCookie>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <memory>

// The local store: the SQLite file "veltro.sqlite" in the data folder's "/db"
// with the users, cookies and key-value tables, created once per process.
//
// A Qt database connection serves only the thread that opened it, so every
// thread that runs statements gets its own connection to the same file: the
// thread that loaded the program uses "veltro_sqlite_connect", any other
// thread a numbered one that is dropped again when the thread ends.
// Values always reach SQLite as bound parameters, never as statement text.
class CSqliteHelper
{
public:
    static constexpr const char *kConnectionName = "veltro_sqlite_connect";
    static constexpr const char *kFileName = "veltro.sqlite";

    // Opens the store on first use (creating folder, file and tables).
    static CSqliteHelper *instance();
    static QString databasePath();
    // The name of the calling thread's connection ("" before its first statement).
    static QString currentConnectionName();

    // Runs one statement with `values` bound to its "?" placeholders, in
    // order. Returns the number of rows changed, or -1 when it failed.
    static int executeQuery(const QString &sql, const QVariantList &values = QVariantList());
    // Runs one query; the result is positioned before its first row, or null
    // when the query failed.
    static std::unique_ptr<QSqlQuery> executeRead(const QString &sql, const QVariantList &values = QVariantList());

    // The cookies stored for a host; the stored text is "name=value" pairs
    // joined by ";", each split at its first "=" only.
    static QList<QNetworkCookie> loadCookies(const QString &host);
    // Replaces the host's row (an empty list stores an empty text).
    static bool saveCookies(const QString &host, const QList<QNetworkCookie> &cookies);

    CSqliteHelper(const CSqliteHelper &) = delete;
    CSqliteHelper &operator=(const CSqliteHelper &) = delete;

private:
    CSqliteHelper();
    void initDataBases();
};
