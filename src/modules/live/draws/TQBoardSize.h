#pragma once

// The board's size in pixels, process-wide: 1000 x 640 until the live-class
// window sets the real size. Pen widths, chalk widths and page image elements
// are proportional to the board width. GUI thread only.
int boardWidth();
int boardHeight();
void setBoardSize(int width, int height);
