// Weak, empty view set-up so that the library links before the class page
// lands; the real definitions in TQLiveBroadCastActivityView.cpp take their
// place at link time. This file goes when they are in.
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"

__attribute__((weak)) void TQLiveBroadCastActivity::initView()
{
}

__attribute__((weak)) void TQLiveBroadCastActivity::findQmlItems()
{
}

__attribute__((weak)) void TQLiveBroadCastActivity::onDrawBoardSizeSetup()
{
}

__attribute__((weak)) void TQLiveBroadCastActivity::adjustDrawLayout()
{
}

__attribute__((weak)) void TQLiveBroadCastActivity::handleDrawLayoutTopOffset(int y)
{
    Q_UNUSED(y)
}
