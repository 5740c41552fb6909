#pragma once

#include <QJsonObject>
#include <QObject>

#include <string>

// What identifies a course material and its kind. A Qt object class without
// properties, signals or slots.
class MaterialBriefBean : public QObject
{
public:
    enum Type { kVideoMaterial = 3, kAudioMaterial = 6 };

    explicit MaterialBriefBean(QObject *parent = nullptr);
    // "material_id", "raw_material_id", "material_name", "material_type",
    // "material_file_process_state"; missing keys give 0 or "".
    explicit MaterialBriefBean(const QJsonObject &json);
    ~MaterialBriefBean() override;

    MaterialBriefBean(const MaterialBriefBean &) = delete;
    MaterialBriefBean &operator=(const MaterialBriefBean &) = delete;

    qint64 materialId = -1;
    qint64 rawMaterialId = -1;
    std::string materialName;
    int materialType = 0;
    // Conversion of the material's files on the server: 0 or 4 ready,
    // 1 waiting, 2 converting, 3 failed.
    int materialFileProcessState = -1;
};
