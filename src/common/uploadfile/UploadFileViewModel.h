#pragma once

#include "platform/http/Failure.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

class CommonService;
class CourseService;
class httpRequest;

// Sends local files to the service: pictures for the board, the live
// picture and class moments, and the packed client logs. Every upload is
// one self-deleting multipart request that ends in one result signal.
// Lives on the GUI thread; only pushCourseLog runs on the background worker.
class UploadFileViewModel : public QObject
{
    Q_OBJECT

public:
    // Neither service is owned.
    UploadFileViewModel(CommonService *commonService, CourseService *courseService);

    // `kind` is not sent. With `compress` a re-encoded JPEG copy is sent
    // instead of the file; "storeKey" only when longer than 2 characters.
    void uploadImageFile(const QString &filePath, int kind, bool compress, const QString &storeKey);
    // Always sends a re-encoded copy.
    void uploadLiveImageFile(const QString &filePath);
    // Sends the file unchanged, to be converted by the service.
    void uploadMomentImageFile(const QString &filePath);
    void getUploadedTempFile(const QString &storeKey);

    // Packs the logs and dumps and sends every pack, also those whose upload
    // failed before; a pack is deleted only after its upload succeeded.
    // Runs on the calling thread (the background worker) and returns the
    // requests it sent: they answer and delete themselves through that
    // thread's event loop, so they stay valid until it runs.
    QList<httpRequest *> pushCourseLog();

    // Packs in the temporary folder that still wait for their upload.
    static QStringList waitingLogPacks();

signals:
    void failure_signal(Failure &f);
    void uploadFileFailure_signal(Failure &f);
    void uploadLiveProfileFailure_signal(Failure &f);
    void uploadFileSuccess_signal(QJsonObject &json);
    void uploadLecturerImageFileSuccess_signal(QJsonObject &f);
    void uploadLiveImageFileSuccess(QJsonObject &json);
    void pushCourseLogSuccess(QJsonObject &responseDataForPushCourseLog);
    void getUploadedTempFileSuccess_signal(QString tempFileUrl);
    void uploadMomentImageFileSuccess(QString fileUrl);

public slots:
    void failure_slot(Failure &f);
    void uploadFileFailure_slot(Failure &f);
    void uploadLiveProfileFailure_slot(Failure &f);
    void uploadImageFileSuccess_slot(QJsonObject &response);
    void uploadLiveImageFileSuccess_slot(QJsonObject &response);
    void getUploadedTempFileSuccess_slot(QJsonObject &response);
    void getUploadedMomentFileSuccess_slot(QJsonObject &response);
    void pushCourseLogSuccess_slot(QJsonObject responseDataForPushCourseLog);

private:
    // Connects the request's two result signals and sends it; a re-encoded
    // copy (`tempCopy` not empty) is removed once the request is gone.
    template <typename SuccessSlot, typename FailureSlot>
    void execute(httpRequest *request, SuccessSlot onSuccess, FailureSlot onFailure,
                 const QString &tempCopy = QString());
    static QString compressedCopy(const QString &filePath);

    CommonService *m_pCommonService; // not owned
    CourseService *m_pCourseService; // not owned
};
