#include "TestChildProcess.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QTemporaryDir>
#include <QtTest>


namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(data), data.size());
}

QJsonObject fileObject(const QString &path)
{
    return QJsonDocument::fromJson(readFile(path)).object();
}

QString logText(const QString &dataRoot)
{
    QString text;
    const QDir logDir(dataRoot + QStringLiteral("/xlog"));
    for (const QString &name : logDir.entryList({"*.log"}, QDir::Files))
        text += QString::fromUtf8(readFile(logDir.filePath(name)));
    return text;
}

QJsonObject readings()
{
    GlobalConfig config;
    return QJsonObject{
        {"autoRecord", config.autoRecord()},
        {"renderNative", config.renderNative()},
        {"orgID", config.orgID()},
        {"defaultCamera", GlobalConfig::getDefaultCamera()},
        {"apiHost", GlobalConfig::apiHost()},
        {"webHost", GlobalConfig::webHost()},
        {"allowHttpFallback", GlobalConfig::allowHttpFallback()},
    };
}

// One start of the program over the data folder the parent prepared.
int childMain(const QString &mode)
{
    if (mode == QLatin1String("start")) {
        // First the values as loaded, and the file as the start left it.
        QJsonObject report{{"atStart", readings()}};
        report.insert("fileAtStart", QString::fromLatin1(readFile(FileUtils::getConfigFilePath()).toBase64()));
        GlobalConfig config;
        report.insert("saved", config.switchAutoRecord(true));
        report.insert("afterSwitch", readings());
        TestChildProcess::report(report);
        return 0;
    }
    if (mode == QLatin1String("hammer")) {
        // Rewrites the settings until it is killed; the parent kills it mid-write.
        GlobalConfig config;
        const QString padding(16 * 1024, QLatin1Char('x'));
        for (int i = 0;; ++i)
            config.setValue(QStringLiteral("counter"), QString::number(i) + padding);
    }
    return 2;
}

const QJsonObject kDefaultReadings{
    {"autoRecord", false},          {"renderNative", false},          {"orgID", ""},
    {"defaultCamera", 0},           {"apiHost", "api.veltro.example"}, {"webHost", "www.veltro.example"},
    {"allowHttpFallback", false},
};

QJsonObject withAutoRecord(QJsonObject readings)
{
    readings.insert("autoRecord", true);
    return readings;
}

} // namespace

class TestGlobalConfig : public QObject
{
    Q_OBJECT

private slots:
    void startConditions_data();
    void startConditions();
    void unsavedSwitchKeepsStoredValue_data();
    void unsavedSwitchKeepsStoredValue();
    void fileStaysWholeDuringRewritesAndKill();
    void instancesShareOneObject();
    void switchesReadExactlyOne_data();
    void switchesReadExactlyOne();
    void qmlSeesConfig();
};

void TestGlobalConfig::startConditions_data()
{
    QTest::addColumn<QString>("setup"); // "missing", "file" or "directory"
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QJsonObject>("atStart");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<bool>("setAside"); // kept as "v.json.bad" at the first save

    QTest::newRow("fresh start") << "missing" << QByteArray() << kDefaultReadings << "not found, using defaults"
                                 << false;
    QTest::newRow("truncated") << "file" << QByteArray("{\"auto_record\": 1,\n \"api_host\": \"10.0.0")
                               << kDefaultReadings << ".bad: {\"auto_record\": 1,\\x0a \"api_host\"" << true;
    QTest::newRow("array") << "file" << QByteArray("[{\"auto_record\": 1}]") << kDefaultReadings
                           << "(not a JSON object), using defaults" << true;
    QTest::newRow("empty") << "file" << QByteArray() << kDefaultReadings << "using defaults" << true;
    // A leading NUL must not hide the rest of the content from the log.
    QTest::newRow("binary") << "file" << QByteArray("\x00\x01{\"default_camera\":", 20) << kDefaultReadings
                            << ".bad: \\x00\\x01{\"default_camera\":" << true;
    QTest::newRow("directory") << "directory" << QByteArray() << kDefaultReadings << "(not a file), using defaults"
                               << true;

    QJsonObject edited = kDefaultReadings;
    edited.insert("defaultCamera", 2);
    edited.insert("autoRecord", true);
    edited.insert("renderNative", true);
    edited.insert("orgID", "12345678");
    edited.insert("apiHost", "127.0.0.1:8080");
    edited.insert("allowHttpFallback", true);
    QTest::newRow("hand edited") << "file"
                                 << QByteArray("{\"default_camera\": 2, \"auto_record\": \"1\", \"render_native\": true,"
                                               " \"org_id\": 12345678, \"api_host\": \" 127.0.0.1:8080 \","
                                               " \"allow_http_fallback\": true}")
                                 << edited << "" << false;
    QTest::newRow("true as text is off") << "file" << QByteArray("{\"auto_record\": \"true\", \"render_native\": 2}")
                                         << kDefaultReadings << "" << false;
}

