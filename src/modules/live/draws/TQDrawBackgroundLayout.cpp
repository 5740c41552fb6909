#include "modules/live/draws/TQDrawBackgroundLayout.h"

#include "modules/live/communications/binary/TQBinaryDownloadManager.h"
#include "modules/live/draws/TQDrawBackgroundDownloader.h"
#include "modules/live/draws/TQDrawBackgroundElementLayout.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "utils/CFileDownloader.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace {
const QString kTag = QStringLiteral("TQDrawBackgroundLayout ");
}

TQDrawBackgroundLayout::TQDrawBackgroundLayout(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setDownloadManager(new TQBinaryDownloadManager);
}

TQDrawBackgroundLayout::~TQDrawBackgroundLayout()
{
    content.release();
    removeAllViews();
    delete mDownloadManager;
}

void TQDrawBackgroundLayout::setDownloadManager(TQDrawBackgroundDownloader *manager)
{
    if (manager == mDownloadManager)
        return;
    delete mDownloadManager;
    mDownloadManager = manager;
    if (manager) {
        connect(manager, &TQDrawBackgroundDownloader::bdManager_handleBinaryDownloaded_signal, this,
                &TQDrawBackgroundLayout::fileDownloaded_slot);
    }
}

void TQDrawBackgroundLayout::setContentSize(QSize s)
{
    size = s;
    contentSize = s;
    content.recreate(s, true);
}

bool TQDrawBackgroundLayout::scaledGeometry(const TQDrawingElement &e, int canvasWidth, float scale, QRect *rect,
                                            int *captionHeight)
{
    const int from = e.canvasWidth != 0 ? e.canvasWidth : e.width;
    if (from == 0)
        return false;
    const float k = float(canvasWidth) / float(from);
    *rect = QRect(int(e.x * k * scale), int(e.y * k * scale), int(e.width * k * scale), int(e.height * k * scale));
    *captionHeight = int(e.captionHeight * k * scale);
    return true;
}

void TQDrawBackgroundLayout::redrawBackgroundLayout(bool removeViews, int topOffset, float scale,
                                                    TQDrawDataSourceInterface *source, QSize size)
{
    redrawn = true;
    this->topOffset = topOffset;
    this->size = size;
    if (removeViews)
        removeAllViews();
    const QList<TQDrawingElement *> *elements = source ? source->reservoirBackgroundElements() : nullptr;
    CLog::log(QStringLiteral("start draw size %1, removeViews?%2").arg(elements ? elements->size() : 0).arg(removeViews),
              kTag);
    for (int i = 0; elements && i < elements->size(); ++i) {
        const TQDrawingElement *e = elements->at(i);
        if (!e)
            continue;
        TQDrawBackgroundElementLayout *view = findViewByTag(e->tag);
        CLog::log(QStringLiteral("draw %1 element url is (%2):(%3), tag:%4")
                      .arg(i)
                      .arg(e->url, view ? view->url() : QStringLiteral("viewElement-null"))
                      .arg(e->tag),
                  kTag);
        QRect rect;
        int captionHeight = 0;
        if (!scaledGeometry(*e, size.width(), scale, &rect, &captionHeight)) {
            CLog::log(QStringLiteral("skip element without width tag:%1").arg(e->tag), kTag);
            continue;
        }
        if (view) {
            view->setGeometry(rect, captionHeight);
            continue;
        }
        view = new TQDrawBackgroundElementLayout();
        view->initWithUserNameAndUrl(e->caption, e->url, rect, captionHeight);
        view->tagText = QString::number(e->tag);
        addView(view);
        if (e->url.isEmpty())
            continue;
        if (e->kind == TQDrawingElement::LocalImage)
            setupBackgroundImage(e->url, view, true);
        else if (source->downloadBinaryFile(e->url))
            setupBackgroundImage(e->url, view, false);
    }
    updateInContent();
}

