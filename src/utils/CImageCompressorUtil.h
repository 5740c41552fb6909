#pragma once

#include <QString>

#include <memory>
#include <string>

class QImage;
class QPixmap;

// Re-encoding of pictures for upload and loading of pictures whose file name
// lies about their format. Stateless; everything runs on the calling thread
// (getRealPixmap needs the GUI thread, as every QPixmap does).
class CImageCompressorUtil
{
public:
    CImageCompressorUtil() = default;

    // Writes the picture at `path` (UTF-8) as a JPEG of quality 80 on white
    // into the temporary folder, brought to a side of at most 1024 pixels when
    // it is larger or its file is above 2 MiB, and returns the new path. When
    // the picture cannot be re-encoded the given path comes back unchanged.
    static std::string lowCompress(const std::string &path);

    // The picture at `path`, by its file name's format or else by its
    // content; null when it cannot be read. The caller owns the result.
    static std::unique_ptr<QPixmap> getRealPixmap(const QString &path);
    static std::unique_ptr<QImage> getRealImage(const QString &path);
};
