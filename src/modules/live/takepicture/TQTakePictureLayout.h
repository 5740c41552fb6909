#pragma once

#include <QObject>
#include <QString>

// The class window's photo layout: waits for one user's photo, learns its
// address, asks for its download and shows it once the file is there. The
// window owns it. GUI thread only.
class TQTakePictureLayout : public QObject
{
    Q_OBJECT

public:
    explicit TQTakePictureLayout(QObject *parent = nullptr);

    // Starts waiting for the photo of `userId`; an earlier wait is forgotten.
    virtual void startTakePicture(const QString &userId, int sequenceNumber, const QString &name);
    // Keeps `url` as the awaited user's photo address and asks for its
    // download; a photo of anybody else is ignored.
    virtual void pictureUrlReceived(const QString &userId, const QString &url, const QString &name);
    // Shows the photo when `url` is the awaited one.
    virtual void binaryDownloaded(const QString &url);

    QString awaitedUserId() const { return mUserId; }
    int sequenceNumber() const { return mSequenceNumber; }
    QString userName() const { return mName; }
    QString pictureUrl() const { return mUrl; }
    QString shownUrl() const { return mShownUrl; }

signals:
    void downloadRequested(const QString &url);
    void pictureShown(const QString &url, const QString &name);

private:
    QString mUserId;
    int mSequenceNumber = 0;
    QString mName;
    QString mUrl;
    QString mShownUrl;
};
