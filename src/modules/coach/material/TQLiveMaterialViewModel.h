#pragma once

#include "platform/http/Failure.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

class CommonService;
class CourseService;
class MaterialService;
class httpRequest;

// The material requests of a class: browse the library, open a material,
// add materials to the running schedule. Each reply's "returnResult" is
// passed on (an empty object when missing); all three share one failure
// signal. No state besides the services, none of which it owns.
class TQLiveMaterialViewModel : public QObject
{
    Q_OBJECT

public:
    // The configuration service is kept for its owner; no request here uses it.
    TQLiveMaterialViewModel(MaterialService *materialService, CourseService *courseService,
                            CommonService *commonService);

    void requestDirContent(int dirID, int page, int pageSize, int materialType);
    void requestMaterialDetail(int materialID, int rawMaterialID);
    void requestAddCourseMaterials(int courseID, int scheduleID, const QString &prepareData, bool alternateAssign);

signals:
    void requestDirContentSuccess_signal(QJsonObject &responseDataForDirContent);
    void requestMaterialDetailSuccess_signal(QJsonObject &responseDataForMaterialDetail);
    void requestAddCourseMaterialsSuccess_signal(QJsonObject &responseDataForAddCourseMaterials);
    void failure_signal(Failure &f);

public slots:
    void requestDirContentSuccess_slot(QJsonObject &reply);
    void requestMaterialDetailSuccess_slot(QJsonObject &reply);
    void requestAddCourseMaterialsSuccess_slot(QJsonObject &reply);
    void handleFailure_slot(Failure &f);

private:
    void send(httpRequest *request, void (TQLiveMaterialViewModel::*onSuccess)(QJsonObject &));

    MaterialService *m_materialService;
    CourseService *m_courseService;
    CommonService *m_commonService;
};
