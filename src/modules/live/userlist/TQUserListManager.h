#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QString>

#include <map>
#include <vector>

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/userlist/TQRemoteUser.h"
#include "modules/live/userlist/TQUserListInterface.h"
#include "modules/live/videoprocess/TQPreviewView.h"

class QBasicTimer;
class QByteArray;
class QTimerEvent;
struct TQAudioVolumeInfo;

// The student list of the class ("userListManager"): who is in the video
// room (the students whose video the list shows, in order of entry) and on
// the stage, which list tiles are scrolled out of sight, and what the QML
// list shows about each student. It does not decide who enters the video
// room; its callers do, against the course's room size. No parent; the
// window deletes it. GUI thread only.
class TQUserListManager : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    // Both the deferred-render timer's interval and how long a self-joined
    // student must have been in the video room before his video is attached.
    static constexpr int kRenderDelayMs = 1000;
    // A raised hand is shown (and ranks a student up) this long.
    static constexpr qint64 kHandRaiseMs = 10000;
    // Sort keys: a smaller key ranks first.
    static constexpr int kSortBase = 10000000;
    static constexpr int kSortInMedia = 1000000;
    static constexpr int kSortWriting = 100000;
    static constexpr int kSortOnStage = 10000;
    static constexpr int kSortHandRaised = 100;
    static constexpr int kSortRecentMessage = 10;

    TQUserListManager(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
    ~TQUserListManager() override;

    // The student list's adapter; not owned.
    void setUserListInterface(TQUserListInterface *userListInterface) { mUserListInterface = userListInterface; }
    TQUserListInterface *userListInterface() const { return mUserListInterface; }
    // The teacher's camera preview on the page; not owned.
    void setPreviewView(TQPreviewView *previewView) { mPreviewView = previewView; }
    TQPreviewView *previewView() const { return mPreviewView; }

    // Video room ----------------------------------------------------------------
    // Lists a student of the course (once) and asks the view for his tile.
    void addRemoteUser(TQRemoteUser user);
    void addRemoteAgoraUser(TQRemoteUser user);
    // Takes a student out of the video room and detaches his video; the stage
    // is left as it is.
    void removeRemoteUser(long userID);
    void removeRemoteAgoraUser(long userID);
    bool hasRemoteUser(int userID) const;
    int getRemoteUserCount() const;
    // The student to make room for a new one in a full video room: the one
    // who entered earliest of those off stage; -1 when none qualifies.
    int findOldVideoRoomUser() const;
    // The first listed student who is not online; -1 when none.
    int findOfflineVideoRoomUser() const;
    // The listed students who have been in the room at least `ms`, in list order.
    std::vector<int> usersInVideoRoomLongerThan(qint64 ms) const;

    // Stage ---------------------------------------------------------------------
    bool isStudentOnStage(qint64 userID) const;
    // The students and the teacher on the stage, in order of arrival.
    const std::vector<int> &onStageUserIDs() const { return mStageUsers; }
    // Set from the list's full-screen button; the service object clears it
    // when it ends the all-students full screen.
    bool isAllStudentsFullscreen() const { return mAllStudentsFullscreen; }
    void clearAllStudentsFullscreen() { mAllStudentsFullscreen = false; }
    void addOnStageStudent(TQRemoteUser user);
    // Every occurrence of the id leaves the stage list.
    void removeOnStageStudent(qint64 userID);
    // The service object's stage operations call back through these.
    void studentOffStage(long userID);
    void studentFullscreen(long userID);
    void studentExitFullscreen(long userID);
    void allStudentFullscreen(bool isFullscreen);
    void setTeacherOnStage(bool fullScreen);
    void setTeacherOffStage();

    // What the list shows ------------------------------------------------------
    // Sends every listed student's status flags; with `sort` also their
    // ranking and asks for the paused videos to be re-evaluated.
    void updateStudentVideoSession(bool sort);
    // Sends the students neither on stage nor in the video room.
    void updateListenArea();
    // Once a second from the window: pauses the videos scrolled out of sight
    // after scrolling stopped, and lets raised hands expire.
    void statusTick();
    // Not owned; null is ignored.
    void updateUserVolume(TQAudioVolumeInfo *volumeInfo);
    void showTeacherHeadImage();
    void showTeacherDefaultImage();
    // The registered list tile of a student (null when none).
    QQuickItem *getStudentView(qint64 userID);

    // QML -------------------------------------------------------------------------
    Q_INVOKABLE void setupRemoteVideo(long userID, QQuickItem *pVideoItem);
    Q_INVOKABLE void setScrollY(int y, int height);
    Q_INVOKABLE void setStudentView(qlonglong userID, QQuickItem *pQuickItem);
    Q_INVOKABLE void setStudentFullscreen(qlonglong userId);
    Q_INVOKABLE void setStudentExitFullscreen(qlonglong userId);
    Q_INVOKABLE void setStudentOffStage(qlonglong userId);
    Q_INVOKABLE void setAllStudentOffStage();
    Q_INVOKABLE void setAllStudentFullscreen(bool isFullscreen);

signals:
    void addRemoteAgoraUserVideoItem_signal(qlonglong userID, QString userName);
    void removeRemoteAgoraUserVideoItem_signal(qlonglong userID);
    void addUserInListenArea_signal(qlonglong userID, QString userName);
    void removeUserFromListenArea_signal(qlonglong userID);
    void updateListenAreaStudents_signal(QJsonObject jsonUsers);
    void updateNumberOfStudentsInBlackRoom_signal(int count);
    void updateNumberOfStudents_signal(int participantSize, int bystanderSize);
    void updateStudentViewStatus_signal(QJsonObject jsonStudentViewStatus);
    void sortStudentViews_signal(QJsonArray jsonSortIndexs);
    void updateRotateSettingData_signal(int userCount, int timeSec);
    void sendStudentOnStage_signal(long userID);
    void sendStudentOffStage_signal(long userID);
    void sendStudentFullscreen_signal(long userID);
    void sendStudentExitFullscreen_signal(long userID);
    void sendTeacherOnStage_signal(bool fullScreen);
    void sendTeacherOffStage_signal();
    void updateUserVolume_signal(QJsonObject jsonVolume);
    void sendAllStudentFullscreen_signal(bool isFullscreen);

public slots:
    // A student's snapshot from the binary transporter; takes the array.
    void receiveBinaryData(QString fromId, int useType, QByteArray *rawDataArray);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    // Tests read the lists and drive the deferred-render timer through it.
    friend class TQUserListManagerProbe;

    // Pauses the remote videos of tiles scrolled out of sight and resumes
    // the others.
    void refreshRemoteVideoPausing();
    void setRemoteRenderer(long userID, QQuickItem *item);

    std::vector<int> mVideoRoomUsers;
    std::vector<int> mStageUsers;
    // QML deletes tiles on its own schedule; a deleted tile reads as none.
    std::map<qint64, QPointer<QQuickItem>> mStudentViews;
    // Id -> video item still to be attached (null until QML created it).
    std::map<int, QPointer<QQuickItem>> mPendingRenders;
    bool mRefreshRequested = false;
    bool mScrollMoved = false;
    int mScrollY = 0;
    int mScrollHeight = 0;
    int mLastScrollY = 0;
    bool mAllStudentsFullscreen = false;
    QBasicTimer *mRenderTimer = nullptr; // owned
    int mRenderDelayMs = kRenderDelayMs;

    TQUserListInterface *mUserListInterface = nullptr;
    // The preview belongs to the page, which may go first.
    QPointer<TQPreviewView> mPreviewView;
};
