#include "common/remoteconfig/RemoteConfigViewModel.h"

#include "common/CommonService.h"
#include "common/remoteconfig/LiveConfig.h"
#include "common/remoteconfig/RemoteConfig.h"
#include "modules/coach/course/CourseService.h"
#include "modules/login/UserService.h"
#include "platform/http/ApiCall.h"
#include "platform/http/AppInfo.h"
#include "platform/http/httpRequest.h"

RemoteConfigViewModel::RemoteConfigViewModel(CommonService *commonService, UserService *userService,
                                             CourseService *courseService)
    : m_pCommonService(commonService), m_pUserService(userService), m_pCourseService(courseService)
{
}

template <typename SuccessSlot, typename FailureSlot>
void RemoteConfigViewModel::execute(httpRequest *request, SuccessSlot onSuccess, FailureSlot onFailure)
{
    connect(request, &httpRequest::onSuccess_signal, this, onSuccess);
    connect(request, &httpRequest::onFailure_signal, this, onFailure);
    request->exec();
}

void RemoteConfigViewModel::getRemoteConfig()
{
    execute(m_pCommonService->getAppRemoteConfig(AppInfo::getPlatformType()),
            &RemoteConfigViewModel::getRemoteConfigSuccess_slot, &RemoteConfigViewModel::failure_slot);
}

void RemoteConfigViewModel::getLiveConfig()
{
    execute(m_pCommonService->getLiveConfig(), &RemoteConfigViewModel::getLiveConfigSuccess_slot,
            &RemoteConfigViewModel::getLiveConfigFailure_slot);
}

void RemoteConfigViewModel::updateLiveConfig(int cameraOn, const QString &liveProfileURL, int profileFilter)
{
    execute(m_pCourseService->updateLiveConfig(cameraOn, liveProfileURL, profileFilter),
            &RemoteConfigViewModel::updateLiveConfigSuccess_slot, &RemoteConfigViewModel::updateLiveConfigFailure_slot);
}

void RemoteConfigViewModel::getUserAccount()
{
    execute(m_pUserService->getUserAccount(),
            &RemoteConfigViewModel::getUserAccountSuccess_slot, &RemoteConfigViewModel::failure_slot);
}

void RemoteConfigViewModel::failure_slot(Failure &f)
{
    emit failure_signal(f);
}

void RemoteConfigViewModel::getRemoteConfigSuccess_slot(QJsonObject &response)
{
    QJsonObject result = ApiCall::returnResult(response);
    RemoteConfig::setCurrent(RemoteConfig(result));
    emit upgradeInfoComming_signal(RemoteConfig::currentUpgradeInfo());
    emit getRemoteConfigSuccess_signal(result);
}

void RemoteConfigViewModel::getLiveConfigSuccess_slot(QJsonObject &response)
{
    QJsonObject result = ApiCall::returnResult(response);
    LiveConfig::updateFromServer(result);
    emit getLiveConfigSuccess_signal(result);
}

void RemoteConfigViewModel::getLiveConfigFailure_slot(Failure &f)
{
    emit getLiveConfigFailure_signal(f);
}

void RemoteConfigViewModel::updateLiveConfigSuccess_slot(QJsonObject &response)
{
    ApiCall::relayResult(this, &RemoteConfigViewModel::updateLiveConfigSuccess_signal, response);
}

void RemoteConfigViewModel::updateLiveConfigFailure_slot(Failure &f)
{
    emit updateLiveConfigFailure_signal(f);
}

void RemoteConfigViewModel::getUserAccountSuccess_slot(QJsonObject &response)
{
    ApiCall::relayResult(this, &RemoteConfigViewModel::getUserAccountSuccess_signal, response);
}

void RemoteConfigViewModel::getCategoriesDataSuccess_slot(QJsonObject &response)
{
    ApiCall::relayResult(this, &RemoteConfigViewModel::getCategoriesDataSuccess_signal, response);
}

void RemoteConfigViewModel::getCategoriesDataFailure_slot(Failure &f)
{
    emit getCategoriesDataFailure_signal(f);
}
