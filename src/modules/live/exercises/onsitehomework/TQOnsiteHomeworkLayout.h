#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickItem>

#include "modules/live/broadcast/TQLiveClassAccess.h"

// The onsite-homework panel of the class page ("onsiteHomeworkLayout"). No
// parent; the window deletes it.
class TQOnsiteHomeworkLayout : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQOnsiteHomeworkLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

    // The root item of the class page, under which the panel lives.
    void setQmlRoot(QQuickItem *root) { mQmlRoot = root; }
    QQuickItem *qmlRoot() const { return mQmlRoot; }

private:
    // The page is the view's; it may go before this layout.
    QPointer<QQuickItem> mQmlRoot;
};
