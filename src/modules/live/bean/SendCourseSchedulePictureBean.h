#pragma once

#include <string>

// One homework or photo picture on its way to the service. It travels with
// its upload request as the request's context; the upload fills fileUrl
// from the reply. Texts are UTF-8.
struct SendCourseSchedulePictureBean
{
    int courseID = 0;
    int courseScheduleID = 0;
    int materialID = 0;
    int pageNum = 0;
    // The picture as the class window knows it, and the file that is sent
    // (the same path).
    std::string localFile;
    std::string filePath;
    // 0: no homework; not sent.
    int homeworkID = 0;
    // Empty: nobody in particular; not sent.
    std::string targetUserID;
    std::string fileUrl;
    // Whether the student is left without a notice to reload.
    bool silent = false;
};
