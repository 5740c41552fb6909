#pragma once

#include "modules/live/exercises/choicequestion/TQChoiceQuestionInterface.h"

// The class's one choice-question interface, handed to every result window.
class TQBroadCastChoiceQuestionInterface : public TQChoiceQuestionInterface
{
public:
    TQBroadCastChoiceQuestionInterface();
};
