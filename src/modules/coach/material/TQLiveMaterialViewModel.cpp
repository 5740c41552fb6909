#include "modules/coach/material/TQLiveMaterialViewModel.h"

#include "modules/coach/course/CourseService.h"
#include "modules/coach/material/MaterialService.h"
#include "platform/http/ApiCall.h"

TQLiveMaterialViewModel::TQLiveMaterialViewModel(MaterialService *materialService, CourseService *courseService,
                                                 CommonService *commonService)
    : m_materialService(materialService), m_courseService(courseService), m_commonService(commonService)
{
}

void TQLiveMaterialViewModel::send(httpRequest *request, void (TQLiveMaterialViewModel::*onSuccess)(QJsonObject &))
{
    ApiCall::send(request, this, onSuccess, &TQLiveMaterialViewModel::handleFailure_slot);
}

void TQLiveMaterialViewModel::requestDirContent(int dirID, int page, int pageSize, int materialType)
{
    send(m_materialService->getDirContents(dirID, page, pageSize, materialType),
         &TQLiveMaterialViewModel::requestDirContentSuccess_slot);
}

void TQLiveMaterialViewModel::requestMaterialDetail(int materialID, int rawMaterialID)
{
    send(m_materialService->getCourseMaterialDetail(materialID, rawMaterialID),
         &TQLiveMaterialViewModel::requestMaterialDetailSuccess_slot);
}

void TQLiveMaterialViewModel::requestAddCourseMaterials(int courseID, int scheduleID, const QString &prepareData,
                                                        bool alternateAssign)
{
    send(m_courseService->prepareCourseSchedule(courseID, scheduleID, prepareData, alternateAssign),
         &TQLiveMaterialViewModel::requestAddCourseMaterialsSuccess_slot);
}

void TQLiveMaterialViewModel::requestDirContentSuccess_slot(QJsonObject &reply)
{
    ApiCall::relayResult(this, &TQLiveMaterialViewModel::requestDirContentSuccess_signal, reply);
}

void TQLiveMaterialViewModel::requestMaterialDetailSuccess_slot(QJsonObject &reply)
{
    ApiCall::relayResult(this, &TQLiveMaterialViewModel::requestMaterialDetailSuccess_signal, reply);
}

void TQLiveMaterialViewModel::requestAddCourseMaterialsSuccess_slot(QJsonObject &reply)
{
    ApiCall::relayResult(this, &TQLiveMaterialViewModel::requestAddCourseMaterialsSuccess_signal, reply);
}

void TQLiveMaterialViewModel::handleFailure_slot(Failure &f)
{
    emit failure_signal(f);
}
