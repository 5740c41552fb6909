#include "modules/login/TeacherInfoViewModel.h"

#include "modules/login/UserService.h"
#include "platform/http/ApiCall.h"

TeacherInfoViewModel::TeacherInfoViewModel(UserService *service) : m_userService(service) {}

void TeacherInfoViewModel::getLectureInfo()
{
    ApiCall::send(m_userService->getLecturerInfo(), this, &TeacherInfoViewModel::getLectureInfoSuccess_slot,
                  &TeacherInfoViewModel::handleFailure_slot);
}

void TeacherInfoViewModel::getUserAccount()
{
    ApiCall::send(m_userService->getUserAccount(), this, &TeacherInfoViewModel::getUserAccountSuccess_slot,
                  &TeacherInfoViewModel::handleFailure_slot);
}

void TeacherInfoViewModel::handleFailure_slot(Failure &f)
{
    emit failure_signal(f);
}

void TeacherInfoViewModel::getLectureInfoSuccess_slot(QJsonObject &reply)
{
    emit getLectureInfoSuccess_signal(reply);
}

void TeacherInfoViewModel::getUserAccountSuccess_slot(QJsonObject &reply)
{
    emit getUserAccouintSuccess_signal(reply);
}
