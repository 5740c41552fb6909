#include "modules/live/userlist/TQUserListInterface.h"

TQUserListInterface::TQUserListInterface(QObject *parent)
    : QObject(parent)
{
}
