#include "actions/status/TQStatusActionCameraVideo.h"

namespace {

using Record = TQStatusActionCameraVideo;

const TQIntElement<Record> kElements[] = {intLiteral<Record>(-1), {&Record::type, false}, {&Record::userID},
                                          {&Record::videoState}, {&Record::videoReason}};

} // namespace

TQIntLayout<TQStatusActionCameraVideo> TQStatusActionCameraVideo::textLayout()
{
    return kElements;
}

TQStatusActionCameraVideo *TQStatusActionCameraVideo::cameraVideoFromString(std::string text)
{
    return parse(text, 2, 4);
}
