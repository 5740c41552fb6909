#pragma once

#include <QObject>
#include <QString>

#include "modules/live/broadcast/TQLiveClassAccess.h"

class MaterialDetailBean;
class QWidget;

// Plays the class's audio materials through the live audio player. No
// parent; the window deletes it. This build picks the file of an audio
// material; fetching it and offering to play it is not built yet.
class TQBroadCastLiveAudioPlayerViewInterface : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQBroadCastLiveAudioPlayerViewInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

    // Materials that are not audio, or have no file, are ignored.
    void playAudioMaterial(QWidget *parent, MaterialDetailBean *material);
    // The file of the last audio material asked for, and its title.
    QString audioUrl() const { return mAudioUrl; }
    QString audioTitle() const { return mAudioTitle; }

private:
    QString mAudioUrl;
    QString mAudioTitle;
};
