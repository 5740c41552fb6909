#pragma once

#include <QString>
#include <QStringList>
#include <QThread>

class UploadFileViewModel;

// A one-shot worker thread for long jobs of the main window: push the packed
// logs, add up the sizes of cache folders, or delete cache folders. One job
// per object, chosen by the setter called before the thread starts. The
// thread ends when its job is done; the owner deletes the object.
//
// Clearing never deletes recordings that still wait for their upload: the
// record and recording folders are left as they are. Symbolic links are
// never followed: a link counts as an entry of its own and only the link
// itself is removed.
class CThreadWork : public QThread
{
    Q_OBJECT

public:
    CThreadWork();
    // Stops a running job at its next entry and waits for the thread.
    ~CThreadWork() override;

    // Log push; the caller starts the thread. The view model is not owned.
    void setUploadViewModel(UploadFileViewModel *uploadViewModel);
    // Size job; starts the thread.
    void calculateFloderSize(const QStringList &folders);
    // Removal job; starts the thread.
    void removeFloders(const QStringList &folders);

signals:
    // Progress (isEnd false) carries the size counted so far over all
    // folders; the end carries the total.
    void calculateFloderSizeProgress_signal(QString floderPath, int calculatedItemCount, qlonglong size, bool isEnd);
    void removeFloderProgress_signal(QString floderPath, int removedItemCount, bool isEnd);

protected:
    void run() override;

private:
    enum Mode { kNone = 0, kPushLog = 1, kFolderSize = 2, kFolderRemoval = 3 };

    void pushLogs();
    // Walks each folder in turn as the current one; false when stopped.
    bool walkFolders(const QStringList &folders, QString *current, void (CThreadWork::*walk)(const QString &));
    void sizeFolders();
    void removeFolders();
    void sizeWalk(const QString &path);
    void removeWalk(const QString &path);
    // The recording folders that wait for upload: never counted nor removed.
    void keepRecordingFolders();
    bool waitsForUpload(const QString &folder) const;
    // Whether another hundred entries have been counted since the last report.
    bool nextStepReached();

    UploadFileViewModel *m_pUploadViewModel = nullptr; // not owned
    int m_mode = kNone;
    QStringList m_sizeFolders;
    QStringList m_removeFolders;
    QString m_sizingFolder;
    QString m_removingFolder;

    // Job state, touched by the worker thread only.
    int m_count = 0;
    int m_lastStep = 0;
    qint64 m_total = 0;
    // Folders whose files wait for upload; fixed when the removal job is set.
    QStringList m_keptFolders;
    QString m_dataRoot;
};
