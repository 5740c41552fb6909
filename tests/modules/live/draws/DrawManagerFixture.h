#pragma once

#include "DrawSourceFixture.h"
#include "TopLevelWidgets.h"

#include "base/dialog/CToast.h"

#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQQTActionEvent.h"
#include "modules/login/LoginManager.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QLabel>

// A draw manager bound to real board layers and the live data source over an
// in-memory course (material 501, page 0 current), signed in as teacher 10001,
// board 1000 x 640. Whatever the manager publishes lands in services.sentActions.
class DrawManagerFixture
{
public:
    static constexpr int kTeacher = 10001;

    DrawManagerFixture()
    {
        LoginManager::saveLoginInfo(
            QJsonObject{{"accountDetails", QJsonObject{{"user_id", QString::number(kTeacher)}}}});
        services.attach(source);
        for (QQuickItem *layer : std::initializer_list<QQuickItem *>{&temporalView, &sketchView, &shadeView})
            layer->setSize(QSizeF(1000, 640));
        temporalLayout.setSize(QSizeF(1000, 640));
        temporalLayout.setVisibleSize(QSize(1000, 640));
        manager.init(&source, &temporalLayout, &shadeView, &temporalView, &sketchView, &backgroundLayout,
                     &foregroundLayout, nullptr, nullptr, QSize(1000, 640), 23.0f);
        // Bring the board to material 501 quietly, so handlers need no turns.
        auto *select = new TQDrawingActionSelectMaterial;
        select->materialId = 501;
        select->publish = false;
        manager.queueAction(select);
        drain();
    }

    // Delivers the manager's action events until its queue is empty.
    void drain()
    {
        while (manager.queuedActionCount() > 0)
            QCoreApplication::sendPostedEvents(&manager, TQQTActionEvent::eventType());
    }

    // The published actions of one code, in the order sent.
    template <class Action>
    std::vector<Action *> sent(int code) const
    {
        std::vector<Action *> out;
        for (TQDrawingAction *a : services.sentActions) {
            if (a->type == code)
                out.push_back(static_cast<Action *>(a));
        }
        return out;
    }

    // A cover board of the tool's colour with both buttons, placed on the
    // 1000-wide page and added to the page's foreground elements.
    TQDrawingElement *addCoverBoard(int tag, const QRect &rect)
    {
        auto *board = new TQDrawingElement(tag);
        board->kind = TQDrawingElement::PlacedImage;
        board->x = rect.x();
        board->y = rect.y();
        board->width = rect.width();
        board->height = rect.height();
        board->canvasWidth = 1000;
        board->sourceValue = 1000;
        board->flag1 = 1;
        board->flag2 = 1;
        source.addToReservoirForegroundElements(board);
        return board;
    }

    std::vector<int> sentCodes() const
    {
        std::vector<int> codes;
        for (const TQDrawingAction *a : services.sentActions)
            codes.push_back(a->type);
        return codes;
    }

    CourseInMemory course;
    FakeClassServices services;
    TQBroadCastDrawDataSourceInterface source;
    TQDrawTemporalLayout temporalLayout;
    TQDrawShadeView shadeView;
    TQDrawTemporalView temporalView;
    TQDrawSketchView sketchView;
    TQDrawBackgroundLayout backgroundLayout;
    TQDrawForegroundLayout foregroundLayout;
    // Last, so that it goes first: its pending paths are shown by the views.
    TQDrawManager manager;
};

// The toasts shown so far, closed.
inline QStringList takeShownToasts()
{
    QStringList texts;
    for (CToast *toast : topLevelWidgetsOf<CToast>()) {
        texts << toast->findChild<QLabel *>()->text();
        delete toast;
    }
    return texts;
}
