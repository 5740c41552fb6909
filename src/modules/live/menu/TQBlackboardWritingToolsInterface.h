#pragma once

// What the writing tools of the menus ask of the class's board. Every
// operation does nothing unless an implementation answers it.
class TQBlackboardWritingToolsInterface
{
public:
    virtual ~TQBlackboardWritingToolsInterface() = default;
    // 0, 1, 2: the big, middle and small eraser.
    virtual void setEraserSize(int size) { (void)size; }
    virtual void cleanCurrentPage() {}
    virtual void copyCurrentPage() {}
};
