#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/userlist/TQUserListInterface.h"

#include <QList>
#include <QString>

class CParticipantBean;
class CourseDetailBean;

// The class's answer to the student list ("userListInterface"): clicks on
// the teacher, a student, the black room and the bystanders open their
// popovers, the search finds a student, and a changed room size is applied
// to the video room. No parent; the window deletes it. GUI thread only.
class TQBroadCastUserListInterface : public TQUserListInterface, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQBroadCastUserListInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

    Q_INVOKABLE void teacherIconClicked(QQuickItem *pTeacherView, int posX, int posY) override;
    Q_INVOKABLE void studentIconClicked(QQuickItem *pStudentView, long studentID) override;
    Q_INVOKABLE void blackRoomIconClicked(QQuickItem *pView) override;
    Q_INVOKABLE void bystanderIconClicked(QQuickItem *pView) override;
    Q_INVOKABLE void userClickRotateSettingIcon() override;
    // Opens the popover of the participant whose phone number, or else whose
    // name, is the text; a toast when nobody is.
    Q_INVOKABLE void userClickSearchIcon(QString searchItem) override;
    void fitVideoRoomToCapacity() override;

    // The black-room students, or the notice that there are none.
    void showBlackRoomPopover();
    void showBystanderPopover();

    // The first participant, in list order, whose phone number or else whose
    // name equals text; null when none.
    static CParticipantBean *findParticipant(const CourseDetailBean &course, const QString &text);
    // The remark name, else the nick name (UTF-8).
    static QString remarkOrNickName(const CParticipantBean &participant);
    // The participants in the black room, online first, each part by id.
    static QList<CParticipantBean *> blackRoomStudents(const CourseDetailBean &course);
    // Offline first, each part by id.
    static void sortBystanders(QList<CParticipantBean *> &bystanders);
};
