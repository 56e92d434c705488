// SPDX-License-Identifier: GPL-3.0-or-later
// Why no triangle fits: the condition of spherical trigonometry that three given elements break,
// for a message that explains itself. The solvers decide whether a triangle fits; this only names
// the reason once they have found none.
#pragma once

#include "solver/cases.h"

#include <optional>

namespace esferica {

enum class NoTriangleWhy {
    // Three sides: `element` is at least the sum of the other two (equal: a flat triangle).
    SidesInequality,
    // Three sides adding up to 360 degrees or more.
    SidesSum,
    // Three angles adding up to 180 degrees or less.
    AnglesSum,
    // Three angles: the two other than `element` add up to 180 degrees plus `element` or more
    // (the sides inequality of the polar triangle).
    AnglesInequality,
    // An ambiguous case that breaks the law of sines: `element`, the given element opposite the
    // other given one of its kind, is too small for the third to reach it. In two sides and an
    // angle A opposite side a: sin a < sin b sin A; in two angles and a side a opposite angle A:
    // sin A < sin B sin a.
    SineCondition,
    // An ambiguous case within the law of sines whose candidate triangles both have an element
    // outside (0, 180) degrees.
    NoClosure,
    // The data leave an element free: infinitely many triangles.
    Undetermined,
    // The triangle would have a side or an angle of exactly 0 or 180 degrees.
    Degenerate,
};

struct NoTriangleReason {
    NoTriangleWhy why;
    Element element = Element::a; // the element the reason names, where it names one
    // Degenerate, where the data tell which element it is: the degrees, 0 or 180, that `element`
    // would have.
    std::optional<double> flatDegrees{};
};

// The reason no triangle has the three `given` elements of `data` (radians, each strictly between
// 0 and pi), for data on which the solver of their case has failed with `failure`.
NoTriangleReason whyNoTriangle(const TriangleSolution& data, const GivenElements& given,
                               const Failure& failure);

} // namespace esferica
