// SPDX-License-Identifier: GPL-3.0-or-later
// Degree-radian conversions and the inverse sine and cosine used by every solver.
#pragma once

#include "numeric/checked.h"

namespace esferica {

// The program's own pi and 2 pi, with 14 decimals as written (not the full-precision pi). As
// doubles the second is exactly twice the first, so the two conversions invert each other up to
// rounding. The drawing code uses the same pi.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
// How far kPi falls short of pi: the digits beyond its 14 decimals, 0.00000000000000323846...
inline constexpr double kPiShortfall = 3.2384626433832795e-15;

// Radians to degrees: (x * 360) / 2pi. Overflows only near the end of the double range.
Real RadtoGrad(Real x);

// Degrees to radians: ((x * 2) * pi) / 360. Overflows only near the end of the double range.
Real GradtoRad(Real x);

// Inverse sine, in (-pi/2, pi/2), computed as atan(x / sqrt(1 - x^2)).
// |x| = 1 divides by zero and |x| > 1 takes the square root of a negative number: there is no
// clamping, so an argument pushed past +-1 by rounding fails too.
Real ArcSin(Real x);

// Inverse cosine, in (0, pi), computed as atan(-x / sqrt(1 - x^2)) + 2 atan(1).
// ArcCos(0) is pi/2; as for ArcSin, |x| = 1 divides by zero and |x| > 1 fails in the square root.
Real ArcCos(Real x);

} // namespace esferica
