#include "actions/status/TQStatusUserResponse.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQStatusUserResponse::TQStatusUserResponse()
    : TQStatusAction(157)
{
}

void TQStatusUserResponse::toString(std::string &out) const
{
    TQActionTextWriter(out)
        .add(-1).add(type).addFlag(isCameraPermitted).addFlag(isPhotoRollPermitted).addFlag(isMicrophonePermitted)
        .add(responseValueA).add(clientDeviceType).add(clientUsingVersion).add(clientNewestVersion)
        .add(studentBalance).add(responseValueB).add(responseValueC).add(responseValueD).addFlag(isWritingLost)
        .close();
}

TQStatusUserResponse *TQStatusUserResponse::userResponseFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 14 || fields.hasNonNumeric(2, 9, "LiveBroadcast: %d of %s is non numeric"))
        return nullptr;
    auto *response = new TQStatusUserResponse;
    response->isCameraPermitted = fields.isOne(2);
    response->isPhotoRollPermitted = fields.isOne(3);
    response->isMicrophonePermitted = fields.isOne(4);
    response->responseValueA = fields.toInt(5);
    response->clientDeviceType = fields.toInt(6);
    response->clientUsingVersion = fields.toInt(7);
    response->clientNewestVersion = fields.toInt(8);
    response->studentBalance = fields.toInt(9);
    response->responseValueB = fields.toInt(10);
    response->responseValueC = fields.toInt(11);
    response->responseValueD = fields.toInt(12);
    response->isWritingLost = fields.isOne(13);
    return response;
}
