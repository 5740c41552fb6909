#pragma once

#include "modules/live/bean/Correlation.h"
#include "modules/live/bean/FileBaseBean.h"

#include <QJsonArray>
#include <QJsonObject>

#include <string>
#include <vector>

// A file that is a page of a material: the file plus the page's id, number,
// related files and extra files (for example videos with their time lines).
class FileBriefBean : public FileBaseBean
{
public:
    FileBriefBean() = default;
    explicit FileBriefBean(const QJsonObject &json);
    FileBriefBean(const FileBriefBean &) = default;
    FileBriefBean &operator=(const FileBriefBean &) = default;
    ~FileBriefBean() override = default;

    // Replace the list with one record per array element, in order.
    void setCorrelations(const QJsonArray &array);
    void setMaterialPageExtras(const QJsonArray &array);

    std::string materialPageId;
    // A text, as the server sends it.
    std::string materialPageNumber;
    std::vector<Correlation> correlations;
    std::vector<FileBaseBean> materialPageExtras;
};
