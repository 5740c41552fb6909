#pragma once

#include "modules/live/draws/TQStudentWritingBuffer.h"

#include <QBasicTimer>
#include <QObject>

#include <memory>
#include <vector>

class TQAction;
class TQDrawManager;

// Puts the drawing actions of the students who hold the writing right back
// in the order their programs drew them, drops duplicates, gives up on a
// missing action after two seconds, and queues the rest on the draw manager
// marked for re-sending to the class. GUI thread only.
class TQStudentWritingManager : public QObject
{
    Q_OBJECT

public:
    // How long a gap in a student's drawing indexes is waited for.
    static constexpr qint64 kGapWaitMs = 2000;
    static constexpr int kPointerHideMs = 300;
    static constexpr int kLossesForToast = 10;
    static constexpr qint64 kToastIntervalMs = 5000;

    explicit TQStudentWritingManager(QObject *parent = nullptr);
    ~TQStudentWritingManager() override;

    void setDrawManager(TQDrawManager *drawManager);
    void setStudentWritingEnabled(bool enable, int userId);
    // userId <= 0 resets every buffer.
    void resetStudentWritingBuffer(int userId);
    // Takes ownership of `action`.
    void addStudentWriting(TQAction *action, int userId);
    void sendStudentDrawingActions(int userId);
    void sendAllStudentDrawingActions();
    // The teacher's program never resets a buffer for an action.
    bool isWritingBufferNeedReset(const TQAction *action, int userId) const;

    // Null when the student has no buffer.
    const TQStudentWritingBuffer *buffer(int userId) const;

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    TQStudentWritingBuffer *findBuffer(int userId);
    // Marks an accepted action as the teacher's program re-sends it.
    void markReceived(TQDrawingAction *action, int userId) const;
    // Draws a released action that arrived in time.
    void apply(TQDrawingAction *action);
    void toastLosses(TQStudentWritingBuffer &buffer, qint64 now) const;

    TQDrawManager *drawManager = nullptr;
    std::vector<TQStudentWritingBuffer> buffers;
    std::unique_ptr<QBasicTimer> pointerTimer;
};
