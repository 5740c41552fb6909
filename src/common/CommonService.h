#pragma once

#include <QString>

class httpRequest;

// Requests of the configuration and file endpoints: the remote and live
// configuration, the live picture, temporary files and recorded class
// videos. Each operation returns a new, unsent request; the caller connects
// to it and executes it, and it deletes itself after its reply. Stateless.
class CommonService
{
public:
    CommonService() = default;

    // "apptype" only, without the common parameters.
    httpRequest *getAppRemoteConfig(const QString &apptype);
    httpRequest *getLiveConfig();
    // Multipart: the picture as "live_profile".
    httpRequest *uploadLiveProfile(const QString &filePath);
    // Multipart: the file as "binaryFile"; "storeKey" only when longer than 2 characters.
    httpRequest *uploadTempFile(const QString &filePath, int convert, const QString &storeKey);
    // Multipart: the recording as "binary_file" with its course, schedule and sketch number.
    httpRequest *pushCourseScheduleBinaryRecord(const QString &filePath, int courseID, int courseScheduleID,
                                                qint64 sketchNum);
    httpRequest *getUploadedTempFile(const QString &storeKey);
};
