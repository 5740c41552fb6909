#pragma once

#include <cstdint>

// One visit of a material page during the class, as the drawing history
// remembers it: which history positions belong to it and from where a late
// student has to replay the page.
struct TQPageVisitTrace
{
    int32_t materialRef = 0;
    // 0 for a material selection.
    int32_t targetPageNum = 0;
    // The smallest opening position of this and every earlier visit of the page.
    int32_t minDrawStartingIndex = 0;
    // The last history position belonging to the visit.
    int32_t lastIndex = 0;
};
