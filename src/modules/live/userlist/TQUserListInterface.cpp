#include "modules/live/userlist/TQUserListInterface.h"

TQUserListInterface::TQUserListInterface(QObject *parent)
    : QObject(parent)
{
}

void TQUserListInterface::teacherIconClicked(QQuickItem *, int, int) {}
void TQUserListInterface::studentIconClicked(QQuickItem *, long) {}
void TQUserListInterface::blackRoomIconClicked(QQuickItem *) {}
void TQUserListInterface::bystanderIconClicked(QQuickItem *) {}
void TQUserListInterface::userClickRotateSettingIcon() {}
void TQUserListInterface::userClickSearchIcon(QString) {}
void TQUserListInterface::fitVideoRoomToCapacity() {}
