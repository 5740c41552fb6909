#include "modules/live/bean/MaterialBriefBean.h"

#include "utils/CDataHelper.h"

MaterialBriefBean::MaterialBriefBean(QObject *parent)
    : QObject(parent)
{
}

MaterialBriefBean::MaterialBriefBean(const QJsonObject &json)
    : materialId(CDataHelper::jsonValueToLongLong(json.value(QLatin1String("material_id"))))
    , rawMaterialId(CDataHelper::jsonValueToLongLong(json.value(QLatin1String("raw_material_id"))))
    , materialName(CDataHelper::jsonValueToStdString(json.value(QLatin1String("material_name"))))
    , materialType(CDataHelper::jsonValueToInt(json.value(QLatin1String("material_type"))))
    , materialFileProcessState(CDataHelper::jsonValueToInt(json.value(QLatin1String("material_file_process_state"))))
{
}

MaterialBriefBean::~MaterialBriefBean() = default;
