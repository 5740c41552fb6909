#pragma once

#include "platform/http/Failure.h"

#include <QJsonObject>
#include <QObject>

class UserService;

// The teacher's account at the service and lecturer profile, fetched for
// the main window. Unlike the other view models it passes on the whole
// reply (statusCode, errorMsg, returnResult).
class TeacherInfoViewModel : public QObject
{
    Q_OBJECT

public:
    // `service` is not owned and must outlive this object.
    explicit TeacherInfoViewModel(UserService *service);

    void getLectureInfo();
    void getUserAccount();

signals:
    void failure_signal(Failure &f);
    void getLectureInfoSuccess_signal(QJsonObject &responseDataForLectureInfo);
    void getUserAccouintSuccess_signal(QJsonObject &responseDataForUserAccount);

public slots:
    void handleFailure_slot(Failure &f);
    void getLectureInfoSuccess_slot(QJsonObject &reply);
    void getUserAccountSuccess_slot(QJsonObject &reply);

private:
    UserService *m_userService;
};
