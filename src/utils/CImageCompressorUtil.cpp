#include "utils/CImageCompressorUtil.h"

#include "utils/CFileDownloader.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kMaxSide = 1024;
constexpr qint64 kMaxBytes = 2097152; // 2 MiB
constexpr int kJpegQuality = 80;

QString tagOf(const char *function)
{
    return QStringLiteral("%1 ").arg(QLatin1String(function));
}

template <typename Picture>
std::unique_ptr<Picture> pictureFrom(const QImage &image)
{
    if constexpr (std::is_same_v<Picture, QPixmap>)
        return std::make_unique<QPixmap>(QPixmap::fromImage(image));
    else
        return std::make_unique<QImage>(image);
}

// Shared by both loaders: strictly the format the file name claims first,
// then the format the content shows.
template <typename Picture>
std::unique_ptr<Picture> loadSniffed(const QString &path, const char *function)
{
    QImageReader byName(path, QFileInfo(path).suffix().toLatin1());
    byName.setAutoDetectImageFormat(false);
    const QImage direct = byName.read();
    if (!direct.isNull())
        return pictureFrom<Picture>(direct);

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        CLog::error(QStringLiteral("%1 canRead return false").arg(path), tagOf(function));
        return nullptr;
    }
    QImage image;
    if (!reader.read(&image)) {
        CLog::error(QStringLiteral("read %1 return false [%2]").arg(path, reader.errorString()), tagOf(function));
        return nullptr;
    }
    CLog::log(QStringLiteral("read %1 success").arg(path), tagOf(function));
    return pictureFrom<Picture>(image);
}

} // namespace

std::string CImageCompressorUtil::lowCompress(const std::string &path)
{
    const QString source = QString::fromStdString(path);
    const qint64 bytes = FileUtils::getFileSize(source);
    QImage image(source);
    const int w = image.width();
    const int h = image.height();
    // A QImage, not a pixmap: the result is the same and the call stays safe
    // off the GUI thread. An unreadable picture leaves a null canvas that
    // fails to save below.
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(Qt::white);

    // An unreadable picture has no sides to scale by (and would divide by 0).
    if (!image.isNull() && (w > kMaxSide || h > kMaxSide || bytes > kMaxBytes)) {
        double rw = double(w) / kMaxSide;
        double rh = double(h) / kMaxSide;
        const double rs = double(bytes) / kMaxBytes;
        if (bytes > kMaxBytes && (rw > rs || rh > rs))
            rw = rh = rs;
        const QSize target = rw > rh ? QSize(kMaxSide, int(qint64(h) * kMaxSide / w))
                                     : QSize(int(qint64(w) * kMaxSide / h), kMaxSide);
        image = image.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        canvas = canvas.scaled(target, Qt::IgnoreAspectRatio);
    }

    QString output = CFileDownloader::getTempFilePath(QStringLiteral(".jpg"), 0);
    if (!output.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive))
        output += QStringLiteral(".jpg");

    if (!canvas.isNull()) {
        // Stretched over the whole canvas, so transparent parts become white.
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(canvas.rect(), image);
    }
    if (canvas.save(output, "jpg", kJpegQuality))
        return output.toStdString();
    CLog::error(QStringLiteral("image %1 save as %2 failed").arg(source, output),
                tagOf("CImageCompressorUtil::lowCompress"));
    return path;
}

std::unique_ptr<QPixmap> CImageCompressorUtil::getRealPixmap(const QString &path)
{
    return loadSniffed<QPixmap>(path, "CImageCompressorUtil::getRealPixmap");
}

std::unique_ptr<QImage> CImageCompressorUtil::getRealImage(const QString &path)
{
    return loadSniffed<QImage>(path, "CImageCompressorUtil::getRealImage");
}
