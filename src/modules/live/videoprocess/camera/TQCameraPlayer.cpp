#include "modules/live/videoprocess/camera/TQCameraPlayer.h"

TQCameraPlayer::TQCameraPlayer(TQBinaryTransporterManager *binaryTransporter, bool imageMode)
    : mImageMode(imageMode)
    , m_pBinaryTransporter(binaryTransporter)
{
}
