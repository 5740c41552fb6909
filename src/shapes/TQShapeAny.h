#pragma once

// An entry of the shape catalogue: a category title or a menu item. Lists of
// entries are walked through this base and told apart by dynamic_cast.
class TQShapeAny
{
public:
    virtual ~TQShapeAny() = default;
};
