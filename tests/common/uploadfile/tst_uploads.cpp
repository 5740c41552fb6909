// Picture, temporary file and class video uploads against the local
// stand-in: each reaches the service as a multipart body with its fields
// and its file (by name, never by path) and ends in exactly one result
// signal carrying what the callers rely on.
#include "StandInService.h"
#include "UploadParts.h"

#include "common/CommonService.h"
#include "modules/coach/course/CourseService.h"
#include "modules/login/UserService.h"
#include "common/uploadfile/TQUploadVideoService.h"
#include "common/uploadfile/UploadFileViewModel.h"
#include "platform/http/ApiPaths.h"
#include "utils/CHttpClient.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every signal of a view model, in the order they came, with what they carried.
class UploadEvents : public QObject
{
public:
    explicit UploadEvents(UploadFileViewModel *model)
    {
        auto failure = [this](const char *name) {
            return [this, name](Failure &f) {
                names << QLatin1String(name);
                failures << f;
            };
        };
        auto object = [this](const char *name) {
            return [this, name](QJsonObject &json) {
                names << QLatin1String(name);
                objects << json;
            };
        };
        auto text = [this](const char *name) {
            return [this, name](const QString &value) {
                names << QLatin1String(name);
                texts << value;
            };
        };
        connect(model, &UploadFileViewModel::failure_signal, this, failure("failure_signal"));
        connect(model, &UploadFileViewModel::uploadFileFailure_signal, this, failure("uploadFileFailure_signal"));
        connect(model, &UploadFileViewModel::uploadLiveProfileFailure_signal, this,
                failure("uploadLiveProfileFailure_signal"));
        connect(model, &UploadFileViewModel::uploadFileSuccess_signal, this, object("uploadFileSuccess_signal"));
        connect(model, &UploadFileViewModel::uploadLiveImageFileSuccess, this, object("uploadLiveImageFileSuccess"));
        connect(model, &UploadFileViewModel::pushCourseLogSuccess, this, object("pushCourseLogSuccess"));
        connect(model, &UploadFileViewModel::getUploadedTempFileSuccess_signal, this,
                text("getUploadedTempFileSuccess_signal"));
        connect(model, &UploadFileViewModel::uploadMomentImageFileSuccess, this, text("uploadMomentImageFileSuccess"));
    }

    QStringList names;
    QList<Failure> failures;
    QList<QJsonObject> objects;
    QStringList texts;
};

// One class video result as the uploader receives it.
struct VideoResult
{
    bool success = false;
    QJsonObject reply;
    int failureCode = 0;
    QString filePath;
    long courseID = 0;
    long courseScheduleID = 0;
    qlonglong sketchNum = 0;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestUploads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void imageUpload_data();
    void imageUpload();
    void liveImageUpload();
    void momentUpload_data();
    void momentUpload();
    void uploadedTempFile();
    void failures_data();
    void failures();
    void classVideosAnswerWithTheirOwnIdentity();

private:
    QString writePicture(const QString &name);

    StandInService m_service;
    QTemporaryDir m_dir;
    CommonService m_commonService;
    CourseService m_courseService;
    UserService m_userService;
};

void TestUploads::initTestCase()
{
    QVERIFY(m_service.listen());
    QVERIFY(m_dir.isValid());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
}

void TestUploads::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
}

void TestUploads::cleanup()
{
    QTRY_COMPARE(CHttpClient::poolSize(), 0);
}

QString TestUploads::writePicture(const QString &name)
{
    QImage image(64, 48, QImage::Format_ARGB32);
    image.fill(QColor(30, 120, 200, 160));
    const QString path = m_dir.filePath(name);
    image.save(path, "PNG");
    return path;
}

void TestUploads::imageUpload_data()
{
    QTest::addColumn<bool>("compress");
    QTest::addColumn<QString>("storeKey");
    QTest::addColumn<bool>("keySent");
    QTest::newRow("unchanged, no key") << false << "" << false;
    QTest::newRow("unchanged, key of two") << false << "ab" << false;
    QTest::newRow("unchanged, key of three") << false << "abc" << true;
    QTest::newRow("re-encoded, key") << true << "board-7" << true;
}

