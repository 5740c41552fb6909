#pragma once

#include <QObject>

// The player of the class's audio materials ("liveAudioPlayerLayout"). One per
// class; no parent; the window deletes it, and the class context only points
// to it.
class TQLiveAudioPlayerLayout : public QObject
{
    Q_OBJECT

public:
    TQLiveAudioPlayerLayout();
};
