#include "actions/TQActionsFromNet.h"

#include "actions/TQAction.h"

#include <utility>

TQActionsFromNet::~TQActionsFromNet()
{
    for (TQAction *action : mActionArray)
        delete action;
}

std::vector<TQAction *> TQActionsFromNet::takeActions()
{
    return std::exchange(mActionArray, {});
}
