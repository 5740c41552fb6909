#pragma once

#include "platform/http/Failure.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

class CommonService;
class CourseService;
class UserService;
class httpRequest;
struct UpgradeInfo;

// Fetches the application's remote configuration (made current and stored,
// its upgrade block handed to the main window) and the teacher's live
// configuration (installed as the live configuration singleton). Each
// success signal carries the reply's "returnResult"; each failure signal
// the failure unchanged. GUI thread.
class RemoteConfigViewModel : public QObject
{
    Q_OBJECT

public:
    // None of the services is owned.
    RemoteConfigViewModel(CommonService *commonService, UserService *userService, CourseService *courseService);

    void getRemoteConfig();
    void getLiveConfig();
    void updateLiveConfig(int cameraOn, const QString &liveProfileURL, int profileFilter);
    void getUserAccount();

signals:
    void failure_signal(Failure &f);
    void updateLiveConfigSuccess_signal(QJsonObject &returnResult);
    void updateLiveConfigFailure_signal(Failure &f);
    void getRemoteConfigSuccess_signal(QJsonObject &returnResult);
    void getLiveConfigSuccess_signal(QJsonObject &returnResult);
    void getLiveConfigFailure_signal(Failure &f);
    void getCategoriesDataSuccess_signal(QJsonObject &returnResult);
    void getCategoriesDataFailure_signal(Failure &f);
    // Stays valid until the process ends.
    void upgradeInfoComming_signal(UpgradeInfo *upgradeInfo);
    void getUserAccountSuccess_signal(QJsonObject &returnResult);

public slots:
    void failure_slot(Failure &f);
    void getRemoteConfigSuccess_slot(QJsonObject &response);
    void getLiveConfigSuccess_slot(QJsonObject &response);
    void getLiveConfigFailure_slot(Failure &f);
    void updateLiveConfigSuccess_slot(QJsonObject &response);
    void updateLiveConfigFailure_slot(Failure &f);
    void getUserAccountSuccess_slot(QJsonObject &response);
    void getCategoriesDataSuccess_slot(QJsonObject &response);
    void getCategoriesDataFailure_slot(Failure &f);

private:
    template <typename SuccessSlot, typename FailureSlot>
    void execute(httpRequest *request, SuccessSlot onSuccess, FailureSlot onFailure);

    CommonService *m_pCommonService; // not owned
    UserService *m_pUserService;     // not owned
    CourseService *m_pCourseService; // not owned
};
