#include "modules/live/TeachingAssistant/TQTeachingAssistant.h"

#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/binary/TQBinaryDownloadManager.h"

#include <QTimerEvent>

TQTeachingAssistant::TQTeachingAssistant(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
    , mDownloadManager(new TQBinaryDownloadManager(nullptr))
{
}

TQTeachingAssistant::~TQTeachingAssistant()
{
    mPollTimer.stop();
    delete mDownloadManager;
}

void TQTeachingAssistant::addPublicMessage(const TQInClassMessage &) {}
void TQTeachingAssistant::addPrivateMessage(const TQInClassMessage &) {}
void TQTeachingAssistant::addRaiseHandMessage(int, const QString &, qint64) {}
void TQTeachingAssistant::handleDownloadedImage(const QString &) {}
void TQTeachingAssistant::requestPublicMessageList() {}
void TQTeachingAssistant::addMaterialClicked() {}
void TQTeachingAssistant::sendPublicMessage(QString) {}
void TQTeachingAssistant::sendPrivateMessage(long, QString) {}
void TQTeachingAssistant::setCurrentPrivateMessageUserID(long userID) { mCurrentPrivateMessageUserID = userID; }
void TQTeachingAssistant::materialItemClicked(int, int, int) {}
void TQTeachingAssistant::materialPageItemClicked(int, int, int) {}
void TQTeachingAssistant::goToPrivateMessageToOne(long) {}
void TQTeachingAssistant::downloadUrl(QString) {}
void TQTeachingAssistant::freetalkButtonClicked(bool) {}
void TQTeachingAssistant::materialCommentClicked(long, long, int, int) {}
void TQTeachingAssistant::onOpenPublicMessagePanel(bool) {}
void TQTeachingAssistant::imageDownloaded_slot(QString fileUrl) { handleDownloadedImage(fileUrl); }
void TQTeachingAssistant::onAddMessageList(QJsonArray &) {}

void TQTeachingAssistant::timerEvent(QTimerEvent *event)
{
    QObject::timerEvent(event);
}
