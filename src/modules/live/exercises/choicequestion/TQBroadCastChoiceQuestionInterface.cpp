#include "modules/live/exercises/choicequestion/TQBroadCastChoiceQuestionInterface.h"

TQBroadCastChoiceQuestionInterface::TQBroadCastChoiceQuestionInterface() = default;
