#pragma once

#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"

class TQBinaryDownloadManager;
class TQBinaryTransporterManager;
class TQBroadCastBinaryTransporterInterface;
class TQBroadcastViewModel;
class TQCameraPlayer;
class TQLiveAudioPlayerLayout;
class TQLivePopoverManager;
class TQMultiChoiceQuestionLayout;
class TQOnsiteHomeworkLayout;
class TQRandomSelectLayout;
class TQRealTimeManager;
class TQStudentWritingManager;
class TQTakePictureLayout;

// What one class shares between the window and its adapters: the managers
// of the class (owned here), the interactions that run right now, and the
// class's ids and connection flags. The window owns the context from
// createLiveObjects until quit; adapters keep a plain pointer and never own
// it. GUI thread only.
class TQLiveBroadCastContext
{
public:
    // Creates the managers and registers the transporter's adapter.
    TQLiveBroadCastContext();
    // Deletes the managers; the real-time manager goes later, from the event
    // loop, after its delegate was cleared, because its own callbacks may be
    // on the stack.
    ~TQLiveBroadCastContext();
    TQLiveBroadCastContext(const TQLiveBroadCastContext &) = delete;
    TQLiveBroadCastContext &operator=(const TQLiveBroadCastContext &) = delete;

    // The managers as the board's data source reaches them.
    TQBroadCastDrawDataSourceInterface::Context *drawSourceContext() { return &mDrawSourceContext; }

    TQBinaryDownloadManager *m_pDownloadManager = nullptr;            // owned
    TQRealTimeManager *m_pRealTimeManager = nullptr;                  // owned
    TQStudentWritingManager *m_pStudentWritingManager = nullptr;      // owned
    TQLivePopoverManager *m_pPopoverManager = nullptr;                // owned
    TQBinaryTransporterManager *m_pBinaryTransporter = nullptr;       // owned
    TQBroadCastBinaryTransporterInterface *m_pTransporterInterface = nullptr; // owned

    TQOnsiteHomeworkLayout *m_pRunningOnsiteHomework = nullptr;       // not owned
    TQTakePictureLayout *m_pRunningTakePicture = nullptr;             // not owned
    TQCameraPlayer *m_pCameraPlayer = nullptr;                        // owned
    TQMultiChoiceQuestionLayout *m_pRunningMultiChoice = nullptr;     // not owned
    TQRandomSelectLayout *m_pRunningRandomSelect = nullptr;           // not owned

    int courseScheduleID = 0;
    int courseID = 0;

    bool mediaConnected = false;
    bool dataConnected = false;

    TQBroadcastViewModel *m_pViewModel = nullptr;                     // not owned

    bool teachingStarted = false;
    bool participantsChanged = true;

    TQLiveAudioPlayerLayout *m_pLiveAudioPlayer = nullptr;            // not owned

private:
    TQBroadCastDrawDataSourceInterface::Context mDrawSourceContext;
};