void TestUploads::imageUpload()
{
    QFETCH(bool, compress);
    QFETCH(QString, storeKey);
    QFETCH(bool, keySent);
    const QString picture = writePicture(QStringLiteral("board.png"));
    UploadFileViewModel model(&m_commonService, &m_courseService);
    UploadEvents events(&model);

    model.uploadImageFile(picture, 3, compress, storeKey);
    QTRY_COMPARE(events.names, QStringList{"uploadFileSuccess_signal"});
    QCOMPARE(events.objects.first().value("file_url").toString(), m_service.baseUrl() + "/files/board.png");

    const auto requests = m_service.requestsTo(ApiPaths::kUploadTempFile);
    QCOMPARE(requests.size(), 1);
    const auto fields = UploadParts::textFields(requests.first());
    QCOMPARE(fields.value("convert"), QStringLiteral("0"));
    QCOMPARE(fields.contains("storeKey"), keySent);
    if (keySent)
        QCOMPARE(fields.value("storeKey"), storeKey);
    QVERIFY(!fields.contains("kind"));
    QVERIFY(fields.contains("userID") && fields.contains("userToken") && fields.contains("orgID"));

    const auto files = UploadParts::fileParts(requests.first());
    QCOMPARE(files.keys(), QStringList{"binaryFile"});
    const StandInService::Part part = files.value("binaryFile");
    QVERIFY(!part.fileName.contains('/'));
    if (compress) {
        QVERIFY(part.fileName.endsWith(".jpg"));
        QVERIFY(part.data.startsWith("\xFF\xD8"));
        // The re-encoded copy only lived for the upload.
        QTRY_VERIFY(!QFile::exists(FileUtils::getTmpDir() + '/' + QString::fromUtf8(part.fileName)));
    } else {
        QCOMPARE(part.fileName, QByteArray("board.png"));
        QCOMPARE(part.data, readAll(picture));
    }
    QVERIFY(QFile::exists(picture));
}

void TestUploads::liveImageUpload()
{
    m_service.setReply(ApiPaths::kLiveConfig, StandInService::Reply::ok({{"live_profile", "p.jpg"}}));
    const QString picture = writePicture(QStringLiteral("me.png"));
    UploadFileViewModel model(&m_commonService, &m_courseService);
    UploadEvents events(&model);

    model.uploadLiveImageFile(picture);
    QTRY_COMPARE(events.names, QStringList{"uploadLiveImageFileSuccess"});
    QCOMPARE(events.objects.first(), QJsonObject({{"live_profile", "p.jpg"}}));

    const auto requests = m_service.requestsTo(ApiPaths::kLiveConfig);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(UploadParts::textFields(requests.first()).keys(), QStringList({"orgID", "userID", "userToken"}));
    const StandInService::Part part = UploadParts::fileParts(requests.first()).value("live_profile");
    QVERIFY(part.data.startsWith("\xFF\xD8"));
    QTRY_VERIFY(!QFile::exists(FileUtils::getTmpDir() + '/' + QString::fromUtf8(part.fileName)));
}

void TestUploads::momentUpload_data()
{
    QTest::addColumn<QJsonObject>("returnResult");
    QTest::addColumn<QString>("fileUrl");
    QTest::newRow("address") << QJsonObject{{"file_url", "https://cdn.example/m.jpg"}} << "https://cdn.example/m.jpg";
    QTest::newRow("no address") << QJsonObject{} << "";
    QTest::newRow("address not a text") << QJsonObject{{"file_url", 5}} << "";
}

void TestUploads::momentUpload()
{
    QFETCH(QJsonObject, returnResult);
    QFETCH(QString, fileUrl);
    m_service.setReply(ApiPaths::kUploadTempFile, StandInService::Reply::ok(returnResult));
    const QString picture = writePicture(QStringLiteral("moment.png"));
    UploadFileViewModel model(&m_commonService, &m_courseService);
    UploadEvents events(&model);

    model.uploadMomentImageFile(picture);
    QTRY_COMPARE(events.names, QStringList{"uploadMomentImageFileSuccess"});
    QCOMPARE(events.texts.first(), fileUrl);

    const auto request = m_service.requestsTo(ApiPaths::kUploadTempFile).value(0);
    const auto fields = UploadParts::textFields(request);
    QCOMPARE(fields.value("convert"), QStringLiteral("1"));
    QVERIFY(!fields.contains("storeKey"));
    QCOMPARE(UploadParts::fileParts(request).value("binaryFile").data, readAll(picture));
}

void TestUploads::uploadedTempFile()
{
    UploadFileViewModel model(&m_commonService, &m_courseService);
    UploadEvents events(&model);
    model.getUploadedTempFile(QStringLiteral("k1"));
    QTRY_COMPARE(events.names, QStringList{"getUploadedTempFileSuccess_signal"});
    QCOMPARE(events.texts.first(), m_service.baseUrl() + "/files/board.png");
    const auto request = m_service.requestsTo(ApiPaths::kGetUploadedTempFile).value(0);
    QCOMPARE(request.formValue("storeKey"), QStringLiteral("k1"));
}

void TestUploads::failures_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("signal");
    QTest::newRow("picture") << 0 << ApiPaths::kUploadTempFile << "uploadFileFailure_signal";
    QTest::newRow("live picture") << 1 << ApiPaths::kLiveConfig << "failure_signal";
    QTest::newRow("moment picture") << 2 << ApiPaths::kUploadTempFile << "failure_signal";
    QTest::newRow("stored file address") << 3 << ApiPaths::kGetUploadedTempFile << "failure_signal";
}

