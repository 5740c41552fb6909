#pragma once

#include <QBasicTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>

#include <vector>

#include "modules/live/broadcast/TQLiveClassAccess.h"

class TQBinaryDownloadManager;
class TQInClassMessage;
class TQLiveBroadCastActivity;

// The teaching assistant beside the board ("teachingAssistantObject"): messages,
// raised hands and the course's materials. No parent; the window deletes it.
// GUI thread only.
class TQTeachingAssistant : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    // The discussion is polled this often while its tab is shown.
    static constexpr int kPollIntervalMs = 5000;
    // A list that arrived this recently makes the poll skip its turn.
    static constexpr qint64 kPollSkipWithinMs = 3000;
    // After a sent discussion message the list is fetched this much later.
    static constexpr int kRefreshAfterSendMs = 1000;
    static constexpr int kToastMs = 3000;

    TQTeachingAssistant(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
    ~TQTeachingAssistant() override;

    // Called by the real-time adapter for students' public messages.
    void addPublicMessage(const TQInClassMessage &message);
    // Called by the real-time adapter for students' private messages and by
    // the popover interface for the teacher's own sent message.
    void addPrivateMessage(const TQInClassMessage &message);
    // Called by the real-time adapter; `timeMs` is ms since the epoch.
    void addRaiseHandMessage(int userId, const QString &userName, qint64 timeMs);
    // An image may have reached the download cache.
    void handleDownloadedImage(const QString &url);
    // Asks the server for the discussion newer than the newest message held
    // (big-class courses only).
    void requestPublicMessageList();

    Q_INVOKABLE void addMaterialClicked();
    Q_INVOKABLE void sendPublicMessage(QString message);
    Q_INVOKABLE void sendPrivateMessage(long userID, QString message);
    Q_INVOKABLE void setCurrentPrivateMessageUserID(long userID);
    Q_INVOKABLE void materialItemClicked(int materialID, int rawMaterialID, int lastPage);
    Q_INVOKABLE void materialPageItemClicked(int materialID, int rawMaterialID, int pageIndex);
    Q_INVOKABLE void goToPrivateMessageToOne(long userID);
    Q_INVOKABLE void downloadUrl(QString fileUrl);
    Q_INVOKABLE void freetalkButtonClicked(bool enableFreetalk);
    Q_INVOKABLE void materialCommentClicked(long materialID, long rawMaterialID, int page, int indexInPage);
    Q_INVOKABLE void onOpenPublicMessagePanel(bool isOpen);

    long currentPrivateMessageUserID() const { return mCurrentPrivateMessageUserID; }
    qint64 newestMessageTimeStamp() const { return mNewestMessageTimeStamp; }
    qint64 lastMessageListArrivalMs() const { return mLastMessageListArrivalMs; }
    bool isPolling() const { return mPollTimer.isActive(); }
    int pollTimerId() const { return mPollTimer.timerId(); }
    const std::vector<QString> &downloadQueue() const { return mDownloadQueue; }
    bool isDownloading() const { return mDownloading; }
    TQBinaryDownloadManager *binaryDownloadManager() const { return mDownloadManager; }

signals:
    void addPublicMessage_signal(QJsonObject jsonPublicMessage);
    void addPrivateMessage_signal(QJsonObject jsonPrivateMessage);
    void addRaiseHandMessage_signal(QJsonObject jsonRaiseHandMessage);
    void addMaterialDetail_signal(QJsonObject jsonMaterial);
    void openPrivateMessaageToOne_signal(QJsonObject jsonMessages);
    void imageFileDownloaded_signal(QString localFilePath, QString fileUrl);
    void addMessageList_signal(QJsonArray messageList);

public slots:
    void imageDownloaded_slot(QString fileUrl);
    void onAddMessageList(QJsonArray &msgList);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    // The class window, null without one.
    TQLiveBroadCastActivity *activity() const;
    // Starts the queue's first entry; refused entries are dropped.
    void startNextDownload();

    TQBinaryDownloadManager *mDownloadManager = nullptr;
    // First entry is being downloaded.
    std::vector<QString> mDownloadQueue;
    bool mDownloading = false;
    long mCurrentPrivateMessageUserID = 0;
    // "microtime" of the newest discussion message received.
    qint64 mNewestMessageTimeStamp = 0;
    QBasicTimer mPollTimer;
    qint64 mLastMessageListArrivalMs = 0;
};