void TestGlobalConfig::startConditions()
{
    QFETCH(QString, setup);
    QFETCH(QByteArray, content);
    QFETCH(QJsonObject, atStart);
    QFETCH(QString, logLine);
    QFETCH(bool, setAside);

    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString root = home.path() + QStringLiteral("/VeltroTeacher");
    const QString configPath = root + QStringLiteral("/config/v.json");
    QVERIFY(QDir().mkpath(root + QStringLiteral("/config")));
    if (setup == QLatin1String("file"))
        writeFile(configPath, content);
    else if (setup == QLatin1String("directory"))
        QVERIFY(QDir().mkpath(configPath + QStringLiteral("/inside")));

    const TestChildProcess::Result run = TestChildProcess::run(QStringLiteral("start"), home.path());
    QVERIFY2(run.finished && run.exitCode == 0, run.err.right(2000).constData());
    const QJsonObject report = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(report.value("atStart").toObject(), atStart);
    QCOMPARE(report.value("saved"), QJsonValue(true));
    QCOMPARE(report.value("afterSwitch").toObject(), withAutoRecord(atStart));
    if (!logLine.isEmpty())
        QVERIFY2(logText(root).contains(logLine), qPrintable(logText(root).right(3000)));
    if (!setAside)
        QVERIFY(!logText(root).contains("unusable"));

    // Loading wrote nothing: the file the start found is the one it left.
    const QByteArray fileAtStart = QByteArray::fromBase64(report.value("fileAtStart").toString().toLatin1());
    QCOMPARE(fileAtStart, setup == QLatin1String("file") ? content : QByteArray());

    // The first save kept an unreadable file beside the new one.
    const QString bad = configPath + QStringLiteral(".bad");
    QStringList expected{QStringLiteral("v.json")};
    if (setAside) {
        expected << QStringLiteral("v.json.bad");
        if (setup == QLatin1String("directory"))
            QVERIFY(QFileInfo::exists(bad + QStringLiteral("/inside")));
        else
            QCOMPARE(readFile(bad), content);
        QVERIFY(logText(root).contains("set aside as " + bad));
    }
    QCOMPARE(QDir(root + "/config").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), expected); // no leftovers

    // The saved file: the start's values, the switch, and the deployment keys.
    const QJsonObject finalFile = fileObject(configPath);
    QCOMPARE(finalFile.value("auto_record"), QJsonValue(1));
    QCOMPARE(finalFile.value("init"), QJsonValue(1));
    QVERIFY(finalFile.contains("web_host") && finalFile.contains("allow_http_fallback"));
    if (QTest::currentDataTag() == QByteArray("hand edited")) {
        QCOMPARE(finalFile.value("default_camera"), QJsonValue(2));
        QCOMPARE(finalFile.value("api_host"), QJsonValue(" 127.0.0.1:8080 "));
    } else {
        QCOMPARE(finalFile.value("api_host"), QJsonValue("api.veltro.example"));
    }
}

void TestGlobalConfig::unsavedSwitchKeepsStoredValue_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::newRow("sound file") << QByteArray("{\"render_native\": 1}");
    // Not even the setting aside can happen: the damaged file stays as it is.
    QTest::newRow("damaged file") << QByteArray("{\"render_native\": 1,");
}

void TestGlobalConfig::unsavedSwitchKeepsStoredValue()
{
    QFETCH(QByteArray, original);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString folder = home.path() + QStringLiteral("/VeltroTeacher/config");
    QVERIFY(QDir().mkpath(folder));
    writeFile(folder + QStringLiteral("/v.json"), original);
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    // As root the folder would stay writable: the child runs as another user.
    const TestChildProcess::Result run = TestChildProcess::runUnprivileged(QStringLiteral("start"), home.path());
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY2(run.finished && run.exitCode == 0, run.err.right(2000).constData());
    const QJsonObject report = QJsonDocument::fromJson(run.out).object();
    // The switch said it was not saved, and the setting is what is stored.
    QCOMPARE(report.value("saved"), QJsonValue(false));
    QCOMPARE(report.value("afterSwitch").toObject(), report.value("atStart").toObject());
    QCOMPARE(report.value("afterSwitch").toObject().value("autoRecord"), QJsonValue(false));
    QCOMPARE(readFile(folder + QStringLiteral("/v.json")), original);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList("v.json"));
    QVERIFY(logText(home.path() + QStringLiteral("/VeltroTeacher")).contains("config auto_record not saved"));
}

