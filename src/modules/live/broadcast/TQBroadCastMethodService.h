#pragma once

#include <QObject>

class QBasicTimer;
class TQLiveBroadCastActivity;
class TQLiveBroadCastContext;

// The class window's service object: every adapter and dialog of the class
// reaches the window through it. It owns its timer and nothing else; the
// window and the context are the window's.
class TQBroadCastMethodService : public QObject
{
    Q_OBJECT

public:
    TQBroadCastMethodService(TQLiveBroadCastActivity *activity, TQLiveBroadCastContext *context);
    ~TQBroadCastMethodService() override;

    TQLiveBroadCastActivity *getActivity() const { return mActivity; }
    TQLiveBroadCastContext *getContext() const { return mContext; }

private:
    TQLiveBroadCastActivity *const mActivity;
    TQLiveBroadCastContext *const mContext;
    QBasicTimer *const mTimer;
};
