// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/side.h"

#include "drawing/plot.h"
#include "fitting/newton.h"
#include "numeric/angles.h"

#include <utility>

namespace esferica {

namespace {

constexpr double kFirstStartDeg = 10; // t1 of the first attempt; later ones add kStartStepDeg
constexpr double kStartStepDeg = 5;
constexpr double kT2StartDeg = 80;
constexpr double kThetaStartDeg = 13;
constexpr double kKStartDeg = 5;
constexpr double kKStartOffset = 0.1;
// The length test compares the difference in degrees converted once more as if it were radians,
// so it accepts arcs within pi/180 of a degree of the side.
constexpr double kAcceptBelow = 1;

// Whether the plotter can step along the arc from parameter t. A run that has gone off to
// parameters so large that adding a step leaves them unchanged (at 1e16 doubles are 2 apart) has
// lost its arc, even when the difference of its parameters happens to equal the side: the arc
// could be neither judged nor drawn, and the search goes on.
bool steppable(Real t) {
    return t + kPi / kSegmentsPerHalfTurn != t;
}

} // namespace

bool calcularydibujarelipse(Real sideLength, FittingState& fitting, Surface& dib) {
    bool accepted = false;
    try {
        Real t1 = GradtoRad(kFirstStartDeg);
        while (t1 <= kTwoPi && !accepted) {
            dib.setForeColor(kRed);
            fitting.xinit(1) = t1;
            fitting.xinit(2) = GradtoRad(kT2StartDeg);
            fitting.xinit(3) = GradtoRad(kThetaStartDeg);
            fitting.xinit(4) = GradtoRad(kKStartDeg) + kKStartOffset;
            NewtonRaphson44(fitting);
            if (fitting.xsol(1) > fitting.xsol(2))
                std::swap(fitting.xsol(1), fitting.xsol(2));
            const Real d = RadtoGrad(fitting.xsol(2) - fitting.xsol(1));
            const Real L = RadtoGrad(abs(sideLength));
            const Real e = RadtoGrad(abs(abs(d) - abs(L)));
            accepted = e < kAcceptBelow && steppable(fitting.xsol(1)) && steppable(fitting.xsol(2));
            t1 = t1 + GradtoRad(kStartStepDeg);
        }
    } catch (const ArithmeticFailure&) {
        // A start that drives the iteration out of the double range ends the search; the side is
        // then missing, and the caller must say so like for any other side that found no fit.
        accepted = false;
    }
    if (!accepted)
        return false;
    elipse(dib, 0, 0, 1, fitting.xsol(4), fitting.xsol(3), fitting.xsol(1), fitting.xsol(2));
    return true;
}

} // namespace esferica
