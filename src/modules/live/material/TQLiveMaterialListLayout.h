#pragma once

#include <QJsonObject>
#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"

// The material list panel of the class page ("materialListLayout"). No parent;
// the window deletes it.
class TQLiveMaterialListLayout : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQLiveMaterialListLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

signals:
    // The detail of a material the teacher added to the class.
    void httpAddMaterialDetail_signal(QJsonObject joMaterialDetail);
};