void TestGlobalConfig::fileStaysWholeDuringRewritesAndKill()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString configPath = home.path() + QStringLiteral("/VeltroTeacher/config/v.json");
    const auto wholeObject = [](const QByteArray &text) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text, &error);
        return error.error == QJsonParseError::NoError && document.isObject();
    };
    for (int delayMs : {40, 90, 170}) {
        QProcess child;
        TestChildProcess::start(child, QStringLiteral("hammer"), home.path());
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(fileObject(configPath).contains("counter"), 10000);
        // Whoever reads the file while it is being rewritten sees a whole
        // object, old or new; and so does the next start after a kill.
        QElapsedTimer timer;
        timer.start();
        int reads = 0;
        while (timer.elapsed() < delayMs) {
            const QByteArray text = readFile(configPath);
            QVERIFY2(wholeObject(text), text.left(200).constData());
            ++reads;
        }
        child.kill();
        QVERIFY(child.waitForFinished(5000));
        QVERIFY(reads > 0);

        const QByteArray text = readFile(configPath);
        QVERIFY2(wholeObject(text), text.left(200).constData());
        QVERIFY(QJsonDocument::fromJson(text).object().value("counter").toString().endsWith("xxx"));
    }
}

void TestGlobalConfig::instancesShareOneObject()
{
    GlobalConfig first;
    auto *second = new GlobalConfig(&first);
    first.switchAutoRecord(true);
    QVERIFY(second->autoRecord());
    second->switchAutoRecord(false);
    QVERIFY(!first.autoRecord());
    second->setOrgName("王's 机构");
    QCOMPARE(first.orgName(), QStringLiteral("王's 机构"));
    second->setIsMainTeacher(true);
    QVERIFY(first.isMainTeacher());
    delete second;
    // Deleting an instance leaves the settings alone.
    QVERIFY(GlobalConfig().isMainTeacher());

    // Every change reached the file whole.
    const QJsonObject file = fileObject(FileUtils::getConfigFilePath());
    QCOMPARE(file.value("auto_record"), QJsonValue(0));
    QCOMPARE(file.value("org_name"), QJsonValue("王's 机构"));
    QCOMPARE(file.value("is_main_teacher"), QJsonValue(1));
    QCOMPARE(file.value("init"), QJsonValue(1));
}

void TestGlobalConfig::switchesReadExactlyOne_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("true") << "true" << false;
    QTest::newRow("2") << "2" << false;
    QTest::newRow("empty") << "" << false;
}

void TestGlobalConfig::switchesReadExactlyOne()
{
    QFETCH(QString, text);
    QFETCH(bool, on);
    GlobalConfig config;
    config.setValue("auto_record", text);
    QCOMPARE(config.autoRecord(), on);
    QCOMPARE(config.getValue("auto_record"), text);
    QCOMPARE(fileObject(FileUtils::getConfigFilePath()).value("auto_record"), QJsonValue(text));
}

void TestGlobalConfig::qmlSeesConfig()
{
    QQmlEngine engine;
    GlobalConfig config;
    engine.rootContext()->setContextProperty("config", &config);

    // A number handed over from QML is stored as its text.
    QQmlExpression set(engine.rootContext(), nullptr,
                       "config.setValue('video_widget_render_type', 1); config.getValue('video_widget_render_type')");
    QCOMPARE(set.evaluate().toString(), QStringLiteral("1"));
    QVERIFY(!set.hasError());
    QCOMPARE(GlobalConfig::value("video_widget_render_type"), QJsonValue("1"));

    QQmlExpression read(engine.rootContext(), nullptr,
                        "config.switchNativeRender(true); config.setOrgID('77'); "
                        "[config.renderNative, config.orgID, config.autoRecord === false].join('|')");
    config.switchAutoRecord(false);
    QCOMPARE(read.evaluate().toString(), QStringLiteral("true|77|true"));
    QVERIFY(!read.hasError());
}

VELTRO_TEST_MAIN_WITH_CHILD(TestGlobalConfig, childMain)
#include "tst_globalconfig.moc"
