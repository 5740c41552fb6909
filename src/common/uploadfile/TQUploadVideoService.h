#pragma once

#include "platform/http/Failure.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

class CommonService;

// Uploads recorded class videos, any number at once, and hands each result
// back with the identity of its recording (file, course, schedule, sketch
// number), whichever upload answers first. GUI thread.
class TQUploadVideoService : public QObject
{
    Q_OBJECT

public:
    // The service is not owned.
    explicit TQUploadVideoService(CommonService *commonService);

    // The sketch number is the recording's start time in milliseconds.
    void uploadClassVideo(const QString &filePath, long courseID, long courseScheduleID, qlonglong sketchNum);

signals:
    void failure_signal(Failure &f);
    // The reply object as received, not its "returnResult".
    void uploadClassVideoSuccess_signal(QJsonObject &responseForUploadClassVideo, QString filePath, long courseID,
                                        long courseScheduleID, qlonglong sketchNum);
    void uploadClassVideoFailed_signal(Failure &f, QString filePath, long courseID, long courseScheduleID,
                                       qlonglong sketchNum);

public slots:
    void uploadClassVideoSuccess_slot(QJsonObject &responseForUploadClassVideo, void *pContext);
    void uploadClassVideoFailur_slot(Failure &f, void *pContext);
    void handleFailure_slot(Failure &f);

private:
    CommonService *m_pCommonService; // not owned
};
