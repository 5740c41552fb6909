// Re-encoding pictures for upload and loading pictures by their content.
#include "utils/CFileDownloader.h"
#include "utils/CImageCompressorUtil.h"
#include "utils/FileUtils.h"
#include "TestClock.h"
#include "TestLogCapture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A PNG of the given sides, padded after its end chunk to exactly `bytes`
// (readers stop at the end chunk), so that the file size rules can be driven
// independently of the picture.
bool writePaddedPng(const QString &path, int width, int height, qint64 bytes)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    painter.fillRect(image.rect(), gradient);
    painter.end();
    if (!image.save(path, "png"))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.size() > bytes)
        return false;
    return file.resize(bytes);
}

int colourDistance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

} // namespace

class TestImageCompressor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void tempFilePath_data();
    void tempFilePath();

    void lowCompress_data();
    void lowCompress();
    void lowCompressPaintsTransparencyWhite();
    void lowCompressUnreadable_data();
    void lowCompressUnreadable();

    void realPicture_data();
    void realPicture();

private:
    QTemporaryDir m_tmp;
    QString m_dir; // a folder name beyond ASCII, as Chinese users have
};

void TestImageCompressor::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    m_dir = m_tmp.filePath(QStringLiteral("图片"));
    QVERIFY(QDir().mkpath(m_dir));
}

void TestImageCompressor::tempFilePath_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<qint64>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("suffix without full stop") << "jpg" << qint64(5) << "5.jpg";
    QTest::newRow("suffix with full stop") << ".png" << qint64(42) << "42.png";
    QTest::newRow("name 0 is now") << ".jpg" << qint64(0) << "1570844490123.jpg";
}

void TestImageCompressor::tempFilePath()
{
    QFETCH(QString, suffix);
    QFETCH(qint64, name);
    QFETCH(QString, file);
    TestClock clock(1570844490123);
    const QString path = CFileDownloader::getTempFilePath(suffix, name);
    QCOMPARE(path, FileUtils::getTmpDir() + QLatin1Char('/') + file);
    QVERIFY(!QFile::exists(path));
}

void TestImageCompressor::lowCompress_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QSize>("result");
    const qint64 mib = 1024 * 1024;
    QTest::newRow("900x600 500 KB only re-encoded") << 900 << 600 << qint64(500000) << QSize(900, 600);
    QTest::newRow("1024x1024 of exactly 2 MiB untouched") << 1024 << 1024 << 2 * mib << QSize(1024, 1024);
    QTest::newRow("2048x1024 1 MB halved") << 2048 << 1024 << qint64(1000000) << QSize(1024, 512);
    QTest::newRow("600x3000 tall") << 600 << 3000 << qint64(300000) << QSize(204, 1024);
    QTest::newRow("1025x10 a pixel too wide") << 1025 << 10 << qint64(5000) << QSize(1024, 9);
    QTest::newRow("800x600 3 MiB enlarged") << 800 << 600 << 3 * mib << QSize(1024, 768);
    QTest::newRow("4000x1000 3 MiB size ratio wins") << 4000 << 1000 << 3 * mib << QSize(4096, 1024);
    QTest::newRow("500x500 one byte above 2 MiB") << 500 << 500 << 2 * mib + 1 << QSize(1024, 1024);
}

void TestImageCompressor::lowCompress()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(qint64, bytes);
    QFETCH(QSize, result);
    const QString source = m_dir + QStringLiteral("/picture_%1x%2.png").arg(width).arg(height);
    QVERIFY(writePaddedPng(source, width, height, bytes));
    QCOMPARE(QFileInfo(source).size(), bytes);

    const std::string output = CImageCompressorUtil::lowCompress(source.toStdString());
    const QString path = QString::fromStdString(output);
    QVERIFY(path != source);
    QVERIFY(path.startsWith(FileUtils::getTmpDir() + QLatin1Char('/')));
    QVERIFY(path.endsWith(QStringLiteral(".jpg")));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), result);
    QVERIFY(QFile::exists(source)); // the original stays for the caller
}

