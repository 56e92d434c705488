// SPDX-License-Identifier: GPL-3.0-or-later
// The four half defects of three sides p, q, r, which the half-angle formulas of the solvers and
// the measures of a triangle are written in: with s = (p + q + r)/2 the half perimeter,
//   pi - s,  s - p,  s - q,  s - r.
// Each is positive in a triangle (a perimeter under 360 degrees, and the triangle inequalities),
// and the four add up to pi. Each is taken from the reduced sides directly, not from s, so that a
// small one keeps its digits however large the sides.
#pragma once

#include "numeric/reduced.h"

#include <array>

namespace esferica {

inline std::array<ReducedAngle, 4> halfDefects(ReducedAngle p, ReducedAngle q, ReducedAngle r) {
    return {(ReducedAngle::quarterTurns(4) - p - q - r).half(), (q + r - p).half(),
            (p + r - q).half(), (p + q - r).half()};
}

} // namespace esferica
