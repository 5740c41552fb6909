#include "modules/live/bean/MaterialDetailBean.h"

#include "modules/live/draws/TQPreSendingImage.h"
#include "utils/CDataHelper.h"
#include "utils/CLog.h"

#include <QJsonArray>

#include <vector>

MaterialDetailBean::MaterialDetailBean(QObject *parent)
    : MaterialBriefBean(parent)
{
}

MaterialDetailBean::MaterialDetailBean(const QJsonObject &json)
    : MaterialBriefBean(json)
{
    CLog::log(QStringLiteral("materail %1 %2 state %3")
                  .arg(materialId)
                  .arg(QString::fromStdString(materialName))
                  .arg(materialFileProcessState),
              QStringLiteral("%1 ").arg(QStringLiteral("MaterialDetailBean::MaterialDetailBean")));
    for (const QJsonValue &page : json.value(QLatin1String("file_items")).toArray())
        mFileItems.emplace_back(page.toObject());
    for (const QJsonValue &video : json.value(QLatin1String("videos")).toArray())
        mVideos.emplace_back(video.toObject());
}

MaterialDetailBean::~MaterialDetailBean() = default;

FileBean *MaterialDetailBean::initWithBlankPages()
{
    mIsBlankPlaceholder = true;
    for (int i = 0; i < kBlankPageCount; ++i)
        mFileItems.emplace_back();
    for (FileBean &page : mFileItems)
        page.initBlankPage();
    mOngoingPageIndex = 0;
    m_pOngoingPage = &mFileItems.front();
    return m_pOngoingPage;
}

void MaterialDetailBean::resetToFirstPage()
{
    if (mFileItems.empty())
        return;
    mOngoingPageIndex = 0;
    m_pOngoingPage = &mFileItems.front();
}

bool MaterialDetailBean::changeOngoingPage(int index)
{
    if (index < 0 || size_t(index) >= mFileItems.size())
        return false;
    m_pOngoingPage = &mFileItems[size_t(index)];
    CLog::log(QStringLiteral("change page %1, url %2").arg(index).arg(QString::fromStdString(m_pOngoingPage->fileUrl)),
              QStringLiteral("%1 ").arg(QStringLiteral("MaterialDetailBean::changeOngoingPage")));
    return true;
}

TQPreSendingImage *MaterialDetailBean::createPageBackgroundElement(int index) const
{
    if (index < 0 || size_t(index) >= mFileItems.size())
        return nullptr;
    const FileBean &page = mFileItems[size_t(index)];
    CLog::print(QStringLiteral("page %1 url %2").arg(index).arg(QString::fromStdString(page.fileUrl)));
    if (page.fileUrl.empty())
        return nullptr;
    const bool hasSize = CDataHelper::getIntFromString(page.fileSize) != 0;
    auto *image = new TQPreSendingImage(page.fileUrl, 1, hasSize, false, 0);
    if (!page.materialPageExtras.empty()) {
        std::vector<std::string> urls;
        urls.reserve(page.materialPageExtras.size());
        for (const FileBaseBean &extra : page.materialPageExtras)
            urls.push_back(extra.fileUrl);
        image->setExtraUrls(std::move(urls));
    }
    return image;
}

bool MaterialDetailBean::isFileProcessed() const
{
    return materialFileProcessState == 0 || materialFileProcessState == 4;
}

std::string MaterialDetailBean::getProcessStateText() const
{
    switch (materialFileProcessState) {
    case 1:
        return "等候转换中";
    case 2:
        return "转换中";
    case 3:
        return "转换失败";
    default:
        return std::string();
    }
}