void TQDrawBackgroundLayout::relayoutViews(int topOffset, float scale, TQDrawDataSourceInterface *source, QSize size)
{
    this->topOffset = topOffset;
    this->size = size;
    const QList<TQDrawingElement *> *elements = source ? source->reservoirBackgroundElements() : nullptr;
    for (int i = 0; elements && i < elements->size(); ++i) {
        const TQDrawingElement *e = elements->at(i);
        TQDrawBackgroundElementLayout *view = e ? findViewByTag(e->tag) : nullptr;
        QRect rect;
        int captionHeight = 0;
        if (view && scaledGeometry(*e, size.width(), scale, &rect, &captionHeight))
            view->setGeometry(rect, captionHeight);
    }
    content.recreate(size, true);
    updateInContent();
}

void TQDrawBackgroundLayout::addView(TQDrawBackgroundElementLayout *view)
{
    CLog::log(QStringLiteral("add tag:%1 url:%2").arg(view->tagText, view->url()), kTag);
    views.append(view);
}

void TQDrawBackgroundLayout::removeAllViews()
{
    const QList<TQDrawBackgroundElementLayout *> old = views;
    views.clear();
    qDeleteAll(old);
}

TQDrawBackgroundElementLayout *TQDrawBackgroundLayout::findViewByTag(int tag) const
{
    const QString text = QString::number(tag);
    for (TQDrawBackgroundElementLayout *view : views) {
        if (view->tagText == text)
            return view;
    }
    return nullptr;
}

void TQDrawBackgroundLayout::setupBackgroundImage(const QString &url, TQDrawBackgroundElementLayout *view,
                                                  bool localPath)
{
    QList<TQDrawBackgroundElementLayout *> targets;
    if (view) {
        targets.append(view);
    } else {
        for (TQDrawBackgroundElementLayout *candidate : qAsConst(views)) {
            if (candidate->url().compare(url, Qt::CaseInsensitive) == 0)
                targets.append(candidate);
        }
    }
    // One request per call however many views show the url: each request
    // counts against the download manager's retries of that url.
    bool redownloadAsked = false;
    for (TQDrawBackgroundElementLayout *target : qAsConst(targets)) {
        if (localPath && !url.isEmpty() && !url.startsWith(QLatin1String("http"))) {
            target->setImage(url);
            continue;
        }
        const QString local = FileUtils::getResourceFileFromUrl(url);
        if (QFileInfo::exists(local) && !QImage(local).isNull()) {
            target->setImage(local);
            continue;
        }
        CLog::log(QStringLiteral("imageFile error url=%1  localFile=%2  fileSize=%3")
                      .arg(url, local)
                      .arg(FileUtils::getFileSize(local)),
                  kTag);
        if (redownloadAsked)
            continue;
        redownloadAsked = true;
        if (mDownloadManager)
            mDownloadManager->redownloadUrl(url);
        else
            CLog::error(QStringLiteral("no download manager for %1").arg(url), kTag);
    }
    updateInContent();
}

void TQDrawBackgroundLayout::fileDownloaded_slot(QString fileUrl)
{
    const auto first = std::find_if(views.cbegin(), views.cend(),
                                    [&](const TQDrawBackgroundElementLayout *view) { return view->url() == fileUrl; });
    if (first == views.cend())
        return;
    if (CFileDownloader::getDownloadedFile(fileUrl).isEmpty()) {
        CLog::error(QStringLiteral("file %1 download failed").arg(fileUrl), kTag);
        return;
    }
    CLog::log(QStringLiteral("file %1 download for background success").arg(fileUrl), kTag);
    setupBackgroundImage(fileUrl, nullptr, false);
}

void TQDrawBackgroundLayout::updateInContent()
{
    QPainter *painter = content.painter();
    if (!painter) {
        CLog::error(QStringLiteral("get m_pContentPainter null"), kTag);
        update();
        return;
    }
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->fillRect(content.pixmap()->rect(), Qt::white);
    painter->restore();
    // The top offset is kept in pixels of the board's first size.
    const int y0 = contentSize.width() > 0 ? int(float(topOffset) / float(contentSize.width()) * float(size.width()))
                                           : topOffset;
    for (TQDrawBackgroundElementLayout *view : qAsConst(views)) {
        if (view->isVisibleIn(y0, size.height()))
            view->drawSelf(painter, y0);
    }
    changed = true;
    update();
}

void TQDrawBackgroundLayout::paint(QPainter *painter)
{
    content.drawInto(painter);
}

QImage TQDrawBackgroundLayout::contentImage() const
{
    return content.image();
}
