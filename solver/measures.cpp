// SPDX-License-Identifier: GPL-3.0-or-later
// All from the sides, through the half defects of solver/defects.h. With s the half perimeter and
// S_x the sine of each half defect:
//   tan(E/4) = sqrt(tan(s/2) tan((s - a)/2) tan((s - b)/2) tan((s - c)/2))   (l'Huilier)
//   tan r = sqrt(sin(s - a) sin(s - b) sin(s - c) / sin s)
//   tan R = 2 sin(a/2) sin(b/2) sin(c/2) / (sin s tan r)
// Every factor is a sine, a cosine or a tangent of a half defect or a half side, each right to
// its last digits however small, and the products are ordered so that none underflows on a
// small triangle: each partial product stays near the size of the triangle or its square.
#include "solver/measures.h"

#include "numeric/reduced.h"
#include "solver/defects.h"

#include <array>

namespace esferica {

Measures measure(const TriangleSolution& t) {
    const ReducedAngle a{Bounded(t.a)}, b{Bounded(t.b)}, c{Bounded(t.c)};
    const std::array<ReducedAngle, 4> defects = halfDefects(a, b, c);
    std::array<SinCos<Real>, 4> halves; // of the half defects: pi/2 - s/2, (s - a)/2, ...
    for (std::size_t i = 0; i < defects.size(); ++i)
        halves[i] = defects[i].half().sincosValues();
    const auto tangent = [&](std::size_t i) {
        return halves[i].s / halves[i].c;
    };
    // sin x = 2 sin(x/2) cos(x/2), right to its last digits where x is small.
    const auto sine = [&](std::size_t i) {
        return 2 * halves[i].s * halves[i].c;
    };

    // tan(s/2) is the cotangent of (pi - s)/2.
    const Real quarterExcess =
        tangent(1) * (tangent(2) * (tangent(3) * (halves[0].c / halves[0].s)));
    const Real excess = 4 * atan(sqrt(quarterExcess));

    const Real sinS = sine(0);
    const Real tanInradius = sqrt(sine(1) / sinS * (sine(2) * sine(3)));
    const Real halfSides = 2 * a.half().sineValue() * (b.half().sineValue() * c.half().sineValue());

    return {toProgram(excess), excess, t.a + t.b + t.c,
            toProgram(atan2(halfSides, sinS * tanInradius)), toProgram(atan(tanInradius))};
}

} // namespace esferica
