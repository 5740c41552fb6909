#pragma once

#include <QObject>

// The player of recorded lessons and of the live stream ("recordVideoPlayer").
// No parent; the window deletes it.
class TQRecordVideoPlayerLayout : public QObject
{
    Q_OBJECT

public:
    TQRecordVideoPlayerLayout();

    // The class's start type, told by the window once the course is known.
    void setState(int type) { mType = type; }
    int state() const { return mType; }

signals:
    // The page asks for the live stream's address again.
    void checkLiveStreamInfo();

private:
    int mType = 0;
};
