#include "modules/live/bean/FileBriefBean.h"

#include "utils/CDataHelper.h"

namespace {

template <typename Record>
std::vector<Record> recordsFrom(const QJsonArray &array)
{
    std::vector<Record> records;
    records.reserve(size_t(array.size()));
    for (const QJsonValue &element : array)
        records.emplace_back(element.toObject());
    return records;
}

} // namespace

FileBriefBean::FileBriefBean(const QJsonObject &json)
    : FileBaseBean(json)
    , materialPageId(CDataHelper::jsonValueToStdString(json.value(QLatin1String("material_page_id"))))
    , materialPageNumber(CDataHelper::jsonValueToStdString(json.value(QLatin1String("material_page_number"))))
{
    setCorrelations(json.value(QLatin1String("correlations")).toArray());
    setMaterialPageExtras(json.value(QLatin1String("material_page_extras")).toArray());
}

void FileBriefBean::setCorrelations(const QJsonArray &array)
{
    correlations = recordsFrom<Correlation>(array);
}

void FileBriefBean::setMaterialPageExtras(const QJsonArray &array)
{
    materialPageExtras = recordsFrom<FileBaseBean>(array);
}
