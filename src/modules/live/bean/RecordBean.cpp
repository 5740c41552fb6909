#include "modules/live/bean/RecordBean.h"

#include "utils/TextFill.h"

std::string RecordBean::toString() const
{
    const auto q = [](const std::string &text) { return QString::fromStdString(text); };
    return fillPlaceholders(QStringLiteral("RecordBean(fileId='%1', fileName='%2', fileUrl='%3', fileMd5='%4', "
                                           "fileSize='%5', fileType='%6', attribute=%7)"),
                            {q(fileId), q(fileName), q(fileUrl), q(fileMd5), q(fileSize), q(fileType),
                             q(attribute.toString())})
        .toStdString();
}
