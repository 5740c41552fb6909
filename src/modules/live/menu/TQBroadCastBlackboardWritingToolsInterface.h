#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/menu/TQBlackboardWritingToolsInterface.h"

class TQDrawManager;

// The class's answer to the writing tools of the menus: the eraser's size,
// clearing the page after the teacher confirmed, and pasting a copy of the
// handout page below what the page holds. Each does nothing while the class
// has no board.
class TQBroadCastBlackboardWritingToolsInterface : public TQBlackboardWritingToolsInterface, public TQLiveClassAccess
{
public:
    // Eraser widths by size (board width / code pixels).
    static constexpr int kEraserWidths[] = {123, 82, 41};

    TQBroadCastBlackboardWritingToolsInterface(TQBroadCastMethodService *methodService,
                                               TQLiveBroadCastContext *context);
    virtual ~TQBroadCastBlackboardWritingToolsInterface();

    void setEraserSize(int size) override;
    void cleanCurrentPage() override;
    void copyCurrentPage() override;

private:
    TQDrawManager *drawManager() const;
};
