#include "utils/GlobalConfig.h"

#include "utils/CDataHelper.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"
#include "utils/Utf8Cut.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QMutex>
#include <QMutexLocker>

namespace {

// A settings file is a few hundred bytes; anything far larger is not ours.
constexpr qint64 kMaxConfigBytes = 1024 * 1024;
// How much of a damaged file the log keeps, so hand edits can be recovered.
constexpr int kLoggedContentBytes = 2048;

const QString kInit = QStringLiteral("init");

// The process-wide settings. The GUI owns them, but the request layer reads
// the hosts from its worker thread too, hence the lock.
struct Settings
{
    QMutex mutex;
    QJsonObject object;
};

Settings &settings()
{
    static Settings instance;
    return instance;
}

QString tagFor(const char *function)
{
    return QStringLiteral("%1 ").arg(QLatin1String(function));
}

// Reads "v.json"; a missing, damaged or foreign file gives the defaults and
// is written anew, so the next start finds a sound file.
void loadLocked(QJsonObject &object)
{
    const QString path = FileUtils::getConfigFilePath();
    const QFileInfo info(path);
    QJsonObject loaded;
    bool rewrite = false;

    if (!info.exists()) {
        CLog::log(QStringLiteral("config file %1 not found, writing defaults").arg(path), tagFor("GlobalConfig::load"));
        rewrite = true;
    } else {
        QString problem;
        QByteArray content;
        QFile file(path);
        if (!info.isFile()) {
            problem = QStringLiteral("not a file");
        } else if (info.size() > kMaxConfigBytes) {
            problem = QStringLiteral("%1 bytes").arg(info.size());
        } else if (!file.open(QIODevice::ReadOnly)) {
            problem = file.errorString();
        } else {
            content = file.read(kMaxConfigBytes);
            QJsonParseError parseError;
            const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
            if (parseError.error != QJsonParseError::NoError)
                problem = parseError.errorString();
            else if (!document.isObject())
                problem = QStringLiteral("not a JSON object");
            else
                loaded = document.object();
        }
        if (!problem.isEmpty()) {
            CLog::error(QStringLiteral("config file %1 unusable (%2), replaced by defaults: %3")
                            .arg(path, problem,
                                 QString::fromUtf8(utf8Left(content, kLoggedContentBytes))
                                     .replace(QChar(0), QChar(QChar::ReplacementCharacter))),
                        tagFor("GlobalConfig::load"));
            rewrite = true;
        }
    }

    // Deployment keys absent from the file get their defaults there too, so
    // the file always shows what can be changed.
    const QJsonObject defaults = GlobalConfig::defaults();
    for (auto it = defaults.begin(); it != defaults.end(); ++it) {
        if (!loaded.contains(it.key())) {
            loaded.insert(it.key(), it.value());
            rewrite = true;
        }
    }
    loaded.insert(kInit, 1);
    object = loaded;
    if (rewrite)
        FileUtils::saveConfigData(object);
}

void ensureLoadedLocked(QJsonObject &object)
{
    if (!object.contains(kInit))
        loadLocked(object);
}

} // namespace

GlobalConfig::GlobalConfig(QObject *parent)
    : QObject(parent)
{
    ensureLoaded();
}

GlobalConfig::~GlobalConfig() = default;

QJsonObject GlobalConfig::defaults()
{
    return QJsonObject{
        {QStringLiteral("api_host"), QLatin1String(kDefaultApiHost)},
        {QStringLiteral("web_host"), QLatin1String(kDefaultWebHost)},
        {QStringLiteral("allow_http_fallback"), false},
    };
}

void GlobalConfig::ensureLoaded()
{
    Settings &s = settings();
    QMutexLocker lock(&s.mutex);
    ensureLoadedLocked(s.object);
}

void GlobalConfig::setAndSave(const QString &key, const QJsonValue &value)
{
    Settings &s = settings();
    QMutexLocker lock(&s.mutex);
    ensureLoadedLocked(s.object);
    s.object.insert(key, value);
    // Under the lock, so that files reach the disk in the order of the changes.
    FileUtils::saveConfigData(s.object);
}

bool GlobalConfig::isOn(const QString &key)
{
    return CDataHelper::jsonValueToInt(value(key)) == 1;
}

void GlobalConfig::switchAutoRecord(bool isAutoRecord)
{
    setAndSave(QStringLiteral("auto_record"), isAutoRecord ? 1 : 0);
}

void GlobalConfig::switchNativeRender(bool isNativeRender)
{
    setAndSave(QStringLiteral("render_native"), isNativeRender ? 1 : 0);
}

void GlobalConfig::setOrgID(const QString &orgID)
{
    setAndSave(QStringLiteral("org_id"), orgID);
}

void GlobalConfig::setIsMainTeacher(bool isMainTeacher)
{
    setAndSave(QStringLiteral("is_main_teacher"), isMainTeacher ? 1 : 0);
}

void GlobalConfig::setValue(const QString &key, const QString &val)
{
    setAndSave(key, val);
}

void GlobalConfig::setOrgName(const QString &orgName)
{
    setAndSave(QStringLiteral("org_name"), orgName);
}

QString GlobalConfig::getValue(const QString &key) const
{
    return CDataHelper::jsonValueToString(value(key));
}

bool GlobalConfig::renderNative() const
{
    return isOn(QStringLiteral("render_native"));
}

bool GlobalConfig::autoRecord() const
{
    return isOn(QStringLiteral("auto_record"));
}

QString GlobalConfig::orgID() const
{
    return getValue(QStringLiteral("org_id"));
}

QString GlobalConfig::orgName() const
{
    return getValue(QStringLiteral("org_name"));
}

bool GlobalConfig::isMainTeacher() const
{
    return isOn(QStringLiteral("is_main_teacher"));
}

QJsonValue GlobalConfig::value(const QString &key)
{
    Settings &s = settings();
    QMutexLocker lock(&s.mutex);
    ensureLoadedLocked(s.object);
    return s.object.value(key);
}

int GlobalConfig::getDefaultCamera()
{
    return CDataHelper::jsonValueToInt(value(QStringLiteral("default_camera")));
}

int GlobalConfig::getForceCamera()
{
    return CDataHelper::jsonValueToInt(value(QStringLiteral("force_camera")));
}

QString GlobalConfig::apiHost()
{
    return textOr(QStringLiteral("api_host"), QLatin1String(kDefaultApiHost));
}

QString GlobalConfig::webHost()
{
    return textOr(QStringLiteral("web_host"), QLatin1String(kDefaultWebHost));
}

QString GlobalConfig::textOr(const QString &key, const QString &fallback)
{
    const QString text = CDataHelper::jsonValueToString(value(key)).trimmed();
    return text.isEmpty() ? fallback : text;
}

bool GlobalConfig::allowHttpFallback()
{
    return isOn(QStringLiteral("allow_http_fallback"));
}
