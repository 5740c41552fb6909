#include "modules/live/menu/TQTopMenuObject.h"

#include "base/dialog/CDialogManager.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/menu/TQBrushSetting.h"
#include "modules/live/popover/TQPopoverInterface.h"
#include "modules/live/popover/TQPopoverResponseData.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"

#include <QFileDialog>

namespace {

const char kBigClassRefusal[] = "当前大班课不支持答题互动";

void logClicked(const char *operation)
{
    CLog::log(QStringLiteral("clicked"), QLatin1String(operation) + QLatin1Char(' '));
}

} // namespace

TQTopMenuObject::TQTopMenuObject(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

int TQTopMenuObject::pointerStyleFor(int item)
{
    switch (item) {
    case 1:
        return 114;
    case 3:
        return 113;
    case 4:
        return 115;
    default:
        return 112;
    }
}

int TQTopMenuObject::eraserSizeFor(int item)
{
    switch (item) {
    case 2:
        return 1;
    case 3:
        return 0;
    default:
        return 2;
    }
}

void TQTopMenuObject::setFrozen(bool frozen)
{
    mFrozen = frozen ? 1 : 0;
    emit isForzenTopMenu(frozen);
}

void TQTopMenuObject::setFreeTalkEnable(bool enable)
{
    emit isFreeTalkEnable_signal(enable);
}

TQLiveBroadCastActivity *TQTopMenuObject::activity() const
{
    return methodService() ? methodService()->getActivity() : nullptr;
}

void TQTopMenuObject::postPopoverResponse(int responseCode, int popoverType, int userId)
{
    TQLiveBroadCastActivity *window = activity();
    TQPopoverInterface *popovers = window ? window->getPopoverInterface() : nullptr;
    if (!popovers)
        return;
    TQPopoverResponseData response;
    response.popoverType = popoverType;
    response.responseCode = responseCode;
    response.userId = userId;
    popovers->responseFromPopover(&response, popoverType);
}

bool TQTopMenuObject::refusedInBigClass()
{
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course || !course->isBigClass())
        return false;
    CDialogManager::toast(activity(), QString::fromUtf8(kBigClassRefusal), kToastMs);
    return true;
}

void TQTopMenuObject::randomSelectClicked()
{
    if (refusedInBigClass())
        return;
    logClicked("TQTopMenuObject::randomSelectClicked");
    postPopoverResponse(kRandomSelect, kPopoverType);
}

void TQTopMenuObject::choiceQuestionClicked()
{
    if (refusedInBigClass())
        return;
    logClicked("TQTopMenuObject::choiceQuestionClicked");
    postPopoverResponse(kChoiceQuestion, kPopoverType);
}

void TQTopMenuObject::pictureTheAnswerClicked()
{
    if (refusedInBigClass())
        return;
    logClicked("TQTopMenuObject::pictureTheAnswerClicked");
    postPopoverResponse(kPictureTheAnswer, kPopoverType);
}

void TQTopMenuObject::multiChoiceQuestionClicked()
{
    if (refusedInBigClass())
        return;
    logClicked("TQTopMenuObject::multiChoiceQuestionClicked");
    postPopoverResponse(kMultiChoiceQuestion, kPopoverType);
}

void TQTopMenuObject::countDownClicked()
{
    if (refusedInBigClass())
        return;
    logClicked("TQTopMenuObject::countDownClicked");
    postPopoverResponse(kCountDown, kPopoverType);
}

void TQTopMenuObject::teachingShapeClicked()
{
    logClicked("TQTopMenuObject::teachingShapeClicked");
}

void TQTopMenuObject::screenShotClicked()
{
    logClicked("TQTopMenuObject::screenShotClicked");
}

void TQTopMenuObject::forwardClicked()
{
    logClicked("TQTopMenuObject::forwardClicked");
    TQLiveBroadCastActivity *window = activity();
    if (TQDrawManager *manager = window ? window->drawManager() : nullptr)
        manager->redo();
    emit isEnableClearButton_signal(true);
}

void TQTopMenuObject::backClicked()
{
    logClicked("TQTopMenuObject::backClicked");
    TQLiveBroadCastActivity *window = activity();
    if (TQDrawManager *manager = window ? window->drawManager() : nullptr)
        manager->undo();
    emit isEnableClearButton_signal(true);
}

void TQTopMenuObject::barrierClicked()
{
    logClicked("TQTopMenuObject::barrierClicked");
    postPopoverResponse(kBarrier, kPopoverType);
}

