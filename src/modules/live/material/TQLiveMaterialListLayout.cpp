#include "modules/live/material/TQLiveMaterialListLayout.h"

#include "common/CommonService.h"
#include "modules/coach/course/CourseService.h"
#include "modules/coach/material/MaterialService.h"
#include "modules/coach/material/TQLiveMaterialViewModel.h"

TQLiveMaterialListLayout::TQLiveMaterialListLayout(TQBroadCastMethodService *methodService,
                                                   TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

TQLiveMaterialListLayout::~TQLiveMaterialListLayout() = default;

void TQLiveMaterialListLayout::requestMaterialDetail(int materialID, int rawMaterialID)
{
    if (!mViewModel) {
        mMaterialService = std::make_unique<MaterialService>();
        mCourseService = std::make_unique<CourseService>();
        mCommonService = std::make_unique<CommonService>();
        mViewModel = std::make_unique<TQLiveMaterialViewModel>(mMaterialService.get(), mCourseService.get(),
                                                               mCommonService.get());
        connect(mViewModel.get(), &TQLiveMaterialViewModel::requestMaterialDetailSuccess_signal, this,
                [this](QJsonObject &reply) { emit httpAddMaterialDetail_signal(reply); });
    }
    mViewModel->requestMaterialDetail(materialID, rawMaterialID);
}
