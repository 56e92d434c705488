// SPDX-License-Identifier: GPL-3.0-or-later
// The measures of a solved triangle: its spherical excess and area, its perimeter, and the radii
// of its circumscribed and inscribed circles.
#pragma once

#include "solver/triangle.h"

namespace esferica {

// Angles and arcs are in the program's radians, as the elements are (RadtoGrad gives degrees);
// the area is in steradians, on the unit sphere.
struct Measures {
    Real excess;       // A + B + C - 180 degrees, in (0, 360) degrees
    Real area;         // the excess in true radians: the area on the unit sphere
    Real perimeter;    // a + b + c, in (0, 360) degrees
    Real circumradius; // the arc from the centre of the circle through the vertices to each, at
                       // most 90 degrees (the nearer of the two centres)
    Real inradius;     // the arc from the centre of the circle touching the three sides to each
                       // side, under 90 degrees
};

// The measures of a triangle from its three sides, which must be a triangle's, as a solver returns
// them: sides that break a triangle inequality, or that meet one or the perimeter of 360 degrees
// exactly, fail with ArithmeticFailure. The excess comes from l'Huilier's formula, right to a few
// units in the last place of itself on a triangle of any size, where A + B + C - 180 degrees
// would lose it to cancellation on a small one (sides near 0.0001 degrees have an excess near
// 1e-9 degrees). Accuracy for the sides as given, as tests/measures_test.cpp measures it on
// well-shaped triangles of every size: the excess and the area within 1e-14 of themselves, the
// radii within 1e-15 radians, the perimeter within one rounding. On a sliver, with an angle near
// 180 degrees, the excess and the radii rest on a difference of sides such as b + c - a, and are
// as good as the sides' last digits make it.
Measures measure(const TriangleSolution& t);

} // namespace esferica
