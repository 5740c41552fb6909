#include "modules/live/bean/FileBean.h"

#include "actions/TQActionHelpers.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQPath.h"
#include "utils/CFileDownloader.h"
#include "utils/DeleteOnce.h"

#include <climits>

FileBean::FileBean() = default;

FileBean::FileBean(const QJsonObject &json)
    : QObject()
    , FileBriefBean(json)
{
}

FileBean::FileBean(const FileBean &other)
    : QObject()
    , FileBriefBean(other)
{
}

FileBean::~FileBean()
{
    QSet<const void *> done;
    deleteEachOnce(mOwnedPaths, done);
    deleteEachOnce(mOwnedBackgroundElements, done);
    deleteEachOnce(mOwnedForegroundElements, done);
}

void FileBean::resetDrawings(int tag)
{
    showNewBackground(tag > 0 ? tag : nextSequenceNumber(true), fileUrl);
}

void FileBean::initBlankPage()
{
    showNewBackground(nextSequenceNumber(true), std::string());
}

void FileBean::showNewBackground(int tag, const std::string &url)
{
    mPageState.topOffset = 0;
    mPageState.extraValue = 0;
    mReservoirBackgroundElements.clear();
    mReservoirForegroundElements.clear();
    mVisiblePaths.clear();
    // The page owns these records: dropping them deletes them.
    mPageState.records.clear();

    auto *element = new TQDrawingElement(tag);
    element->kind = TQDrawingElement::PageImage;
    element->x = 0;
    element->y = 0;
    element->width = boardWidth();
    element->height = boardHeight();
    if (attribute.width > 1) {
        // The image's aspect at board width; sizes come from the server, so
        // the product is taken in 64 bits and kept within the int range.
        const qint64 height = qint64(attribute.height) * boardWidth() / attribute.width;
        element->height = int(qBound<qint64>(0, height, INT_MAX));
    }
    element->url = QString::fromStdString(url);
    mReservoirBackgroundElements.append(element);
    mOwnedBackgroundElements.append(element);
}

std::string FileBean::getLocalFilePath()
{
    if (mLocalFilePath.empty())
        mLocalFilePath = CFileDownloader::getDownloadedFile(QString::fromStdString(fileUrl)).toStdString();
    return mLocalFilePath;
}