void TestImageCompressor::lowCompressPaintsTransparencyWhite()
{
    QImage image(200, 100, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(100, 0, 100, 100, Qt::red);
    const QString source = m_dir + QStringLiteral("/transparent.png");
    QVERIFY(image.save(source, "png"));

    const QImage out(QString::fromStdString(CImageCompressorUtil::lowCompress(source.toStdString())));
    QCOMPARE(out.size(), QSize(200, 100));
    QVERIFY(colourDistance(out.pixel(40, 50), qRgb(255, 255, 255)) < 20);
    QVERIFY(colourDistance(out.pixel(160, 50), qRgb(255, 0, 0)) < 60);
}

void TestImageCompressor::lowCompressUnreadable_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::newRow("missing file") << qint64(-1);
    QTest::newRow("small garbage") << qint64(1000);
    QTest::newRow("garbage above 2 MiB") << qint64(3 * 1024 * 1024); // no sides to scale by
}

void TestImageCompressor::lowCompressUnreadable()
{
    QFETCH(qint64, bytes);
    const QString source = m_dir + QStringLiteral("/broken.jpg");
    QFile::remove(source);
    if (bytes >= 0) {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(QByteArray(int(bytes), '\x5a')) == bytes);
    }
    TestLogCapture capture;
    QCOMPARE(CImageCompressorUtil::lowCompress(source.toStdString()), source.toStdString());
    const QString line = capture.messages().join(QLatin1Char('\n'));
    QVERIFY2(line.contains(QStringLiteral("CImageCompressorUtil::lowCompress image %1 save as ").arg(source)),
             qPrintable(line));
}

void TestImageCompressor::realPicture_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("logged"); // "%1" stands for the path
    QTest::newRow("png under its own name") << "png" << true << "";
    QTest::newRow("png under a .jpg name") << "png as jpg" << true << "read %1 success";
    QTest::newRow("garbage") << "garbage" << false << "%1 canRead return false";
    QTest::newRow("cut-off png") << "cut png" << false << "read %1 return false [";
}

void TestImageCompressor::realPicture()
{
    QFETCH(QString, kind);
    QFETCH(bool, loaded);
    QFETCH(QString, logged);
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QString path = m_dir + (kind == QLatin1String("png") ? QStringLiteral("/real.png") : QStringLiteral("/real.jpg"));
    QVERIFY(image.save(path, "png"));
    if (kind == QLatin1String("garbage"))
        QVERIFY(FileUtils::putFileContent(path, QByteArray(500, 'g')));
    if (kind == QLatin1String("cut png"))
        QVERIFY(QFile(path).resize(60)); // the header says PNG, the data ends early

    for (const char *function : {"CImageCompressorUtil::getRealPixmap", "CImageCompressorUtil::getRealImage"}) {
        TestLogCapture capture;
        bool isLoaded = false;
        QSize size;
        if (QByteArray(function).endsWith("Pixmap")) {
            const std::unique_ptr<QPixmap> pixmap = CImageCompressorUtil::getRealPixmap(path);
            isLoaded = pixmap && !pixmap->isNull();
            size = pixmap ? pixmap->size() : QSize();
        } else {
            const std::unique_ptr<QImage> picture = CImageCompressorUtil::getRealImage(path);
            isLoaded = picture && !picture->isNull();
            size = picture ? picture->size() : QSize();
        }
        QCOMPARE(isLoaded, loaded);
        if (loaded)
            QCOMPARE(size, QSize(64, 48));
        const QString lines = capture.messages().join(QLatin1Char('\n'));
        if (logged.isEmpty())
            QVERIFY2(!lines.contains(QLatin1String(function)), qPrintable(lines));
        else
            QVERIFY2(lines.contains(QStringLiteral("%1 %2").arg(QLatin1String(function), logged.arg(path))),
                     qPrintable(lines));
    }
}

QTEST_MAIN(TestImageCompressor)
#include "tst_imagecompressor.moc"
