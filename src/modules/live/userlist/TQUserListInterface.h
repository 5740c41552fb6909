#pragma once

#include <QObject>

class QQuickItem;

// What the student list asks of the class. Its hooks do nothing unless an
// implementation overrides them; the view items handed in are only the
// clicked item and may be null.
class TQUserListInterface : public QObject
{
    Q_OBJECT

public:
    explicit TQUserListInterface(QObject *parent = nullptr);

    virtual void teacherIconClicked(QQuickItem *pTeacherView, int posX, int posY);
    virtual void studentIconClicked(QQuickItem *pStudentView, long studentID);
    virtual void blackRoomIconClicked(QQuickItem *pView);
    virtual void bystanderIconClicked(QQuickItem *pView);
    virtual void userClickRotateSettingIcon();
    virtual void userClickSearchIcon(QString searchItem);
    // Trims or fills the video room to the course's capacity.
    virtual void fitVideoRoomToCapacity();
};
