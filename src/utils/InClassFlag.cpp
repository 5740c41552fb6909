#include "utils/InClassFlag.h"

bool inClassFlag = true;
