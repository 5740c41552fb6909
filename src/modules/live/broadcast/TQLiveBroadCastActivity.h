#pragma once

#include <QWidget>

// The live-class window. This build has no classroom yet: the window shows an
// empty class page, deletes itself when closed and then says so with
// closed(); the main window hides while it is open.
class TQLiveBroadCastActivity : public QWidget
{
    Q_OBJECT

public:
    // Start types of a class.
    enum StartType { kLiveClass = 0, kRecordedLesson = 1, kRehearsal = 2, kRtmpBigClass = 3 };

    // Creates nothing visible until start().
    TQLiveBroadCastActivity(int courseID, int courseScheduleID);
    ~TQLiveBroadCastActivity() override;

    // Called once, right after construction.
    virtual void start(int type);

    int courseID() const { return m_courseID; }
    int courseScheduleID() const { return m_courseScheduleID; }
    int startType() const { return m_startType; }

signals:
    // The window has left the class and is about to be deleted.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    const int m_courseID;
    const int m_courseScheduleID;
    int m_startType = kLiveClass;
    bool m_closedSent = false;
};
