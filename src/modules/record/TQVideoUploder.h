#pragma once

#include "platform/http/Failure.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <memory>

class CommonService;
class TQUploadVideoService;

// Uploads finished class recordings from the data folder's "/record", one at
// a time, oldest start time first. Whatever the upload's outcome the file
// moves to "/record_cache" (deleted 30 days after it was recorded); files
// whose name values are unusable or that are too small go to "/record_temp"
// and are not uploaded. The folders and the start times in the file names
// are the whole state, apart from the file in flight. GUI thread only.
class TQVideoUploder : public QObject
{
    Q_OBJECT

public:
    // The process-wide uploader, created on the first call.
    static TQVideoUploder *instance();

    // Uploads the waiting recording with the smallest start time above
    // `after` (milliseconds; -1 for every file); with none waiting, clears
    // the expired cache instead.
    void checkUploadVideo(qint64 after);
    bool isVideoValid(const QString &path);
    void checkClearCache();

    // Frees the upload service and its request group, dropping the result of
    // an upload in flight. The next upload creates them again.
    void release();

public slots:
    void onVideoUploadSuccess(QJsonObject &result, QString filePath, long courseID, long courseScheduleID,
                              qlonglong sketchNum);
    void onVideoUploadFailed(Failure &f, QString filePath, long courseID, long courseScheduleID, qlonglong sketchNum);

private:
    TQVideoUploder();
    ~TQVideoUploder() override;

    void createService();
    void finishUpload(const QString &filePath, long courseID, long courseScheduleID, qlonglong sketchNum);

    // Declared before the service, which keeps a pointer to it.
    std::unique_ptr<CommonService> m_pCommonService;
    std::unique_ptr<TQUploadVideoService> m_pUploadVideoService;
    // The recording being uploaded, empty when none is: a scan meanwhile must
    // not send it a second time.
    QString m_inFlightPath;
};
