#pragma once

#include <QObject>

#include <set>
#include <unordered_map>
#include <vector>

class QBasicTimer;
class QTimerEvent;
class TQAction;
class TQDrawManager;
class TQLiveBroadCastActivity;
class TQLiveBroadCastContext;
class TQUserListManager;

// The class window's service object: every adapter and dialog of the class
// reaches the window through it, and it carries out the teacher's decisions
// about single students and about himself (stage, full screen, writing
// rights, device permissions, icon popovers, panel refreshes). Each decision
// updates the course's participant records and the student list and sends
// control actions through the real-time manager, which owns them from then
// on. It owns its timer and nothing else; the window and the context are the
// window's. GUI thread only.
class TQBroadCastMethodService : public QObject
{
    Q_OBJECT

public:
    // A student's writer entry goes this long after his right was revoked, so
    // that his last strokes still land.
    static constexpr int kWriterRemovalDelayMs = 1000;
    // A student who never answers the permission request is asked again no
    // sooner than this.
    static constexpr qint64 kPermissionRetryMs = 30000;
    // Permission requests handed to the control queue per call: the queue
    // sends one control action every half second, so a class of students who
    // never answer must not push stage and writing commands back by minutes.
    static constexpr int kPermissionRequestsPerCall = 2;

    TQBroadCastMethodService(TQLiveBroadCastActivity *activity, TQLiveBroadCastContext *context);
    ~TQBroadCastMethodService() override;

    TQLiveBroadCastActivity *getActivity() const { return mActivity; }
    TQLiveBroadCastContext *getContext() const { return mContext; }
    // The board's draw manager; null before the board was set up.
    TQDrawManager *getDrawManager() const;

    void startTeachingOrLearning();

    // Device permissions.
    void requestPermissionInfo(bool toEveryone);

    // Stage and full screen.
    void studentOffStage(int userId);
    void studentFullscreen(int userId);
    void exitStudentFullscreen(int userId);
    void allStudentFullscreen();
    void exitAllStudentFullscreen();
    void teacherOffStage();
    void allOffStage();

    // Writing rights.
    void assignWritingRight(int userId);
    void assignStudentWriting(int userId);
    void revokeStudentWriting(int reason, int userId);
    void revokeAllStudentWriting();
    // True when some student's right was suspended.
    bool suspendAllStudentWriting(int reason);
    void restoreStudentWriting();

    // Popovers.
    void commonStudentIconClicked(long userId);
    void showTeacherPopover(int x, int y);

    // Panels, after the participants changed.
    void refreshListenArea();
    void refreshBlackRoomPanel();
    void refreshBystanderPanel();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    // The window's student list; null before the window started.
    TQUserListManager *userList() const;
    // Hands a control action to the real-time manager, which owns it from now on.
    void send(TQAction *action);
    void setAllStudentFullscreen(bool fullscreen);
    // Students holding the writing right, in list order.
    std::vector<int> writerIds() const;

    TQLiveBroadCastActivity *const mActivity;
    TQLiveBroadCastContext *const mContext;
    QBasicTimer *const mTimer;
    // Every student revoked within the delay goes, not only the last one.
    std::set<int> mPendingWriterIds;
    // When each student was last asked for his device permissions.
    std::unordered_map<int, qint64> mPermissionAskedMs;
};
