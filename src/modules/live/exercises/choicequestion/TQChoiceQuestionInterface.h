#pragma once

// What a choice-question result window may ask of the class.
class TQChoiceQuestionInterface
{
public:
    virtual ~TQChoiceQuestionInterface() = default;
};
