#include "modules/live/draws/TQVirtualFrameLayout.h"

#include "utils/CLog.h"

TQVirtualFrameLayout::TQVirtualFrameLayout(TQVirtualView *parent)
    : TQVirtualView(parent)
{
}

TQVirtualFrameLayout::~TQVirtualFrameLayout()
{
    const QList<TQVirtualView *> children = views;
    views.clear();
    for (TQVirtualView *view : children)
        delete view;
}

void TQVirtualFrameLayout::paint(QPainter *painter, int yOffset)
{
    for (TQVirtualView *view : qAsConst(views))
        view->paint(painter, yOffset);
}

void TQVirtualFrameLayout::addView(TQVirtualView *view)
{
    if (views.contains(view)) {
        CLog::log(QStringLiteral("error repeat add view"), QStringLiteral("TQVirtualFrameLayout::addView "));
        return;
    }
    views.append(view);
}

void TQVirtualFrameLayout::removeView(TQVirtualView *view)
{
    const int count = views.count(view);
    if (count != 1)
        CLog::log(QStringLiteral("error repeat remove view %1").arg(count), QStringLiteral("TQVirtualFrameLayout::removeView "));
    views.removeAll(view);
    if (count > 0)
        delete view;
}
