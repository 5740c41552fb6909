#include "modules/live/broadcast/LiveWindowFactory.h"

#include "modules/live/broadcast/TQLiveBroadCastActivity.h"

TQLiveBroadCastActivity *LiveWindowFactory::create(int courseID, int courseScheduleID)
{
    return new TQLiveBroadCastActivity(courseID, courseScheduleID);
}
