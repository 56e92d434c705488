// SPDX-License-Identifier: GPL-3.0-or-later
// All from the sides, through the half defects of solver/defects.h. With s the half perimeter,
// S_x the sine of a half defect and t_x = S_x / sin s, which stays near 1 on a small triangle:
//   tan(E/4) = sqrt(tan(s/2) tan((s - a)/2) tan((s - b)/2) tan((s - c)/2))   (l'Huilier)
//   tan r = sin s sqrt(t_a t_b t_c)
//   tan R = 2 (sin(a/2) / sin s)(sin(b/2) / sin s)(sin(c/2) / sin s) sin s / sqrt(t_a t_b t_c)
// Every factor is a sine, a cosine or a tangent of a half defect or a half side, each right to
// its last digits however small, and the products are grouped, and the radii written through
// ratios, so that none underflows on the smallest triangles the solvers take (sides of 2^-500
// radians): each partial product stays near 1, the size of the triangle or its square.
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

    // tan(s/2) is the cotangent of (pi - s)/2. All four tangents are of the size of a small
    // triangle, so the root is taken of two pairs, each of the size of its square.
    const Real halfPerimeter = halves[0].c / halves[0].s;
    const Real excess = 4 * atan(sqrt(tangent(1) * tangent(2)) * sqrt(tangent(3) * halfPerimeter));

    const Real sinS = sine(0);
    const Real ta = sine(1) / sinS, tb = sine(2) / sinS, tc = sine(3) / sinS;
    const Real root = sqrt(ta * tb * tc);
    const auto halfSide = [&](const ReducedAngle& x) {
        return x.half().sineValue() / sinS;
    };
    const Real circumradius = atan2(2 * halfSide(a) * (halfSide(b) * halfSide(c)) * sinS, root);

    return {toProgram(excess), excess, t.a + t.b + t.c, toProgram(circumradius),
            toProgram(atan(sinS * root))};
}

} // namespace esferica
