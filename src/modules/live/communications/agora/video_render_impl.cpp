#include "modules/live/communications/agora/video_render_impl.h"

#include "utils/CDataHelper.h"
#include "utils/GlobalConfig.h"
#include "utils/TimeUtils.h"

#include <opencv2/imgproc.hpp>

#include <cstring>
#include <vector>

VideoRenderImpl::VideoRenderImpl(const agora::media::ExternalVideoRenderContext &context)
    : TQVideoRenderSdk(context)
{
    openGlMode = CDataHelper::jsonValueToInt(GlobalConfig::value(QStringLiteral("video_widget_render_type"))) == 0;
}

int VideoRenderImpl::deliverFrame(const agora::media::VideoFrame &frame, int rotation, bool mirrored)
{
    if (openGlMode)
        return TQVideoRenderSdk::deliverFrame(frame, rotation, mirrored);

    if (frame.width <= 0 || frame.height <= 0)
        return 0;
    const qint64 now = currentTimeMillis();
    const qint64 since = now - lastImageMs;
    // A clock set back does not stop the pictures.
    if (since >= 0 && since < kImageIntervalMs)
        return 0;
    lastImageMs = now;

    std::lock_guard<std::mutex> lock(viewMutex);
    if (!view)
        return -1;
    const QImage image = convertToImage(frame);
    if (!image.isNull())
        view->deliverImage(image);
    return 0;
}

QImage VideoRenderImpl::convertToImage(const agora::media::VideoFrame &frame)
{
    const int width = frame.width & ~1;
    const int height = frame.height & ~1;
    if (width <= 0 || height <= 0 || !frame.yBuffer || !frame.uBuffer || !frame.vBuffer
        || frame.yStride < width || frame.uStride < width / 2 || frame.vStride < width / 2)
        return QImage();

    // One contiguous I420 buffer: the Y rows, then the U rows, then the V rows.
    std::vector<unsigned char> i420(size_t(width) * size_t(height) * 3 / 2);
    unsigned char *out = i420.data();
    for (int row = 0; row < height; ++row, out += width)
        std::memcpy(out, frame.yBuffer + qptrdiff(row) * frame.yStride, size_t(width));
    for (const auto &[plane, stride] : {std::pair{frame.uBuffer, frame.uStride}, std::pair{frame.vBuffer, frame.vStride}})
        for (int row = 0; row < height / 2; ++row, out += width / 2)
            std::memcpy(out, plane + qptrdiff(row) * stride, size_t(width / 2));

    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull())
        return QImage();
    const cv::Mat yuv(height * 3 / 2, width, CV_8UC1, i420.data());
    cv::Mat rgb(height, width, CV_8UC3, image.bits(), size_t(image.bytesPerLine()));
    // Converted straight into the picture's own rows.
    cv::cvtColor(yuv, rgb, cv::COLOR_YUV2RGB_I420);
    return image;
}
