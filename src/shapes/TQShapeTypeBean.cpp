#include "shapes/TQShapeTypeBean.h"

#include <utility>

TQShapeTypeBean::TQShapeTypeBean(std::string title)
    : title(std::move(title))
{
}
