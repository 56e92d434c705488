// SPDX-License-Identifier: GPL-3.0-or-later
// Each measure has a few formulas, all exact for every triangle, each well conditioned on some
// shapes and not on others. All are evaluated with a running error bound (numeric/bounded.h) that
// starts from the error bounds of the elements held, and the one with the smallest bound is taken.
// With x, y, z the sides, X, Y, Z the angles opposite them, S = (X + Y + Z)/2 and
// s = (x + y + z)/2:
//   E = X + Y + Z - pi: within a few units in the last place of pi on every shape, which is all of
//       the digits of a large excess and none of a small one;
//   tan(E/2) = sin(x/2) sin(y/2) sin Z / (cos(x/2) cos(y/2) + sin(x/2) sin(y/2) cos Z), the excess
//       from two sides and the angle between them, at each vertex: relatively right on small and
//       thin triangles, at the vertex of a small angle on slivers and needles;
//   tan R = tan(x/2) / cos(S - X), at each vertex, with cos(S - X) also as sin(X - E/2);
//   tan r = tan(X/2) sin(s - x), at each vertex.
// On a sliver, with an angle X near 180 degrees, s - x and cos(S - X) are differences that the
// other vertices avoid; next to a side of 180 degrees, the sides' half defects lose the digits that
// the angles keep, and l'Huilier's formula from the sides alone is no better than the worst vertex.
// Accuracy: each candidate is evaluated with its running error bound, the elements' own bounds
// propagated and the rounding of every step added (half a unit in the last place, a unit for a
// sine, a cosine or an arctangent); the candidate taken is within the smallest of those bounds,
// which on every shape tried is some tens of units in the last place of the measure itself or,
// for the angle sum, of pi.
// Every factor is a sine or a cosine of a half element, a half sum of elements or an element,
// each right to its last digits however small, and each result the angle of a point (x, y), so
// that none of them overflows or underflows on the smallest triangles (sides of 2^-500 radians):
// each product stays near 1, the size of the triangle or its square.
#include "solver/measures.h"

#include "numeric/angles.h"
#include "numeric/reduced.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