void TestUploads::failures()
{
    QFETCH(int, operation);
    QFETCH(QString, path);
    QFETCH(QString, signal);
    m_service.setReply(path, StandInService::Reply::failure(4107, QStringLiteral("文件过大")));
    const QString picture = writePicture(QStringLiteral("refused.png"));
    UploadFileViewModel model(&m_commonService, &m_courseService);
    UploadEvents events(&model);

    switch (operation) {
    case 0: model.uploadImageFile(picture, 0, true, QString()); break;
    case 1: model.uploadLiveImageFile(picture); break;
    case 2: model.uploadMomentImageFile(picture); break;
    default: model.getUploadedTempFile(QStringLiteral("key")); break;
    }
    QTRY_COMPARE(events.names, QStringList{signal});
    QCOMPARE(events.failures.first().getCode(), 4107);
    QCOMPARE(events.failures.first().getMessage(), QStringLiteral("文件过大"));
    // Nothing more arrives later, and no re-encoded copy is left behind.
    QTest::qWait(50);
    QCOMPARE(events.names.size(), 1);
    QTRY_COMPARE(QDir(FileUtils::getTmpDir()).entryList({"*.jpg"}, QDir::Files), QStringList());
}

void TestUploads::classVideosAnswerWithTheirOwnIdentity()
{
    // The first recording is answered late and accepted, the second at once
    // and refused: each result still names its own recording.
    m_service.setHandler(ApiPaths::kPushCourseScheduleBinaryRecord, [](const StandInService::Request &request) {
        if (UploadParts::textFields(request).value("courseID") == QLatin1String("11")) {
            StandInService::Reply reply = StandInService::Reply::ok({{"recordID", "r11"}});
            reply.delayMs = 400;
            return reply;
        }
        return StandInService::Reply::failure(3, QStringLiteral("busy"));
    });
    const QString first = m_dir.filePath(QStringLiteral("7_11_101_1700000000123.mp4"));
    const QString second = m_dir.filePath(QStringLiteral("7_22_202_1700000000456.mp4"));
    for (const QString &path : {first, second}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'v') + path.toUtf8());
    }

    TQUploadVideoService service(&m_commonService);
    QList<VideoResult> results;
    connect(&service, &TQUploadVideoService::uploadClassVideoSuccess_signal, this,
            [&](QJsonObject &reply, QString filePath, long courseID, long courseScheduleID, qlonglong sketchNum) {
                results << VideoResult{true, reply, 0, filePath, courseID, courseScheduleID, sketchNum};
            });
    connect(&service, &TQUploadVideoService::uploadClassVideoFailed_signal, this,
            [&](Failure &f, QString filePath, long courseID, long courseScheduleID, qlonglong sketchNum) {
                results << VideoResult{false, {}, f.getCode(), filePath, courseID, courseScheduleID, sketchNum};
            });

    service.uploadClassVideo(first, 11, 101, 1700000000123LL);
    service.uploadClassVideo(second, 22, 202, 1700000000456LL);
    QTRY_COMPARE(results.size(), 2);

    QVERIFY(!results[0].success);
    QCOMPARE(results[0].failureCode, 3);
    QCOMPARE(results[0].filePath, second);
    QCOMPARE(results[0].courseID, 22L);
    QCOMPARE(results[0].courseScheduleID, 202L);
    QCOMPARE(results[0].sketchNum, 1700000000456LL);

    QVERIFY(results[1].success);
    // The whole reply, not its "returnResult".
    QCOMPARE(results[1].reply.value("statusCode").toInt(-1), 0);
    QCOMPARE(results[1].reply.value("returnResult").toObject().value("recordID").toString(), QStringLiteral("r11"));
    QCOMPARE(results[1].filePath, first);
    QCOMPARE(results[1].courseID, 11L);
    QCOMPARE(results[1].courseScheduleID, 101L);
    QCOMPARE(results[1].sketchNum, 1700000000123LL);

    for (const auto &request : m_service.requestsTo(ApiPaths::kPushCourseScheduleBinaryRecord)) {
        const auto fields = UploadParts::textFields(request);
        QCOMPARE(fields.value("materialID"), QStringLiteral("0"));
        QCOMPARE(fields.value("formatType"), QStringLiteral("2"));
        QCOMPARE(fields.value("forPurpose"), QStringLiteral("1"));
        const QString path = fields.value("courseID") == "11" ? first : second;
        QCOMPARE(fields.value("sketchNum"), QFileInfo(path).completeBaseName().section('_', 3));
        const StandInService::Part part = UploadParts::fileParts(request).value("binary_file");
        QCOMPARE(QString::fromUtf8(part.fileName), QFileInfo(path).fileName());
        QCOMPARE(part.data, readAll(path));
    }
    // Uploading never moves or deletes the recording: the uploader does.
    QVERIFY(QFile::exists(first) && QFile::exists(second));
}

QTEST_MAIN(TestUploads)
#include "tst_uploads.moc"
