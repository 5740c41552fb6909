#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QString>

// The program's settings: one JSON object for the whole process, read once
// from the data folder's "/config/v.json" and rewritten whole (atomically) on
// every change; loading never writes. A setter returns false when its change
// could not be stored, and then leaves the setting as it was. Instances are the handles QML sees as "config"; they hold no state
// of their own, so a change made through one is seen by all.
class GlobalConfig : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool renderNative READ renderNative)
    Q_PROPERTY(bool autoRecord READ autoRecord)
    Q_PROPERTY(QString orgID READ orgID)
    Q_PROPERTY(bool isMainTeacher READ isMainTeacher)

public:
    // Deployment values used when the file does not name them.
    static constexpr const char *kDefaultApiHost = "api.veltro.example";
    static constexpr const char *kDefaultWebHost = "www.veltro.example";

    explicit GlobalConfig(QObject *parent = nullptr);
    ~GlobalConfig() override;

    Q_INVOKABLE bool switchAutoRecord(bool isAutoRecord);
    Q_INVOKABLE bool switchNativeRender(bool isNativeRender);
    Q_INVOKABLE bool setOrgID(const QString &orgID);
    Q_INVOKABLE bool setIsMainTeacher(bool isMainTeacher);
    Q_INVOKABLE bool setValue(const QString &key, const QString &val);
    Q_INVOKABLE QString getValue(const QString &key) const;

    bool setOrgName(const QString &orgName);

    bool renderNative() const;
    bool autoRecord() const;
    QString orgID() const;
    QString orgName() const;
    bool isMainTeacher() const;

    // Usable without an instance; they load the settings first when needed.
    static QJsonValue value(const QString &key);
    static int getDefaultCamera();
    static int getForceCamera();
    // Host (and optional port) of the service's API and of its web pages.
    static QString apiHost();
    static QString webHost();
    // Whether a request may retry over plain http after an https failure.
    static bool allowHttpFallback();

    // The values a fresh or damaged settings file starts from.
    static QJsonObject defaults();

private:
    static void ensureLoaded();
    static bool setAndSave(const QString &key, const QJsonValue &value);
    static bool isOn(const QString &key);
    // The trimmed text under `key`, or `fallback` when that is empty.
    static QString textOr(const QString &key, const QString &fallback);
};
