#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QVBoxLayout;

// The notes window of a handout page. A top-level window without parent; the
// class window deletes it.
class TQMaterialComments : public QWidget
{
    Q_OBJECT

public:
    explicit TQMaterialComments(QWidget *parent = nullptr);

    // Fills the window with the notes of a page of a material of the current
    // course: the title "<material>-第<page>页的备注", then each note image,
    // the one at `indexInPage` first. Images not in the download cache yet
    // show their address until imageDownloaded reports them.
    void showComments(long materialID, int pageIndex, int indexInPage, int reservedA, int reservedB);
    // An image reached the download cache.
    void imageDownloaded(const QString &url, const QString &localPath);

    QStringList shownUrls() const { return mUrls; }

private:
    QVBoxLayout *mLayout = nullptr;
    QStringList mUrls;
    QList<QLabel *> mImages;
};
