#include "shapes/TQShapeBigParantheses.h"

#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
// A quarter turn as the float value the brace's tips are turned by.
constexpr double kQuarterTurnF = double(1.5707964f);

// The slope angle of the line from a to b, -pi/2 to pi/2; NaN for a on b.
float slopeAngle(const TQPointWF &a, const TQPointWF &b)
{
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    if (dx != 0)
        return std::atan(dy / dx);
    if (dy == 0)
        return std::nanf("");
    return float(dy > 0 ? kPi / 2 : -kPi / 2);
}

} // namespace

void TQShapeBigParantheses::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    const auto mid = &TQShapeGeneric::midpointOf;
    const auto rot = &rotatePointAround;
    const TQPointWF A = TQShapeOutline::rescaledPoint(*context, vertices[0]->position);
    const TQPointWF B = TQShapeOutline::rescaledPoint(*context, vertices[1]->position);
    const float length = pointDistance(A, B);
    const float k = length < 50 ? 2.0f : 6.0f;

    // C0: k from B on the line, on A's side.
    const float phi = slopeAngle(A, B);
    TQPointWF c0(B.x + k * std::cos(phi), B.y + k * std::sin(phi));
    if (pointDistance(A, c0) > length)
        c0 = rot(c0, B, kPi);
    const TQPointWF C = rot(B, c0, kPi);
    const TQPointWF D = rot(C, mid(A, B), kPi);

    // The tip at A, the tip at B, the middle point and the curve between.
    const TQPointWF E = rot(mid(A, D), D, -kQuarterTurnF);
    const TQPointWF F = rot(mid(A, D), D, kQuarterTurnF);
    const TQPointWF G = mid(E, F);
    const TQPointWF H = rot(F, G, kPi / 2);
    const TQPointWF I = rot(mid(B, C), C, kPi / 2);
    const TQPointWF J = rot(mid(B, C), C, -kPi / 2);
    const TQPointWF K = mid(I, J);
    const TQPointWF L = rot(J, K, -kPi / 2);
    const TQPointWF M = mid(G, K);
    const TQPointWF N = mid(E, I);
    const TQPointWF O = rot(N, M, kPi / 2);
    const TQPointWF Q = rot(N, M, -kPi / 2);
    const TQPointWF P((M.x + N.x) / 2, 0.75f * N.y + 0.25f * O.y);
    const TQPointWF R((M.x + N.x) / 2, 0.75f * N.y + 0.25f * Q.y);

    outline.space = TQShapeOutline::Canvas;
    outline.addLine({F, G, H, O, P, N, R, Q, L, K, J, J}, false, false);
}
