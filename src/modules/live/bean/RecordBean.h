#pragma once

#include "modules/live/bean/FileBaseBean.h"

#include <string>

// A recorded file of a course: the fields of a file with its own debug text.
// The course record carries one that nothing fills.
class RecordBean : public FileBaseBean
{
public:
    std::string toString() const override;
};
