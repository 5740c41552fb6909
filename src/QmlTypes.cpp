#include "QmlTypes.h"

#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQDrawTouchView.h"
#include "modules/live/userlist/TQAgoraVideoWidget.h"
#include "modules/live/videoprocess/TQPreviewView.h"
#include "utils/CQrEncodeWidget.h"

#include <QtQml>

void registerQmlTypes()
{
    qmlRegisterType<TQAgoraVideoWidget>(kVideoWidgetModule, 1, 0, "AVideoWidget");
    qmlRegisterType<CQrEncodeWidget>(kControlsModule, 1, 0, "CQrEncodeWidget");
    qmlRegisterType<TQDrawForegroundLayout>(kControlsModule, 1, 0, "TQDrawForegroundLayout");
    qmlRegisterType<TQDrawTemporalView>(kControlsModule, 1, 0, "TQDrawTemporalView");
    qmlRegisterType<TQDrawSketchView>(kControlsModule, 1, 0, "TQDrawSketchView");
    qmlRegisterType<TQDrawBackgroundLayout>(kControlsModule, 1, 0, "TQDrawBackgroundLayout");
    qmlRegisterType<TQDrawShadeView>(kControlsModule, 1, 0, "TQDrawShadeView");
    qmlRegisterType<TQDrawTemporalLayout>(kControlsModule, 1, 0, "TQDrawTemporalLayout");
    qmlRegisterType<TQDrawTouchView>(kControlsModule, 1, 0, "TQDrawTouchView");
    qmlRegisterType<TQPreviewView>(kControlsModule, 1, 0, "TQPreviewView");
}
