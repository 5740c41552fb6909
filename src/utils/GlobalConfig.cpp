#include "utils/GlobalConfig.h"

#include "utils/CDataHelper.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"
#include "utils/Utf8Cut.h"

#include <QDir>
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
    // The file found at load could not be read: it is set aside before the
    // first write replaces it, so a hand edit with a slip can be recovered.
    bool setAsideBeforeWrite = false;
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

// The damaged content as one log line: control bytes (a leading NUL too)
// as escapes, so nothing cuts or breaks the line.
QString escapedForLog(const QByteArray &content)
{
    const QString text = QString::fromUtf8(content.constData(), content.size());
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

// Reads "v.json" and writes nothing: a missing file gives the defaults, a
// damaged or foreign one too, and is kept as it is until the first save.
void loadLocked(Settings &s)
{
    const QString path = FileUtils::getConfigFilePath();
    const QFileInfo info(path);
    QJsonObject loaded;

    if (!info.exists()) {
        CLog::log(QStringLiteral("config file %1 not found, using defaults").arg(path), tagFor("GlobalConfig::load"));
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
            CLog::error(QStringLiteral("config file %1 unusable (%2), using defaults; kept until the first save as "
                                       "%1.bad: %3")
                            .arg(path, problem, escapedForLog(utf8Left(content, kLoggedContentBytes))),
                        tagFor("GlobalConfig::load"));
            s.setAsideBeforeWrite = true;
        }
    }

    // Deployment keys absent from the file get their defaults, so that the
    // first save shows what can be changed.
    const QJsonObject defaults = GlobalConfig::defaults();
    for (auto it = defaults.begin(); it != defaults.end(); ++it) {
        if (!loaded.contains(it.key()))
            loaded.insert(it.key(), it.value());
    }
    loaded.insert(kInit, 1);
    s.object = loaded;
}

void ensureLoadedLocked(Settings &s)
{
    if (!s.object.contains(kInit))
        loadLocked(s);
}

// Moves an unreadable "v.json" to "v.json.bad" (replacing an older one).
bool setAsideLocked(Settings &s)
{
    if (!s.setAsideBeforeWrite)
        return true;
    const QString path = FileUtils::getConfigFilePath();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        // Gone meanwhile: nothing is left to keep.
        s.setAsideBeforeWrite = false;
        return true;
    }
    const QString bad = path + QStringLiteral(".bad");
    const QFileInfo badInfo(bad);
    if (badInfo.isDir())
        QDir(bad).removeRecursively();
    else if (badInfo.exists() || badInfo.isSymLink())
        QFile::remove(bad);
    if (!QDir().rename(path, bad)) {
        CLog::error(QStringLiteral("config file %1 could not be set aside as %2").arg(path, bad),
                    tagFor("GlobalConfig::save"));
        return false;
    }
    CLog::log(QStringLiteral("config file %1 set aside as %2").arg(path, bad), tagFor("GlobalConfig::save"));
    s.setAsideBeforeWrite = false;
    return true;
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
    ensureLoadedLocked(s);
}

bool GlobalConfig::setAndSave(const QString &key, const QJsonValue &value)
{
    Settings &s = settings();
    QMutexLocker lock(&s.mutex);
    ensureLoadedLocked(s);
    QJsonObject changed = s.object;
    changed.insert(key, value);
    // Under the lock, so that files reach the disk in the order of the changes.
    // A change that cannot be stored is not made: what the teacher sees and
    // what is in effect stay what the next start will find.
    if (!setAsideLocked(s) || !FileUtils::saveConfigData(changed)) {
        CLog::error(QStringLiteral("config %1 not saved, keeping %2")
                        .arg(key, CDataHelper::jsonValueToString(s.object.value(key))),
                    tagFor("GlobalConfig::setAndSave"));
        return false;
    }
    s.object = changed;
    return true;
}

bool GlobalConfig::isOn(const QString &key)
{
    return CDataHelper::jsonValueToInt(value(key)) == 1;
}

bool GlobalConfig::switchAutoRecord(bool isAutoRecord)
{
    return setAndSave(QStringLiteral("auto_record"), isAutoRecord ? 1 : 0);
}

bool GlobalConfig::switchNativeRender(bool isNativeRender)
{
    return setAndSave(QStringLiteral("render_native"), isNativeRender ? 1 : 0);
}

bool GlobalConfig::setOrgID(const QString &orgID)
{
    return setAndSave(QStringLiteral("org_id"), orgID);
}

bool GlobalConfig::setIsMainTeacher(bool isMainTeacher)
{
    return setAndSave(QStringLiteral("is_main_teacher"), isMainTeacher ? 1 : 0);
}

bool GlobalConfig::setValue(const QString &key, const QString &val)
{
    return setAndSave(key, val);
}

bool GlobalConfig::setOrgName(const QString &orgName)
{
    return setAndSave(QStringLiteral("org_name"), orgName);
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
    ensureLoadedLocked(s);
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
