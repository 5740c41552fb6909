#pragma once

#include "shapes/TQShapeAny.h"

#include <string>

// A category of the shape menu: the items after it in a list belong to it.
class TQShapeTypeBean : public TQShapeAny
{
public:
    explicit TQShapeTypeBean(std::string title);

    std::string title;
};
