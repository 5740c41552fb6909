#include "modules/live/draws/TQBoardSize.h"

namespace {

int g_boardWidth = 1000;
int g_boardHeight = 640;

} // namespace

int boardWidth()
{
    return g_boardWidth;
}

int boardHeight()
{
    return g_boardHeight;
}

void setBoardSize(int width, int height)
{
    g_boardWidth = width;
    g_boardHeight = height;
}
