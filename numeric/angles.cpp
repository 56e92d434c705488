// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/angles.h"

namespace esferica {

Real RadtoGrad(Real x) {
    return (x * 360) / kTwoPi;
}

Real GradtoRad(Real x) {
    return ((x * 2) * kPi) / 360;
}

Real ArcSin(Real x) {
    const Real s = (-x) * x + 1;
    return atan(x / sqrt(s));
}

Real ArcCos(Real x) {
    const Real s = (-x) * x + 1;
    const Real d = sqrt(s);
    const Real h = atan(Real(1)); // the quarter turn is computed, not a constant
    const Real q = (-x) / d;
    return atan(q) + 2 * h;
}

} // namespace esferica
