#pragma once

#include <QObject>
#include <QString>

// Fetches files by address into the resource cache of the data folder.
class CFileDownloader : public QObject
{
    Q_OBJECT

public:
    // A path for a new temporary file in the data folder's "/tmp": the name
    // in decimal (the current milliseconds when it is 0) followed by the
    // suffix, which gets a leading "." when it has none. The file is not
    // created.
    static QString getTempFilePath(const QString &suffix, qint64 name);

    // The cache file of an address when it is there, else "". Never starts a
    // download.
    static QString getDownloadedFile(const QString &url);
};
