#include "modules/live/communications/TQRTCEventDelegate.h"

TQRTCEventDelegate::TQRTCEventDelegate()
    : TQEventHandlerList<TQRTCEventHandlerInterface>("TQRTCEventDelegate")
{
}
