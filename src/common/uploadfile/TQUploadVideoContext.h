#pragma once

#include <QString>

// What travels with one class video upload as its request's context: the
// identity of the recording, handed back with the result. Made for each
// upload and deleted by the slot that receives the answer.
struct TQUploadVideoContext
{
    QString filePath;
    qint32 courseID = 0;
    qint32 courseScheduleID = 0;
    qlonglong sketchNum = 0;
};
