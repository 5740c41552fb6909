#pragma once

#include <QThread>

#include <atomic>

// A thread whose loop runs until its owner stops it. Subclasses supply the
// loop (run), poll exitRequested() in it, and stop the loop in their own
// destructor when it uses their members.
class TQDataThread : public QThread
{
    Q_OBJECT

public:
    explicit TQDataThread(QObject *parent = nullptr);
    // Stops a loop still running: Qt aborts on destroying a running thread.
    ~TQDataThread() override;

    // Starts the loop; always true.
    virtual bool StartThread();
    // Asks the loop to end and waits for it.
    virtual void StopThread();

protected:
    bool exitRequested() const { return mExit.load(); }

private:
    // Written by the owner, read by the loop.
    std::atomic<bool> mExit{false};
};
