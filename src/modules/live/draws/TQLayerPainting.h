#pragma once

class QPainter;
class QPixmap;

// Helpers the painted board layers share.

// Paint-time problems repeat on every frame: they are logged for the first 39
// occurrences and then on every 40th.
bool shouldLogPaintProblem(int count);

// Makes every pixel of `pixmap` transparent. A layer keeps a painter open on
// its pixmap, and a pixmap being painted on cannot be filled directly, so the
// fill goes through `painter` when it is active.
void fillTransparent(QPainter *painter, QPixmap *pixmap);
