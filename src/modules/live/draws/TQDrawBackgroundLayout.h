#pragma once

#include "modules/live/draws/TQLayerContent.h"

#include <QImage>
#include <QList>
#include <QQuickPaintedItem>
#include <QSize>

class TQDrawBackgroundDownloader;
class TQDrawBackgroundElementLayout;
class TQDrawDataSourceInterface;
class TQDrawingElement;

// The board's bottom layer: the current page's background elements (the
// page image, images placed on the board, copied regions) painted into one
// cached pixmap. Images come from the course file cache; one that is missing
// or unreadable is asked for again through the layer's download manager and
// drawn when its download ends. GUI thread only.
class TQDrawBackgroundLayout : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQDrawBackgroundLayout(QQuickItem *parent = nullptr);
    ~TQDrawBackgroundLayout() override;

    // Takes ownership; replaces (and deletes) the previous one.
    void setDownloadManager(TQDrawBackgroundDownloader *manager);
    TQDrawBackgroundDownloader *downloadManager() const { return mDownloadManager; }

    void setContentSize(QSize size);
    void redrawBackgroundLayout(bool removeViews, int topOffset, float scale, TQDrawDataSourceInterface *source,
                                QSize size);
    void relayoutViews(int topOffset, float scale, TQDrawDataSourceInterface *source, QSize size);
    // Takes ownership.
    void addView(TQDrawBackgroundElementLayout *view);
    void removeAllViews();
    TQDrawBackgroundElementLayout *findViewByTag(int tag) const;
    // `view` null: every view showing `url`. With `localPath`, a url that does
    // not start with "http" is a file path used as it is.
    void setupBackgroundImage(const QString &url, TQDrawBackgroundElementLayout *view, bool localPath);
    void updateInContent();
    void paint(QPainter *painter) override;

    int viewCount() const { return views.size(); }
    TQDrawBackgroundElementLayout *viewAt(int i) const { return views.at(i); }
    bool isRedrawn() const { return redrawn; }
    // Set when the layer's picture may have changed; the frame capture clears it.
    bool isChanged() const { return changed; }
    void setChanged(bool value) { changed = value; }
    // A copy of the rendered layer; null before setContentSize.
    QImage contentImage() const;

public slots:
    void fileDownloaded_slot(QString fileUrl);

private:
    // The element's rectangle and caption height on a canvas `canvasWidth`
    // wide; false when the element names no width to scale from.
    static bool scaledGeometry(const TQDrawingElement &e, int canvasWidth, float scale, QRect *rect,
                               int *captionHeight);

    bool redrawn = true;
    bool changed = true;
    QList<TQDrawBackgroundElementLayout *> views; // owned
    TQDrawBackgroundDownloader *mDownloadManager = nullptr; // owned
    int topOffset = 0;
    QSize size;
    QSize contentSize;
    TQLayerContent content;
};
