#include "actions/status/TQPlayerStatusAction.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQPlayerStatusAction::TQPlayerStatusAction(int code)
    : TQStatusAction(code)
{
}

void TQPlayerStatusAction::toString(std::string &out) const
{
    TQActionTextWriter writer(out);
    writePlayer(writer);
    writer.close();
}

void TQPlayerStatusAction::writePlayer(TQActionTextWriter &writer) const
{
    writer.add(-1).add(type).add(playState).add(topIndex).add(playID).add(drawingWidth).add(drawingHeight).add(startX)
        .add(startY).add(playerWidth).add(playerHeight).add(playerCurrent).add(url).addBase64(title);
}

void TQPlayerStatusAction::readPlayer(const TQActionFields &fields)
{
    playState = fields.toInt(2);
    topIndex = fields.toInt(3);
    playID = fields.toInt(4);
    drawingWidth = fields.toInt(5);
    drawingHeight = fields.toInt(6);
    startX = fields.toInt(7);
    startY = fields.toInt(8);
    playerWidth = fields.toInt(9);
    playerHeight = fields.toInt(10);
    playerCurrent = fields.toInt(11);
    url = fields.text(12);
    title = fields.base64Text(13);
}

bool TQPlayerStatusAction::playerFieldsNumeric(const TQActionFields &fields)
{
    return !fields.hasNonNumeric(2, 11, "LiveBroadcast: %d of %s is non numeric");
}
