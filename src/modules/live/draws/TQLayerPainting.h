#pragma once

class QPainter;
class QPixmap;
class QString;

// Helpers the painted board layers share.

// Counts one paint-time problem of a layer and logs `message` (%1 = the
// count) with `tag`. Such problems repeat on every frame: they are logged for
// the first 39 occurrences and then on every 40th.
void logPaintProblem(int &count, const QString &message, const QString &tag);

// Makes every pixel of `pixmap` transparent. A layer keeps a painter open on
// its pixmap, and a pixmap being painted on cannot be filled directly, so the
// fill goes through `painter` when it is active.
void fillTransparent(QPainter *painter, QPixmap *pixmap);
