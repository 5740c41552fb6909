#pragma once

#include <QImage>
#include <QObject>

#include "modules/live/videoprocess/camera/TQCameraByteDataListener.h"

class TQBinaryTransporterManager;
class TQRealTimeManager;

// The teacher's camera in class: sends its frames to the class as video, or
// as pictures over the message channel in image mode. The class context owns
// it; the transporter and the real-time manager are the context's.
class TQCameraPlayer : public QObject, public TQCameraByteDataListener
{
    Q_OBJECT

public:
    TQCameraPlayer(TQBinaryTransporterManager *binaryTransporter, bool imageMode);

    // Set by the creator right after construction.
    void setRealTimeManager(TQRealTimeManager *realTimeManager) { m_pRealTimeManager = realTimeManager; }
    TQRealTimeManager *realTimeManager() const { return m_pRealTimeManager; }

    bool isPreviewing() const { return mPreviewing; }
    bool isImageMode() const { return mImageMode; }
    TQBinaryTransporterManager *binaryTransporter() const { return m_pBinaryTransporter; }

signals:
    // One picture for the page's preview.
    void requestRenderFrame(QImage image);

private:
    TQRealTimeManager *m_pRealTimeManager = nullptr;
    bool mPreviewing = false;
    const bool mImageMode;
    TQBinaryTransporterManager *const m_pBinaryTransporter;
};
