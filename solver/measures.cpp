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
// Every factor is a sine or a cosine of a half element, a half sum of elements or an element,
// each right to its last digits however small, and each result the angle of a point (x, y), so
// that none of them overflows or underflows on the smallest triangles (sides of 2^-500 radians):
// each product stays near 1, the size of the triangle or its square.
#include "solver/measures.h"

#include "numeric/reduced.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace esferica {

namespace {

using enum Element;

constexpr std::array<Element, 3> kSides{a, b, c}, kAngles{A, B, C};

// Of the candidates, the angle with the smallest error bound.
ReducedAngle sharpest(std::initializer_list<ReducedAngle> candidates) {
    const ReducedAngle* best = candidates.begin();
    for (const ReducedAngle& x : candidates)
        if (x.rest().error() < best->rest().error())
            best = &x;
    return *best;
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
    // The halves of the sides and of the angles, and the angles, with their sines and cosines.
    std::array<SinCos<Bounded>, 3> halfSide, halfAngle, angle;
    for (std::size_t i = 0; i < 3; ++i) {
        halfSide[i] = t[kSides[i]].half().sincos();
        halfAngle[i] = t[kAngles[i]].half().sincos();
        angle[i] = t[kAngles[i]].sincos();
    }
    const auto others = [](std::size_t i) {
        return std::pair{(i + 1) % 3, (i + 2) % 3};
    };

    std::optional<ReducedAngle> excess;
    try {
        const auto atVertex = [&](std::size_t i) {
            const auto [j, k] = others(i);
            const Bounded sines = halfSide[j].s * halfSide[k].s;
            return ReducedAngle::angleOf(sines * angle[i].s,
                                         halfSide[j].c * halfSide[k].c + sines * angle[i].c)
                .twice();
        };
        excess = sharpest({t[A] + t[B] + t[C] - ReducedAngle::quarterTurns(2), atVertex(0),
                           atVertex(1), atVertex(2)});
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
        // cos(S - X) from the angles, or as sin(X - E/2) from the excess, which leaves out the
        // other angles: on a sliver each vertex's S - X holds the angle near 180 degrees.
        const auto atVertex = [&](std::size_t i, bool byExcess) {
            const auto [j, k] = others(i);
            const Bounded cosine =
                byExcess ? (t[kAngles[i]] - excess.value().half()).sincos().s
                         : (t[kAngles[j]] + t[kAngles[k]] - t[kAngles[i]]).half().sincos().c;
            return ReducedAngle::angleOf(halfSide[i].s, halfSide[i].c * cosine);
        };
        if (!excess)
            return sharpest({atVertex(0, false), atVertex(1, false), atVertex(2, false)}).radians();
        return sharpest({atVertex(0, false), atVertex(1, false), atVertex(2, false),
                         atVertex(0, true), atVertex(1, true), atVertex(2, true)})
            .radians();
    });
    m.inradius = attempt([&] {
        const auto atVertex = [&](std::size_t i) {
            const auto [j, k] = others(i);
            const Bounded sine = (t[kSides[j]] + t[kSides[k]] - t[kSides[i]]).half().sincos().s;
            return ReducedAngle::angleOf(halfAngle[i].s * sine, halfAngle[i].c);
        };
        return sharpest({atVertex(0), atVertex(1), atVertex(2)}).radians();
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
