#include "utils/screenShot/CScreenDrawTool.h"

CScreenDrawTool::CScreenDrawTool(QWidget *parent)
    : QWidget(parent)
{
}

CScreenDrawTool::~CScreenDrawTool() = default;

void CScreenDrawTool::setUndoEnabled(bool enabled)
{
    Q_UNUSED(enabled)
}

void CScreenDrawTool::onTextCommitted()
{
}
