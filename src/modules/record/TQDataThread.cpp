#include "modules/record/TQDataThread.h"

TQDataThread::TQDataThread(QObject *parent)
    : QThread(parent)
{
}

TQDataThread::~TQDataThread()
{
    TQDataThread::StopThread();
}

bool TQDataThread::StartThread()
{
    mExit = false;
    start(QThread::InheritPriority);
    return true;
}

void TQDataThread::StopThread()
{
    mExit = true;
    wait();
}