void TQTopMenuObject::copyCurrentPageClicked()
{
    logClicked("TQTopMenuObject::copyCurrentPageClicked");
}

void TQTopMenuObject::openFileDialog()
{
    logClicked("TQTopMenuObject::openFileDialog");
    const QString path = QFileDialog::getOpenFileName(nullptr, QString(), QString(), QString());
    CLog::log(QStringLiteral("get file names %1").arg(path), QStringLiteral("TQTopMenuObject::openFileDialog "));
    // The chooser runs its own event loop: the class may have closed meanwhile.
    if (TQLiveBroadCastActivity *window = activity())
        window->pasteImageFile(path);
}

void TQTopMenuObject::cursorIconClicked(int i)
{
    CLog::log(QStringLiteral("cursor clicked %1").arg(i), QStringLiteral("TQTopMenuObject::cursorIconClicked "));
    TQLiveBroadCastActivity *window = activity();
    if (!window)
        return;
    window->setCursorMode(0);
    if (TQDrawManager *manager = window->drawManager()) {
        TQBrushStyle brush = manager->brush();
        brush.type = 7;
        brush.colour = pointerStyleFor(i);
        manager->setBrush(brush);
    }
}

void TQTopMenuObject::penIconClicked(int i)
{
    CLog::log(QStringLiteral("clicked iPen=%1").arg(i), QStringLiteral("TQTopMenuObject::penIconClicked "));
    TQLiveBroadCastActivity *window = activity();
    if (TQDrawManager *manager = window ? window->drawManager() : nullptr)
        manager->setBrush(TQBrushStyle(TQBrushSetting::toPenType(i), kBrushColorDefault, 3, 0));
}

void TQTopMenuObject::morePenClicked()
{
    logClicked("TQTopMenuObject::morePenClicked");
}

void TQTopMenuObject::eraseIconClicked()
{
    logClicked("TQTopMenuObject::eraseIconClicked");
    setEraserSize(1);
}

void TQTopMenuObject::eraseMenuClicked(int i)
{
    setEraserSize(eraserSizeFor(i));
}

void TQTopMenuObject::setEraserSize(int size)
{
    Q_UNUSED(size)
}

void TQTopMenuObject::cleanCurrentPageClicked()
{
    logClicked("TQTopMenuObject::cleanCurrentPageClicked");
}

void TQTopMenuObject::freeTalkSwitchButtonClicked(bool openTag)
{
    postPopoverResponse(openTag ? kFreeTalkOff : kFreeTalkOn, kPopoverType);
}

void TQTopMenuObject::exitClassButtonClicked()
{
    logClicked("TQTopMenuObject::exitClassButtonClicked");
    // The window's close handling asks before the class ends.
    if (TQLiveBroadCastActivity *window = activity())
        window->close();
}

void TQTopMenuObject::fullScreenVideoButtonClicked()
{
    logClicked("TQTopMenuObject::fullScreenVideoButtonClicked");
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course)
        return;
    if (course->isSpeedMode()) {
        CDialogManager::showOneButtonDialog(nullptr, QString(), QStringLiteral("极速模式下，无法使用摄像头"),
                                            QStringLiteral("确定"), 5);
        return;
    }
    if (course->mTeacherViewMode != 1) {
        postPopoverResponse(kEnterCameraFullScreen, kPopoverType);
        return;
    }
    postPopoverResponse(kLeaveCameraFullScreen, kPopoverType);
    // The record may have been replaced while the response ran.
    course = TQDataModelBean::m_pOngoingCourse;
    if (course && course->mTeacherOnStage != 0)
        postPopoverResponse(kLeaveStage, kPopoverType, LoginManager::getUserID().toInt(nullptr, 10));
}

void TQTopMenuObject::launchShareScreen()
{
    logClicked("TQTopMenuObject::launchShareScreen");
}

void TQTopMenuObject::stopShareScreen()
{
}

void TQTopMenuObject::signInClick()
{
    postPopoverResponse(kSignIn, kPopoverType);
}

void TQTopMenuObject::typingIconClicked()
{
    CLog::log(QStringLiteral("typing clicked %1"), QStringLiteral("TQTopMenuObject::typingIconClicked "));
    if (TQLiveBroadCastActivity *window = activity())
        window->setCursorMode(1);
}

void TQTopMenuObject::competitiveAnswer()
{
    if (refusedInBigClass())
        return;
    postPopoverResponse(kCompetitiveAnswer, kPopoverType);
}
