#pragma once

#include <QJsonObject>
#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"

#include <memory>

class CommonService;
class CourseService;
class MaterialService;
class TQLiveMaterialViewModel;

// The material list panel of the class page ("materialListLayout"). No parent;
// the window deletes it.
class TQLiveMaterialListLayout : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQLiveMaterialListLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
    ~TQLiveMaterialListLayout() override;

    // Asks the service for a material's detail; the reply's "returnResult"
    // arrives as httpAddMaterialDetail_signal, a failure stays with the
    // view model.
    void requestMaterialDetail(int materialID, int rawMaterialID);

signals:
    // The detail of a material the teacher added to the class.
    void httpAddMaterialDetail_signal(QJsonObject joMaterialDetail);

private:
    // Made on the first request; the view model goes before its services.
    std::unique_ptr<MaterialService> mMaterialService;
    std::unique_ptr<CourseService> mCourseService;
    std::unique_ptr<CommonService> mCommonService;
    std::unique_ptr<TQLiveMaterialViewModel> mViewModel;
};
