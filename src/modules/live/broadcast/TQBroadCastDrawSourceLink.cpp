#include "modules/live/broadcast/TQBroadCastDrawSourceLink.h"

#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/menu/TQTopMenuObject.h"
#include "utils/CLog.h"

TQBroadCastDrawSourceLink::TQBroadCastDrawSourceLink(TQLiveBroadCastActivity *window,
                                                     TQBroadCastMethodService *service)
    : mWindow(window)
    , mService(service)
{
}

bool TQBroadCastDrawSourceLink::suspendAllStudentWriting(int reason)
{
    return mService && mService->suspendAllStudentWriting(reason);
}

void TQBroadCastDrawSourceLink::restoreStudentWriting()
{
    if (mService)
        mService->restoreStudentWriting();
}

TQBroadCastDrawDataSourceInterface::Activity *TQBroadCastDrawSourceLink::getActivity()
{
    return mWindow ? this : nullptr;
}

TQBroadCastDrawDataSourceInterface::DrawManager *TQBroadCastDrawSourceLink::getDrawManager()
{
    // Without a board there is no turn to shade or commit.
    return mWindow && mWindow->drawManager() ? this : nullptr;
}

QWidget *TQBroadCastDrawSourceLink::widget()
{
    return mWindow;
}

TQBroadCastDrawDataSourceInterface::DrawLayout *TQBroadCastDrawSourceLink::getDrawLayout()
{
    return mWindow ? mWindow->getDrawLayout() : nullptr;
}

TQTakePictureLayout *TQBroadCastDrawSourceLink::takePictureLayout()
{
    return mWindow ? mWindow->getTakePictureLayout() : nullptr;
}

void TQBroadCastDrawSourceLink::uploadImageFile(const QString &path, int kind, int value)
{
    // The class has no upload of board pictures yet; say so rather than
    // let the picture look sent.
    CLog::error(QStringLiteral("board picture %1 (kind %2, %3) not uploaded: not available in class")
                    .arg(path)
                    .arg(kind)
                    .arg(value),
                QStringLiteral("TQBroadCastDrawSourceLink::uploadImageFile "));
}

void TQBroadCastDrawSourceLink::enableBackForwardButton(bool canUndo, bool canRedo)
{
    if (TQTopMenuObject *menu = mWindow ? mWindow->getTopMenuObject() : nullptr)
        emit menu->isEnableBackForwardButton_signal(canUndo, canRedo);
}

void TQBroadCastDrawSourceLink::updateTopOffset(int)
{
    // The board reports its offset on every redraw, a stale one included
    // while a scroll is under way; the window tells the scroll bar itself
    // after each scroll it makes, so these reports are not passed on.
}

void TQBroadCastDrawSourceLink::handleDrawLayoutTurnPage(int a, int b)
{
    if (mWindow)
        mWindow->handleDrawLayoutTurnPage(a, b);
}

void TQBroadCastDrawSourceLink::showWaitingShade(bool show, int tag, const std::string &text, int milliseconds)
{
    if (TQDrawManager *manager = mWindow ? mWindow->drawManager() : nullptr)
        manager->showWaitingShade(show, tag, text, milliseconds);
}

void TQBroadCastDrawSourceLink::startTurnPageTimer()
{
    if (TQDrawManager *manager = mWindow ? mWindow->drawManager() : nullptr)
        manager->startTurnPageTimer();
}

void TQBroadCastDrawSourceLink::commitPendingTurnPage()
{
    if (TQDrawManager *manager = mWindow ? mWindow->drawManager() : nullptr)
        manager->commitPendingTurnPage();
}
