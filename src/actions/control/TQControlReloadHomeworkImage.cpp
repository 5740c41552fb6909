#include "actions/control/TQControlReloadHomeworkImage.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQControlReloadHomeworkImage::TQControlReloadHomeworkImage()
    : TQControlAction(151)
{
}

void TQControlReloadHomeworkImage::toString(std::string &out) const
{
    TQActionTextWriter(out).add(-1).add(type).add(targetUserId).add(mImageUrl).add(mHomeworkID).close();
}

TQControlReloadHomeworkImage *TQControlReloadHomeworkImage::reloadHomeworkImageFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 5 || fields.hasNonNumeric(1, 2) || fields.hasNonNumeric(4, 4))
        return nullptr;
    auto *reload = new TQControlReloadHomeworkImage;
    reload->targetUserId = fields.toInt(2);
    reload->mImageUrl = fields.text(3);
    reload->mHomeworkID = fields.toInt(4);
    return reload;
}
