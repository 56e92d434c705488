// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/depth.h"

#include "drawing/plot.h"
#include "drawing/projection.h"
#include "numeric/angles.h"

#include <algorithm>

namespace esferica {

namespace {

// Rounding must not split a line where the picture shows nothing to split, and these bounds are
// far below a pixel. A crossing this close to an end of the arc (radians) is at the end: the
// meridian that faces the viewer meets the outline only at its poles. A depth within this of zero
// (radii of the sphere) is on the outline, which counts as near: the equator seen from above lies
// along the outline, its depth a sinusoid of rounding errors.
constexpr double kAtTheEnd = 1e-9;
constexpr double kOnOutline = 1e-9;

// The plotters' step of parameter angle.
Real step() {
    return Real(kPi) / kSegmentsPerHalfTurn;
}

// The cosines and sines of j steps, j = 0 to kTableSteps: an arc's inner points are its first one
// turned by whole steps, so that a grid of thousands of lines computes no sine or cosine per point.
// A whole turn and one step more covers every arc of the picture.
constexpr int kTableSteps = 2 * kSegmentsPerHalfTurn + 1;
struct StepTable {
    std::array<Real, kTableSteps + 1> c, s;
};
const StepTable& stepTable() {
    static const StepTable table = [] {
        StepTable t;
        for (int j = 0; j <= kTableSteps; ++j) {
            const Real angle = j * step();
            t.c[static_cast<std::size_t>(j)] = cos(angle);
            t.s[static_cast<std::size_t>(j)] = sin(angle);
        }
        return t;
    }();
    return table;
}

Flat flat(const Seen& p) {
    return {p.x, p.y};
}

} // namespace

Seen operator+(const Seen& p, const Seen& q) {
    return {p.x + q.x, p.y + q.y, p.d + q.d};
}
Seen operator-(const Seen& p, const Seen& q) {
    return {p.x - q.x, p.y - q.y, p.d - q.d};
}
Seen operator*(const Seen& p, Real s) {
    return {p.x * s, p.y * s, p.d * s};
}
Real dot(const Seen& p, const Seen& q) {
    return p.x * q.x + p.y * q.y + p.d * q.d;
}
Seen cross(const Seen& p, const Seen& q) {
    return {p.y * q.d - p.d * q.y, p.d * q.x - p.x * q.d, p.x * q.y - p.y * q.x};
}
Real length(const Seen& p) {
    return sqrt(dot(p, p));
}

Seen towards(const Seen& from, const Seen& to) {
    const Seen n = cross(from, to);
    return cross(n, from) * (1 / length(n));
}

Tilt tiltOf(Real inclination) {
    return {sin(inclination), cos(inclination)};
}

Seen seenVector(Real X, Real Y, Real Z, const Tilt& tilt) {
    return {X, Z * tilt.c + Y * tilt.s, Z * tilt.s - Y * tilt.c};
}

Seen seenPoint(Real latitud, Real longitud, const Tilt& tilt) {
    const Real sLat = sin(latitud), cLat = cos(latitud), sLong = sin(longitud);
    return {PosxOf(cLat, cos(longitud)), PosyOf(sLat, cLat, tilt.s, tilt.c, sLong),
            sLat * tilt.s - (cLat * sLong) * tilt.c};
}

Seen SphereCircle::at(Real t) const {
    return centre + u * cos(t) + v * sin(t);
}

SphereCircle parallelCircle(Real phi, const Tilt& tilt) {
    const Real c = cos(phi);
    return {seenVector(0, 0, sin(phi), tilt), seenVector(c, 0, 0, tilt), seenVector(0, c, 0, tilt)};
}

SphereCircle meridianCircle(Real lambda, const Tilt& tilt) {
    return {{0, 0, 0}, seenVector(cos(lambda), sin(lambda), 0, tilt), seenVector(0, 0, 1, tilt)};
}

Arc arcOf(const SphereCircle& circle, Real origin, Real from, Real to) {
    return {circle, origin, from, to, flat(circle.at(from)), flat(circle.at(to))};
}

DepthParts splitByDepth(const Arc& arc) {
    const SphereCircle& g = arc.circle;
    const Real length = arc.to - arc.from;
    // The depth along the arc, s = t - from: d(s) = c + a cos s + b sin s.
    const Real cf = cos(arc.from), sf = sin(arc.from);
    const Real c = g.centre.d;
    const Real a = g.u.d * cf + g.v.d * sf, b = g.v.d * cf - g.u.d * sf;
    const auto depth = [&](Real s) {
        return c + a * cos(s) + b * sin(s);
    };

    // d(s) = c + R cos(s - tau) is zero where s - tau = +-alpha, alpha = acos(-c / R), when the
    // circle reaches the outline at all (|c| < R). tau lies in (-pi, pi] and alpha in (0, pi), so
    // whole turns of -1 to 2 bring every crossing of the first two turns of the arc into range.
    std::array<Real, 8> cuts;
    std::size_t count = 0;
    const Real r2 = a * a + b * b;
    if (r2 > c * c && r2 > kOnOutline * kOnOutline) {
        const Real tau = atan2(b, a);
        const Real alpha = atan2(sqrt(r2 - c * c), -c);
        const Real turn = 2 * Real(kPi);
        for (const Real root : {tau - alpha, tau + alpha})
            for (int m = -1; m <= 2; ++m) {
                const Real s = root + m * turn;
                if (!(s > kAtTheEnd && s < length - kAtTheEnd))
                    continue;
                // Kept in order as they come: there are at most eight.
                std::size_t i = count++;
                for (; i > 0 && cuts[i - 1] > s; --i)
                    cuts[i] = cuts[i - 1];
                cuts[i] = s;
            }
    }
    count = std::min<std::size_t>(count, DepthParts::kMaxParts - 1);

    // Every crossing changes the side, so the depth at the middle of the longest part, where it
    // is farthest from zero, tells the side of every part. The point of a crossing ends one part
    // and begins the next.
    DepthParts parts;
    std::size_t longest = 0;
    Real lo = 0, longestMiddle = length / 2, longestLength = -1;
    Flat crossing = arc.start;
    for (std::size_t i = 0; i <= count; ++i) {
        const bool last = i == count;
        const Real hi = last ? length : cuts[i];
        Arc& part = parts.arc[i];
        part = arc;
        part.from = i == 0 ? arc.from : arc.from + lo;
        part.to = last ? arc.to : arc.from + hi;
        part.start = crossing;
        part.end = last ? arc.end : flat(g.at(part.to));
        crossing = part.end;
        if (hi - lo > longestLength) {
            longest = i;
            longestLength = hi - lo;
            longestMiddle = lo + (hi - lo) / 2;
        }
        lo = hi;
    }
    const bool longestFar = depth(longestMiddle) < -kOnOutline;
    for (std::size_t i = 0; i <= count; ++i)
        parts.far[i] = (i + longest) % 2 == 0 ? longestFar : !longestFar;
    parts.count = static_cast<int>(count) + 1;
    return parts;
}

namespace {

// Calls point(x, y) for each point of `arc` that plotArc draws to, after its start: the inner
// points, then the end.
template <class Point> void forEachArcPoint(const Arc& arc, int stride, Point point) {
    const Real h = step() * stride;
    // The first inner point, the least origin + k h beyond `from` (once more if rounding put it on
    // `from` itself).
    const Real k = floor((arc.from - arc.origin) / h) + 1;
    Real first = arc.origin + k * h;
    if (!(first > arc.from))
        first = first + h;
    // The circle turned to begin at `first`: the point j strides on is centre + U cos jh + V sin
    // jh.
    const SphereCircle& g = arc.circle;
    const Real c0 = cos(first), s0 = sin(first);
    const Real ux = g.u.x * c0 + g.v.x * s0, uy = g.u.y * c0 + g.v.y * s0;
    const Real vx = g.v.x * c0 - g.u.x * s0, vy = g.v.y * c0 - g.u.y * s0;
    const StepTable& table = stepTable();
    for (int j = 0; j < kMaxArcSteps; ++j) {
        if (!(first + j * h < arc.to))
            break;
        const int steps = j * stride;
        const bool tabled = steps <= kTableSteps;
        const auto at = static_cast<std::size_t>(steps);
        const Real cj = tabled ? table.c[at] : cos(j * h), sj = tabled ? table.s[at] : sin(j * h);
        point(toSingle(g.centre.x + ux * cj + vx * sj), toSingle(g.centre.y + uy * cj + vy * sj));
    }
    point(toSingle(arc.end.x), toSingle(arc.end.y));
}

} // namespace

void plotArc(Surface& dib, const Arc& arc, int stride) {
    dib.setCurrentX(toSingle(arc.start.x));
    dib.setCurrentY(toSingle(arc.start.y));
    forEachArcPoint(arc, stride, [&](float x, float y) { dib.Line(x, y); });
}

std::vector<FlatPoint> arcPoints(const Arc& arc) {
    std::vector<FlatPoint> points{{toSingle(arc.start.x), toSingle(arc.start.y)}};
    forEachArcPoint(arc, 1, [&](float x, float y) { points.push_back({x, y}); });
    return points;
}

} // namespace esferica
