#pragma once

// What the writing tools of the menus ask of the class's board.
class TQBlackboardWritingToolsInterface
{
public:
    virtual ~TQBlackboardWritingToolsInterface() = default;
};
