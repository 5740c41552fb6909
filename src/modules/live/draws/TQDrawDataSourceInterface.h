#pragma once

#include "modules/live/bean/FileBean.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <string>

class TQDrawingAction;
class TQDrawingElement;
class TQPath;
class TQPreSendingImage;

// Everything the board needs from outside itself: the course's pages, paths
// and elements, its drawing history, and the services around the board
// (sending, downloads, image transfer, toasts, the students' writing rights,
// the window's buttons). Handed to the draw manager at init and shared with
// the board layers. Every operation has a harmless default, so a source
// overrides only what it serves. GUI thread only.
class TQDrawDataSourceInterface
{
public:
    TQDrawDataSourceInterface() = default;
    virtual ~TQDrawDataSourceInterface();
    TQDrawDataSourceInterface(const TQDrawDataSourceInterface &) = delete;
    TQDrawDataSourceInterface &operator=(const TQDrawDataSourceInterface &) = delete;

    // The next drawing index.
    virtual int getDrawingActionCount();
    virtual bool downloadBinaryFile(QString url);
    // Takes ownership of `action` (a copy made by the caller).
    virtual void sendDrawingAction(TQDrawingAction *action);
    virtual int getPageCount();
    virtual void changeOngoingPage(int index);
    // Owned by the caller; null when there is no such page image.
    virtual TQPreSendingImage *createPreSendingImage(int index);
    virtual bool hasBinaryTransfer(std::string url);
    virtual void raiseSendLevel(int seconds);
    virtual bool changeOngoingMaterial(int materialId);
    virtual bool isMaterialDetailLoaded(qint64 materialId);
    virtual bool isFirstMaterialReady();
    virtual int getPageTopOffset();
    virtual void setPageTopOffset(int topOffset);
    virtual void setPageCanvasSize(int width, int height);
    virtual QSize getPageCanvasSize();
    // The page's visible paths; the list stays valid until the page's lists change.
    virtual QList<TQPath *> *getPagePaths();
    // The page takes ownership of `path`.
    virtual void addPagePath(TQPath *path);
    virtual void clearPagePaths();
    virtual void setPagePaths(QList<TQPath *> paths);
    virtual TQDrawingAction *getDrawingActionAt(int index);
    virtual QList<TQDrawingElement *> *reservoirBackgroundElements();
    virtual void addToReservoirBackgroundElements(TQDrawingElement *element);
    virtual void clearBackgroundElements();
    virtual void setBackgroundElements(QList<TQDrawingElement *> elements);
    virtual void mergeBackgroundElementUrls(QList<TQDrawingElement *> elements);
    virtual bool backgroundElementsDiffer(QList<TQDrawingElement *> elements);
    virtual QList<TQDrawingElement *> *reservoirForegroundElements();
    virtual void addToReservoirForegroundElements(TQDrawingElement *element);
    virtual void clearForegroundElements();
    virtual void setForegroundElements(QList<TQDrawingElement *> elements);
    virtual void eraseForegroundElement(int position);
    virtual FileBean::PageState *getPageExtraState();
    virtual void onBoardTouched();
    virtual void reservedHookA();
    virtual void reservedHookB(int value);
    virtual void reservedHookC(int value);
    virtual void reservedHookD(int first, int second);
    virtual QImage getImage(int a, int b, int c, int d);
    virtual void enableBackForwardButton(bool canUndo, bool canRedo);
    virtual void uploadImageFile(QString path, int kind, int value);
    virtual void sendImageFileForUrl(std::string url, int value, bool first, bool second);
    virtual void setDrawingEnabled(bool enabled, std::string hint);
    virtual void reservedHookE(int value);
    // True when at least one student's writing right was withdrawn.
    virtual bool suspendStudentWriting(int reason);
    virtual void restoreStudentWriting();
    virtual void showToast(QString text, int type, int ms);
    virtual void notifyPageTurnState(bool turning);
    virtual void updateTakePictureImage(QString url, QString name);
    virtual void prepareTurnPage(bool begin);
    virtual void reservedHookF(int a, int b, int c, QString text);
    virtual void notifyTopOffsetChanged(int y);
    virtual void notifyPageTurned(int a, int b);

private:
    // What the list-returning defaults hand out: always empty.
    QList<TQPath *> mNoPaths;
    QList<TQDrawingElement *> mNoElements;
};
