#include "actions/control/TQControlBulkMessage.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"
#include "utils/CLog.h"

TQControlBulkMessage::TQControlBulkMessage()
    : TQControlAction(108)
{
}

void TQControlBulkMessage::toString(std::string &out) const
{
    TQActionTextWriter header(out);
    header.add(-1).add(type);
    if (isFastMode)
        header.add(0).add(mProperStartIndex).add(0).add(0).add(mMaxIndex).add(0);
    else
        header.add(1).add(0).add(0).add(0).add(0).add(0);
    header.close();

    if (mArrayOfUserIds.empty())
        CLog::print(QStringLiteral("LiveBroadcast:userID missing in TQControlBulkMessage,mArrayOfUserIds count == 0"));
    out += ",[";
    for (size_t i = 0; i < mArrayOfUserIds.size(); ++i) {
        if (i > 0)
            out += ',';
        TQActionTextWriter::appendNumber(out, mArrayOfUserIds[i]);
    }
    out += ']';
    out += mDrawingText;
    if (isEnd)
        out += ",[end]";
}

TQControlBulkMessage *TQControlBulkMessage::bulkMessageFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 8 || fields.hasNonNumeric(0, 7))
        return nullptr;
    auto *message = new TQControlBulkMessage;
    message->isFastMode = fields.toInt(2) == 0;
    if (message->isFastMode) {
        message->mProperStartIndex = fields.toInt(3);
        message->mMaxIndex = fields.toInt(6);
    }
    return message;
}
