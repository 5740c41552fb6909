#include "modules/live/TeachingAssistant/TQMaterialComments.h"

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "utils/CFileDownloader.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

void showImage(QLabel *label, const QString &path)
{
    QPixmap picture(path);
    if (!picture.isNull())
        label->setPixmap(picture.scaledToWidth(qMin(picture.width(), 600), Qt::SmoothTransformation));
}

} // namespace

TQMaterialComments::TQMaterialComments(QWidget *parent)
    : QWidget(parent)
    , mLayout(new QVBoxLayout(this))
{
}

void TQMaterialComments::showComments(long materialID, int pageIndex, int indexInPage, int, int)
{
    qDeleteAll(mImages);
    mImages.clear();
    mUrls.clear();
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    const MaterialDetailBean *material = nullptr;
    if (course)
        for (const MaterialDetailBean *m : course->course_materials)
            if (m && m->materialId == materialID)
                material = m;
    if (!material || pageIndex < 0 || pageIndex >= int(material->mFileItems.size()))
        return;
    setWindowTitle(QStringLiteral("%1-第%2页的备注")
                       .arg(QString::fromStdString(material->materialName))
                       .arg(pageIndex + 1));
    const auto &notes = material->mFileItems[size_t(pageIndex)].correlations;
    for (int i = 0; i < int(notes.size()); ++i) {
        const QString url = QString::fromStdString(notes[size_t(i)].data.fileUrl);
        if (i == indexInPage)
            mUrls.prepend(url);
        else
            mUrls.append(url);
    }
    for (const QString &url : qAsConst(mUrls)) {
        auto *label = new QLabel(url, this);
        mLayout->addWidget(label);
        mImages.append(label);
        const QString cached = CFileDownloader::getDownloadedFile(url);
        if (cached.size() > 2)
            showImage(label, cached);
    }
}

void TQMaterialComments::imageDownloaded(const QString &url, const QString &localPath)
{
    for (int i = 0; i < mUrls.size(); ++i)
        if (mUrls.at(i) == url)
            showImage(mImages.at(i), localPath);
}
