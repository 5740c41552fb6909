#include "modules/live/menu/TQShapeLayout.h"

#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "shapes/TQShapeData.h"
#include "shapes/TQShapeImageBean.h"
#include "shapes/TQShapeTypeBean.h"
#include "utils/CLog.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

constexpr int kTabularCode = 2101;
constexpr int kTriangleFixedAngleCode = 2305;
constexpr int kPolygonCode = 2314;

} // namespace

TQShapeLayout::TQShapeLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
    menuJson();
}

TQShapeLayout::~TQShapeLayout() = default;

QJsonArray TQShapeLayout::menuJson()
{
    static const QJsonArray menu = [] {
        QJsonArray subjects;
        const char *const titles[] = {"数学", "物理", "化学"};
        for (int subject = 0; subject < 3; ++subject) {
            QJsonObject json;
            json.insert(QStringLiteral("title"), QString::fromUtf8(titles[subject]));
            json.insert(QStringLiteral("categories"),
                        TQShapeData::toCategoryJson(TQShapeData::shapesForSubject(subject)));
            subjects.append(json);
        }
        return subjects;
    }();
    return menu;
}

void TQShapeLayout::show()
{
    emit showShapeLayout_signal(menuJson());
    updateRecentShapesToQml();
}

void TQShapeLayout::updateRecentShapesToQml()
{
    const std::vector<TQShapeImageBean *> recent = TQShapeData::recentlyUsed();
    CLog::debug(QStringLiteral("recentShapeList size %1").arg(recent.size()));
    QJsonArray items;
    for (const TQShapeImageBean *item : recent)
        items.append(item->toJson());
    emit updateRecentShapes_signal(items);
}

void TQShapeLayout::menuShape(int type, int code, int toStudentCode, QString drawingImagePath,
                              QString qmlIconImagePath)
{
    CLog::debug(QStringLiteral("in imagePath %1").arg(drawingImagePath));
    auto *record = new TQShapeImageBean(qmlIconImagePath.toStdString(), code, type, toStudentCode,
                                        drawingImagePath.toStdString());
    CLog::debug(QStringLiteral("new bean recent %1")
                    .arg(QString::fromUtf8(QJsonDocument(record->toJson()).toJson(QJsonDocument::Compact))));

    // The recent list takes the record over unless it already had the code;
    // the title entry in front of what it returns is ours.
    const std::vector<TQShapeAny *> withRecent = TQShapeData::updateRecentlyUsed(record);
    const bool taken = std::find(withRecent.begin(), withRecent.end(), record) != withRecent.end();
    if (!withRecent.empty())
        delete withRecent.front();

    switch (code) {
    case kTabularCode:
        emit showShapeTabularSetting_signal();
        break;
    case kTriangleFixedAngleCode:
        emit showShapeTriangleFixedAngle_signal();
        break;
    case kPolygonCode:
        emit showShapePolygonSetting_signal();
        break;
    default:
        selectShape(record);
        break;
    }
    if (!taken)
        delete record;
}

void TQShapeLayout::close()
{
}

void TQShapeLayout::shapeTabularClicked(int nRow, int nCol)
{
    TQShapeImageBean item("", kTabularCode, 0, -1, "");
    item.rows = nRow;
    item.columns = nCol;
    selectShape(&item);
}

void TQShapeLayout::shapePolygonClicked(int polygonNumber)
{
    TQShapeImageBean item("", kPolygonCode, 0, -1, "");
    item.edges = polygonNumber;
    selectShape(&item);
}

void TQShapeLayout::shapeTriangleFixedAngleClicked(int angle1, int angle2)
{
    TQShapeImageBean item("", kTriangleFixedAngleCode, 0, -1, "");
    item.angleA = angle1;
    item.angleB = angle2;
    selectShape(&item);
}

void TQShapeLayout::selectShape(TQShapeImageBean *item)
{
    // The window may already be closing; then the pick is only remembered.
    TQLiveBroadCastActivity *activity = methodService() ? methodService()->getActivity() : nullptr;
    if (activity)
        activity->menuShape(item);
}
