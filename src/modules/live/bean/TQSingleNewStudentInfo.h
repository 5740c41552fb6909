#pragma once

#include <string>

// A note about one newly added student; the course keeps a map of them that
// nothing fills yet.
class TQSingleNewStudentInfo
{
public:
    std::string key;
    int value = 0;
    std::string text;
};
