#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// One page of one course material as the download manager sees it; copied
// by value into and out of the manager's task map.
struct TQMaterialPageDownloadTask
{
    enum State {
        kWaiting = 0,
        kDownloading = 1,
        kDownloaded = 2,
        // The last download ended without a file; fetched again only when
        // someone asks for the page.
        kFailed = 3,
    };

    qint64 materialId = 0;
    // 0-based page number within the material.
    int pageIndex = 0;
    QString url;
    int state = kWaiting;
    // The page's extra files, fetched together with it.
    std::vector<QString> extraUrls;
};
