#pragma once

#include "modules/live/bean/FileBean.h"
#include "modules/live/bean/MaterialBriefBean.h"

#include <QJsonObject>

#include <deque>
#include <string>

class TQPreSendingImage;

// One course material with its pages and the page shown. The material owns
// its pages; a deque keeps every page at its address while pages are
// appended, so m_pOngoingPage stays valid until the list is emptied.
// GUI thread only.
class MaterialDetailBean : public MaterialBriefBean
{
public:
    static constexpr int kBlankPageCount = 5;

    explicit MaterialDetailBean(QObject *parent = nullptr);
    // Pages from "file_items", videos from "videos"; no page is current yet.
    explicit MaterialDetailBean(const QJsonObject &json);
    ~MaterialDetailBean() override;

    // Turns the material into the blank placeholder of five pages the board
    // shows until the real material arrives; returns the first page, now current.
    FileBean *initWithBlankPages();
    // The first page becomes current; nothing changes without pages.
    void resetToFirstPage();
    // Makes page `index` current; false (nothing changed) when there is no
    // such page. The caller stores the index after a true result.
    bool changeOngoingPage(int index);
    // A new record of page `index`'s image for sending it to the students,
    // owned by the caller; null without such a page or without an image address.
    TQPreSendingImage *createPageBackgroundElement(int index) const;

    bool isFileProcessed() const;
    // "等候转换中", "转换中", "转换失败" or "".
    std::string getProcessStateText() const;
    bool isAvailable() const { return true; }
    bool isAudioMaterial() const { return materialType == kAudioMaterial; }
    bool isVideoMaterial() const { return materialType == kVideoMaterial; }

    // Page numbers are positions in this list, from 0.
    std::deque<FileBean> mFileItems;
    std::deque<FileBean> mVideos;
    // Points into mFileItems, or null.
    FileBean *m_pOngoingPage = nullptr;
    int mOngoingPageIndex = 0;
    bool mIsBlankPlaceholder = false;
};
