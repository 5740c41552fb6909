#pragma once

#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawingElement.h"

#include <QStringList>

// A data source holding one page's background and foreground elements and
// telling which files are at hand; records every download it was asked for.
class ElementSource : public TQDrawDataSourceInterface
{
public:
    ~ElementSource() override
    {
        qDeleteAll(background);
        qDeleteAll(foreground);
    }

    TQDrawingElement *addBackground(int tag, int kind, QRect rect, int canvasWidth, const QString &url,
                                    const QString &caption = QString(), int captionHeight = 0)
    {
        auto *e = makeElement(tag, kind, rect, canvasWidth);
        e->url = url;
        e->caption = caption;
        e->captionHeight = captionHeight;
        background.append(e);
        return e;
    }

    TQDrawingElement *addCoverBoard(int tag, QRect rect, int canvasWidth, int sourceValue = 1000, int flag1 = 1,
                                    int flag2 = 1)
    {
        auto *e = makeElement(tag, TQDrawingElement::PlacedImage, rect, canvasWidth);
        e->url = QStringLiteral("NoURL");
        e->sourceValue = sourceValue;
        e->flag1 = flag1;
        e->flag2 = flag2;
        foreground.append(e);
        return e;
    }

    QList<TQDrawingElement *> *reservoirBackgroundElements() override { return &background; }
    QList<TQDrawingElement *> *reservoirForegroundElements() override { return &foreground; }
    bool downloadBinaryFile(QString url) override
    {
        downloadsAsked << url;
        return filesAtHand.contains(url);
    }

    QList<TQDrawingElement *> background;
    QList<TQDrawingElement *> foreground;
    QStringList filesAtHand;
    QStringList downloadsAsked;

private:
    static TQDrawingElement *makeElement(int tag, int kind, QRect rect, int canvasWidth)
    {
        auto *e = new TQDrawingElement(tag);
        e->kind = kind;
        e->x = rect.x();
        e->y = rect.y();
        e->width = rect.width();
        e->height = rect.height();
        e->canvasWidth = canvasWidth;
        return e;
    }
};
