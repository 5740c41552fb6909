#include "actions/TQActionsFromNet.h"

#include "actions/TQAction.h"
#include "actions/message/TQPublicMessageAction.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"

#include <utility>

TQActionsFromNet::~TQActionsFromNet()
{
    for (TQAction *action : mActionArray) {
        // Nobody took the record, so nobody keeps its messages.
        if (auto *publicMessages = dynamic_cast<TQPublicMessageAction *>(action))
            publicMessages->deleteMessages();
        delete action;
    }
    delete partition;
}

std::vector<TQAction *> TQActionsFromNet::takeActions()
{
    return std::exchange(mActionArray, {});
}

TQBinaryPartition *TQActionsFromNet::takePartition()
{
    return std::exchange(partition, nullptr);
}
