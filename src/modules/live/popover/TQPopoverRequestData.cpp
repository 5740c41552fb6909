#include "modules/live/popover/TQPopoverRequestData.h"

TQPopoverRequestData::~TQPopoverRequestData() = default;
