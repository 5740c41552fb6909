#pragma once

#include "modules/live/draws/TQPointW.h"
#include "modules/live/draws/TQPointWF.h"

#include <QPointF>
#include <QVector>

#include <vector>

// Geometry of stroke points shared by the stroke paths and tools.

// x and y x 4 truncated toward zero (quarter units); the other fields copied.
TQPointW toPointW(const TQPointWF &point);
// A move sample (phase 1) at p with the given pressure, reference 820 x 520.
TQPointWF fromQPointF(const QPointF &p, float pressure = 1.0f);
// fromQPointF(p) on the right outline side (cid 1).
TQPointWF fromQPointFRight(const QPointF &p);

float pointDistance(const TQPointWF &a, const TQPointWF &b);
double qpointDistance(const QPointF &a, const QPointF &b);
QPointF midPoint(const QPointF &a, const QPointF &b);
// Direction from a to b in radians.
float lineAngle(const QPointF &a, const QPointF &b);
// The segment a-b extended by d before a (atStart) or beyond b.
QPointF extendSegment(const QPointF &a, const QPointF &b, float d, bool atStart);
// p moved by d at right angles to the direction theta (left when plus).
QPointF perpendicularPoint(const QPointF &p, float d, float theta, bool plus);
// For exactly three points: whether p0 -> p1 -> p2 turns clockwise; false otherwise.
bool isClockwiseTurn(const std::vector<TQPointWF> &points);
// For exactly three points: the angle at p1 in radians (about pi for a
// straight run, near 0 when the stroke turns back); 0 otherwise.
float cornerAngle(const std::vector<TQPointWF> &points);
// Distance per 100 ms between two samples; 0 at the same position, and at
// least 1 ms between them so equal time stamps never divide by 0.
float pointSpeed(const TQPointWF &a, const TQPointWF &b);
// For exactly three points: fills their speeds from the two segment speeds.
void smoothSpeeds(std::vector<TQPointWF> &points);
QVector<QPointF> toQPointFList(const std::vector<TQPointWF> &points);
