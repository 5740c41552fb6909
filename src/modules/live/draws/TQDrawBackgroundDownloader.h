#pragma once

#include <QObject>
#include <QString>

// What the background layer needs of a binary download manager: asking for
// a file again, and hearing when a download has finished. The layer owns one.
class TQDrawBackgroundDownloader : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~TQDrawBackgroundDownloader() override;

    // False when the file is not fetched again.
    virtual bool redownloadUrl(const QString &url) = 0;

signals:
    // The download of `fileUrl` has ended, well or not.
    void bdManager_handleBinaryDownloaded_signal(QString fileUrl);
};
