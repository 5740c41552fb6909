#include "modules/live/takepicture/TQTakePictureLayout.h"

TQTakePictureLayout::TQTakePictureLayout(QObject *parent)
    : QObject(parent)
{
}

void TQTakePictureLayout::startTakePicture(const QString &userId, int sequenceNumber, const QString &name)
{
    mUserId = userId;
    mSequenceNumber = sequenceNumber;
    mName = name;
    mUrl.clear();
    mShownUrl.clear();
}

void TQTakePictureLayout::pictureUrlReceived(const QString &userId, const QString &url, const QString &name)
{
    if (mUserId.isEmpty() || userId != mUserId || url.isEmpty())
        return;
    mUrl = url;
    if (!name.isEmpty())
        mName = name;
    emit downloadRequested(url);
}

void TQTakePictureLayout::binaryDownloaded(const QString &url)
{
    if (mUrl.isEmpty() || url != mUrl)
        return;
    mShownUrl = url;
    emit pictureShown(url, mName);
}
