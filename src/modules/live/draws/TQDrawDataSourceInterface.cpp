#include "modules/live/draws/TQDrawDataSourceInterface.h"

#include "actions/TQDrawingAction.h"

TQDrawDataSourceInterface::~TQDrawDataSourceInterface() = default;

int TQDrawDataSourceInterface::getDrawingActionCount()
{
    return 0;
}

bool TQDrawDataSourceInterface::downloadBinaryFile(QString)
{
    return false;
}

void TQDrawDataSourceInterface::sendDrawingAction(TQDrawingAction *action)
{
    // Nobody sends it: the copy handed over would leak otherwise.
    delete action;
}

int TQDrawDataSourceInterface::getPageCount()
{
    return 0;
}

void TQDrawDataSourceInterface::changeOngoingPage(int) {}

TQPreSendingImage *TQDrawDataSourceInterface::createPreSendingImage(int)
{
    return nullptr;
}

bool TQDrawDataSourceInterface::hasBinaryTransfer(std::string)
{
    return true;
}

void TQDrawDataSourceInterface::raiseSendLevel(int) {}

bool TQDrawDataSourceInterface::changeOngoingMaterial(int)
{
    return false;
}

bool TQDrawDataSourceInterface::isMaterialDetailLoaded(qint64)
{
    return true;
}

bool TQDrawDataSourceInterface::isFirstMaterialReady()
{
    return true;
}

int TQDrawDataSourceInterface::getPageTopOffset()
{
    return 0;
}

void TQDrawDataSourceInterface::setPageTopOffset(int) {}

void TQDrawDataSourceInterface::setPageCanvasSize(int, int) {}

QSize TQDrawDataSourceInterface::getPageCanvasSize()
{
    return QSize();
}

QList<TQPath *> *TQDrawDataSourceInterface::getPagePaths()
{
    mNoPaths.clear();
    return &mNoPaths;
}

void TQDrawDataSourceInterface::addPagePath(TQPath *) {}

void TQDrawDataSourceInterface::clearPagePaths() {}

void TQDrawDataSourceInterface::setPagePaths(QList<TQPath *>) {}

TQDrawingAction *TQDrawDataSourceInterface::getDrawingActionAt(int)
{
    return nullptr;
}

QList<TQDrawingElement *> *TQDrawDataSourceInterface::reservoirBackgroundElements()
{
    mNoElements.clear();
    return &mNoElements;
}

void TQDrawDataSourceInterface::addToReservoirBackgroundElements(TQDrawingElement *) {}

void TQDrawDataSourceInterface::clearBackgroundElements() {}

void TQDrawDataSourceInterface::setBackgroundElements(QList<TQDrawingElement *>) {}

void TQDrawDataSourceInterface::mergeBackgroundElementUrls(QList<TQDrawingElement *>) {}

bool TQDrawDataSourceInterface::backgroundElementsDiffer(QList<TQDrawingElement *>)
{
    return true;
}

QList<TQDrawingElement *> *TQDrawDataSourceInterface::reservoirForegroundElements()
{
    mNoElements.clear();
    return &mNoElements;
}

void TQDrawDataSourceInterface::addToReservoirForegroundElements(TQDrawingElement *) {}

void TQDrawDataSourceInterface::clearForegroundElements() {}

void TQDrawDataSourceInterface::setForegroundElements(QList<TQDrawingElement *>) {}

void TQDrawDataSourceInterface::eraseForegroundElement(int) {}

FileBean::PageState *TQDrawDataSourceInterface::getPageExtraState()
{
    return nullptr;
}

void TQDrawDataSourceInterface::onBoardTouched() {}

void TQDrawDataSourceInterface::reservedHookA() {}

void TQDrawDataSourceInterface::reservedHookB(int) {}

void TQDrawDataSourceInterface::reservedHookC(int) {}

void TQDrawDataSourceInterface::reservedHookD(int, int) {}

QImage TQDrawDataSourceInterface::getImage(int, int, int, int)
{
    return QImage();
}

void TQDrawDataSourceInterface::enableBackForwardButton(bool, bool) {}

void TQDrawDataSourceInterface::uploadImageFile(QString, int, int) {}

void TQDrawDataSourceInterface::sendImageFileForUrl(std::string, int, bool, bool) {}

void TQDrawDataSourceInterface::setDrawingEnabled(bool, std::string) {}

void TQDrawDataSourceInterface::reservedHookE(int) {}

bool TQDrawDataSourceInterface::suspendStudentWriting(int)
{
    return false;
}

void TQDrawDataSourceInterface::restoreStudentWriting() {}

void TQDrawDataSourceInterface::showToast(QString, int, int) {}

void TQDrawDataSourceInterface::notifyPageTurnState(bool) {}

void TQDrawDataSourceInterface::updateTakePictureImage(QString, QString) {}

void TQDrawDataSourceInterface::prepareTurnPage(bool) {}

void TQDrawDataSourceInterface::reservedHookF(int, int, int, QString) {}

void TQDrawDataSourceInterface::notifyTopOffsetChanged(int) {}

void TQDrawDataSourceInterface::notifyPageTurned(int, int) {}
