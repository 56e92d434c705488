// SPDX-License-Identifier: GPL-3.0-or-later
// The measures of a solved triangle: its spherical excess and area, its perimeter, and the radii
// of its circumscribed and inscribed circles.
#pragma once

#include "solver/triangle.h"

#include <optional>

namespace esferica {

// Angles and arcs are in the program's radians, as the elements are (RadtoGrad gives degrees);
// the area is in steradians, on the unit sphere. A measure is none where it cannot be computed,
// which no triangle that the solvers return comes near (a measure is an angle of a point whose
// coordinates are products of sines and cosines, and no such product overflows).
struct Measures {
    std::optional<Real> excess;       // A + B + C - 180 degrees, in (0, 360) degrees
    std::optional<Real> area;         // the excess in true radians: the area on the unit sphere
    std::optional<Real> perimeter;    // a + b + c, in (0, 360) degrees
    std::optional<Real> circumradius; // the arc from the centre of the circle through the vertices
                                      // to each, under 90 degrees (the nearer of the two centres)
    std::optional<Real> inradius;     // the arc from the centre of the circle touching the three
                                      // sides to each side, under 90 degrees
};

// The measures of a triangle from its six elements as a solver holds them, each from whichever of
// a few formulas has the smallest error bound on the triangle's shape (solver/measures.cpp), so
// that each is as good as the elements make it next to a side of 180 degrees or a perimeter of
// 360, on slivers, needles and thin triangles, and on the smallest triangles the solvers take
// (sides of 2^-500 radians), where no product underflows. Accuracy, as tests/measures_test.cpp and
// tests/accuracy_test.cpp measure it: the excess and the area within 1e-14 of themselves on
// well-shaped triangles, slivers and needles of every size, and every measure within a few units
// in the last place of pi plus what the errors of the elements move it by. The elements must be a
// triangle's, as the solvers return them: other numbers give measures without meaning.
Measures measure(const HeldTriangle& t);

// The same from the elements in radians, each taken as within half a unit in the last place of
// itself.
Measures measure(const TriangleSolution& t);

} // namespace esferica
