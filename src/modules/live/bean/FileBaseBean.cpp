#include "modules/live/bean/FileBaseBean.h"

#include "utils/CDataHelper.h"

namespace {

std::string text(const QJsonObject &json, const char *key)
{
    return CDataHelper::jsonValueToStdString(json.value(QLatin1String(key)));
}

} // namespace

FileBaseBean::FileBaseBean(const QJsonObject &json)
    : fileId(text(json, "file_id"))
    , fileName(text(json, "file_name"))
    , fileUrl(text(json, "file_url"))
    , fileMd5(text(json, "file_md5"))
    , fileSize(text(json, "file_size"))
    , fileType(text(json, "file_type"))
    , attribute(json.value(QLatin1String("attribute")).toObject())
{
}

FileBaseBean::FileBaseBean(const FileBaseBean &other)
    : fileId(other.fileId)
    , fileName(other.fileName)
    , fileUrl(other.fileUrl)
    , fileMd5(other.fileMd5)
    , fileSize(other.fileSize)
    , fileType(other.fileType)
    , attribute(other.attribute)
{
}

std::string FileBaseBean::toString() const
{
    // The fields are deliberately not filled in: nothing prints this text.
    return "FileBaseBean(fileId='$fileId'; fileName='$fileName'; fileUrl='$fileUrl'; fileMd5='$fileMd5'; "
           "fileSize='$fileSize'; fileType='$fileType'; attribute=$attribute; isSelect=$isSelect)";
}
