#include "modules/live/userlist/TQClassRotateSettingDialog.h"

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/userlist/TQUserListManager.h"
#include "utils/CLog.h"

TQClassRotateSettingDialog::TQClassRotateSettingDialog(TQBroadCastMethodService *methodService,
                                                       TQLiveBroadCastContext *context,
                                                       TQUserListInterface *userListInterface)
    : TQLiveClassAccess(methodService, context)
    , mUserListInterface(userListInterface)
{
}

TQClassRotateSettingDialog::~TQClassRotateSettingDialog()
{
    CLog::printf("TQClassRotateSettingDialog::~TQClassRotateSettingDialog");
}

void TQClassRotateSettingDialog::show()
{
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course)
        return;
    emit initRotateInfo(course->mStageCapacity, course->mRotationSeconds);
}

void TQClassRotateSettingDialog::ok(int numberOfStudents, int numberOfSeconds)
{
    CLog::log(QStringLiteral("rotate setting ok students %1, seconds %2").arg(numberOfStudents).arg(numberOfSeconds),
              QStringLiteral("TQClassRotateSettingDialog::ok "));
    if (CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse) {
        course->mRotationWasOn = numberOfSeconds != 0;
        course->mRotationSeconds = numberOfSeconds;
        course->mStageCapacity = numberOfStudents;
        if (mUserListInterface)
            mUserListInterface->fitVideoRoomToCapacity();
    }
    TQLiveBroadCastActivity *activity = methodService() ? methodService()->getActivity() : nullptr;
    if (TQUserListManager *manager = activity ? activity->userListManager() : nullptr)
        emit manager->updateRotateSettingData_signal(numberOfStudents, numberOfSeconds);
}

void TQClassRotateSettingDialog::cancel()
{
}
