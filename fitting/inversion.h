// SPDX-License-Identifier: GPL-3.0-or-later
// The linear algebra of the Newton iteration, written for exactly these sizes: the length of a
// four-element vector, the 3 x 3 minors of the 4 x 4 Jacobian, and its inverse by cofactors.
#pragma once

#include "fitting/state.h"
#include "numeric/checked.h"

namespace esferica {

// Euclidean length of `a`, summed as sqrt(((a1^2 + a2^2) + a3^2) + a4^2). Raises
// ArithmeticFailure (overflow) when a square or the sum leaves the double range, which takes
// components beyond about 1e154.
inline Real vectordim(const Vec4& a) {
    return sqrt(((a(1) * a(1) + a(2) * a(2)) + a(3) * a(3)) + a(4) * a(4));
}

// Copies into `cf` the minor of `s.jacobian` without row `a` and column `b` (each 1 to 4): cf(p, q)
// is jacobian(rp, cq), r1 < r2 < r3 being the other rows and c1 < c2 < c3 the other columns. The
// sign and the determinant are left to the caller. A row or column outside 1 to 4 copies nothing
// and leaves `cf` as it was.
void cofactor(int a, int b, Mat3& cf, const FittingState& s);

// Writes into s.invjacobian the cofactors of s.jacobian divided by its determinant:
// invjacobian(i, j) = C(i, j) / D, which is the inverse transposed (element (j, i) of the
// inverse). Never raises: each statement that meets an arithmetic failure is skipped and its
// target keeps its value, so
//   - a singular Jacobian (D = 0, or D unset because its sum overflowed) leaves invjacobian
//     exactly as it was: the previous inverse, or zeros;
//   - a quotient C / D beyond the double range leaves that one entry as it was;
//   - a row term of the determinant that overflows counts as 0 in D;
//   - a minor whose determinant overflows leaves C at the previous pair's value (0 for the first).
void invertjacobian(FittingState& s);

} // namespace esferica
