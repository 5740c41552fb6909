#include "modules/live/menu/TQBroadCastBlackboardWritingToolsInterface.h"

#include "base/dialog/CDialogManager.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/login/LoginManager.h"

#include <iterator>

TQBroadCastBlackboardWritingToolsInterface::TQBroadCastBlackboardWritingToolsInterface(TQBroadCastMethodService *methodService,
                                                                                       TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

TQBroadCastBlackboardWritingToolsInterface::~TQBroadCastBlackboardWritingToolsInterface() = default;

TQDrawManager *TQBroadCastBlackboardWritingToolsInterface::drawManager() const
{
    TQLiveBroadCastActivity *activity = methodService() ? methodService()->getActivity() : nullptr;
    TQDrawLayout *layout = activity ? activity->getDrawLayout() : nullptr;
    return layout ? layout->drawManager() : nullptr;
}

void TQBroadCastBlackboardWritingToolsInterface::setEraserSize(int size)
{
    TQDrawManager *manager = drawManager();
    if (!manager)
        return;
    TQBrushStyle brush = manager->brush();
    brush.type = 1;
    brush.colour = kBrushColorEraser;
    // An unknown size keeps the width the brush had.
    if (size >= 0 && size < int(std::size(kEraserWidths)))
        brush.width = kEraserWidths[size];
    manager->setBrush(brush);
}

void TQBroadCastBlackboardWritingToolsInterface::cleanCurrentPage()
{
    TQDrawManager *manager = drawManager();
    if (!manager)
        return;
    const int answer = CDialogManager::twoButtonDialog(methodService()->getActivity(), QString(),
                                                       QStringLiteral("删除当前页面的板书？（删除后可以按\"回退\"恢复）"),
                                                       QStringLiteral("删除"), QStringLiteral("取消"));
    // Only "删除" clears: "取消", Escape and closing the box keep the page.
    if (answer != 0)
        return;
    // The board may have gone while the box was open.
    manager = drawManager();
    if (manager)
        manager->queueCleanPage(manager->materialId(), manager->pageIndex());
}

void TQBroadCastBlackboardWritingToolsInterface::copyCurrentPage()
{
    TQDrawManager *manager = drawManager();
    if (!manager)
        return;
    const int bottom = manager->getContentBottom();
    TQDrawDataSourceInterface *source = manager->dataSource();
    const QList<TQDrawingElement *> *elements = source ? source->reservoirBackgroundElements() : nullptr;
    if (elements) {
        for (const TQDrawingElement *element : *elements) {
            if (!element || element->kind != TQDrawingElement::PageImage)
                continue;
            // The handout page as a picture of its own size, pasted below the content.
            TQDrawManager::ImageRecord copy;
            copy.url = element->url;
            copy.size = QSize(element->width, element->height);
            if (copy.size.width() <= 2)
                continue;
            // No room left on the page: the manager has said so; nothing moves.
            if (!manager->placeImageOnBoard(copy, bottom, false))
                return;
            break;
        }
    }
    manager->updateTopOffset(bottom, false);
    manager->queueSave(manager->materialId(), manager->pageIndex(), 0, LoginManager::getUserID().toInt());
}