namespace esferica {

namespace {

using enum Element;

constexpr std::array<Element, 3> kSides{a, b, c}, kAngles{A, B, C};

// A candidate for a measure: the point whose angle it is (its arctangent is taken only for the
// one chosen), and the error bound of that angle to first order, |x| e_y + |y| e_x over
// x^2 + y^2; the rounding of the arctangent is the same for every candidate of one measure.
struct Point {
    Bounded y, x;
    double error() const {
        const double yv = y.value().value(), xv = x.value().value(), radius2 = xv * xv + yv * yv;
        if (!(radius2 > 0))
            return std::numeric_limits<double>::infinity();
        return (std::fabs(xv) * y.error() + std::fabs(yv) * x.error()) / radius2;
    }
};

// Of the candidates, the one with the smallest error bound.
Point sharpest(std::initializer_list<Point> candidates) {
    return *std::min_element(candidates.begin(), candidates.end(),
                             [](const Point& p, const Point& q) { return p.error() < q.error(); });
}

// A bound on the angle's error relative to the angle, for an angle of at most 90 degrees: the
// angle is at least pi/4 times the smaller of y/x and 1.
double relativeError(const Point& p) {
    const double y = p.y.magnitude(), x = p.x.magnitude();
    const double least = (y < x ? y / x : 1) * (kPi / 4);
    return least > 0 ? p.error() / least : std::numeric_limits<double>::infinity();
}

// Within this, relatively, a candidate is as good as any: the rounding of some eight steps.
constexpr double kGoodEnough = 16 * Bounded::kUnitRoundoff;

// Of the candidates that `make(i)` builds for i = 0, 1, ... `count` - 1, the first good enough,
// or else the one with the smallest error bound: on a well-shaped triangle every vertex serves,
// and only where the shape spoils some are the others taken.
template <class Make> Point sharpestOf(std::size_t count, Make make) {
    Point best = make(0);
    for (std::size_t i = 1; i < count && relativeError(best) > kGoodEnough; ++i)
        if (const Point p = make(i); p.error() < best.error())
            best = p;
    return best;
}

// A measure, or none where its computing fails.
template <class Compute> std::optional<Real> attempt(Compute compute) {
    try {
        return compute();
    } catch (const Failure&) {
        return std::nullopt;
    }
}

} // namespace

Measures measure(const HeldTriangle& t) {
    // The halves of the sides and of the angles with their sines and cosines, and the angles'
    // sines and cosines from their halves: 2 s c and (c - s)(c + s).
    std::array<SinCos<Bounded>, 3> halfSide, halfAngle, angle;
    for (std::size_t i = 0; i < 3; ++i) {
        halfSide[i] = t[kSides[i]].half().sincos();
        halfAngle[i] = t[kAngles[i]].half().sincos();
        const SinCos<Bounded>& h = halfAngle[i];
        angle[i] = {2 * h.s * h.c, (h.c - h.s) * (h.c + h.s)};
    }
    const auto others = [](std::size_t i) {
        return std::pair{(i + 1) % 3, (i + 2) % 3};
    };

    std::optional<ReducedAngle> excess;
    try {
        // At each vertex, E/2 is the angle of (sin(x/2) sin(y/2) sin Z, cos(x/2) cos(y/2) +
        // sin(x/2) sin(y/2) cos Z); the excess has twice its error.
        const auto atVertex = [&](std::size_t i) {
            const auto [j, k] = others(i);
            const Bounded sines = halfSide[j].s * halfSide[k].s;
            return Point{sines * angle[i].s, halfSide[j].c * halfSide[k].c + sines * angle[i].c};
        };
        const ReducedAngle bySum = t[A] + t[B] + t[C] - ReducedAngle::quarterTurns(2);
        const Point byVertex = sharpest({atVertex(0), atVertex(1), atVertex(2)});
        excess = bySum.rest().error() <= 2 * byVertex.error()
                     ? bySum
                     : ReducedAngle::angleOf(byVertex.y, byVertex.x).twice();
    } catch (const Failure&) {
        excess.reset();
    }

    Measures m;
    if (excess) {
        m.excess = attempt([&] { return excess->radians(); });
        m.area = attempt([&] { return excess->trueRadians(); });
    }
    m.perimeter = attempt([&] { return (t[a] + t[b] + t[c]).radians(); });
    m.circumradius = attempt([&] {
        // R is the angle of (sin(x/2), cos(x/2) cos(S - X)), with cos(S - X) from the angles, or
        // as sin(X - E/2) from the excess, which leaves out the other angles: on a sliver each
        // vertex's S - X holds the angle near 180 degrees.
        const auto atVertex = [&](std::size_t i, bool byExcess) {
            const auto [j, k] = others(i);
            const Bounded cosine =
                byExcess ? (t[kAngles[i]] - excess.value().half()).sincos().s
                         : (t[kAngles[j]] + t[kAngles[k]] - t[kAngles[i]]).half().sincos().c;
            return Point{halfSide[i].s, halfSide[i].c * cosine};
        };
        const Point best =
            sharpestOf(excess ? 6 : 3, [&](std::size_t n) { return atVertex(n % 3, n >= 3); });
        return ReducedAngle::angleOf(best.y, best.x).radians();
    });
    m.inradius = attempt([&] {
        // r is the angle of (sin(X/2) sin(s - x), cos(X/2)).
        const auto atVertex = [&](std::size_t i) {
            const auto [j, k] = others(i);
            const Bounded sine = (t[kSides[j]] + t[kSides[k]] - t[kSides[i]]).half().sincos().s;
            return Point{halfAngle[i].s * sine, halfAngle[i].c};
        };
        const Point best = sharpestOf(3, atVertex);
        return ReducedAngle::angleOf(best.y, best.x).radians();
    });
    return m;
}

Measures measure(const TriangleSolution& t) {
    HeldTriangle held;
    for (const Element e : kAllElements)
        held[e] = ReducedAngle(Bounded(t[e], Bounded::kUnitRoundoff * std::fabs(t[e].value())));
    return measure(held);
}

} // namespace esferica
