#pragma once

#include "modules/live/bean/FileBriefBean.h"

#include <QJsonObject>
#include <QList>
#include <QObject>

#include <memory>
#include <string>
#include <vector>

class TQDrawingElement;
class TQPath;

// One page of a material as the board works with it: the page file and
// everything drawn on it. The drawing engine reads and changes the drawing
// state through the live draw data source. GUI thread only.
//
// Ownership: the page deletes the paths and elements of its owned lists (each
// once, also when a pointer sits in a visible or reservoir list as well) and
// the records of its page state. The visible and reservoir lists only point.
class FileBean : public QObject, public FileBriefBean
{
public:
    // A record the drawing engine keeps with a page; the page deletes it.
    class PageStateRecord
    {
    public:
        virtual ~PageStateRecord() = default;
        // The page's committed paths changed (a save, an undo or redo, a
        // cleared page): a record that stands for something drawn follows it.
        virtual void followPagePaths(const QList<TQPath *> &) {}
    };

    // The page's extra state handed to the drawing engine.
    struct PageState
    {
        std::vector<std::unique_ptr<PageStateRecord>> records;
        // How far the board is scrolled on this page.
        int topOffset = 0;
        // Canvas size at which the page was drawn.
        int canvasWidth = 0;
        int canvasHeight = 0;
        // Meaning kept by the drawing engine.
        int extraValue = 0;
        int extraIndex = -1;
    };

    FileBean();
    explicit FileBean(const QJsonObject &json);
    // A copy describes the same file but starts with an empty drawing state.
    FileBean(const FileBean &other);
    FileBean &operator=(const FileBean &) = delete;
    ~FileBean() override;

    // Forgets what the page shows (the owned lists keep their entries) and
    // shows a fresh page-image element: its tag is `tag` when above 0, else a
    // new sequence number.
    void resetDrawings(int tag);
    // The same for a page of the blank placeholder material: no image address.
    void initBlankPage();

    // The page image's file in the download cache, looked up until found; ""
    // while it is not there.
    std::string getLocalFilePath();

    QList<TQPath *> mOwnedPaths;
    QList<TQDrawingElement *> mOwnedBackgroundElements;
    // Nothing adds to it yet; deleted with the page all the same.
    QList<TQDrawingElement *> mOwnedForegroundElements;
    QList<TQPath *> mVisiblePaths;
    // The page image and pasted images currently shown.
    QList<TQDrawingElement *> mReservoirBackgroundElements;
    // Cover boards currently shown.
    QList<TQDrawingElement *> mReservoirForegroundElements;
    PageState mPageState;
    std::string mLocalFilePath;

private:
    void showNewBackground(int tag, const std::string &url);
};
