// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/side.h"

#include "drawing/plot.h"
#include "fitting/equations.h"
#include "fitting/inversion.h"
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

Vec4 fixedStart(Real t1) {
    Vec4 start;
    start(1) = t1;
    start(2) = GradtoRad(kT2StartDeg);
    start(3) = GradtoRad(kThetaStartDeg);
    start(4) = GradtoRad(kKStartDeg) + kKStartOffset;
    return start;
}

// One attempt of the fit: the iteration from `start`, its result ordered so that t1 <= t2, and
// whether its arc has the side's length and can be stepped through.
bool attempt(const Vec4& start, Real sideLength, FittingState& fitting) {
    fitting.xinit = start;
    NewtonRaphson44(fitting);
    if (fitting.xsol(1) > fitting.xsol(2))
        std::swap(fitting.xsol(1), fitting.xsol(2));
    const Real d = RadtoGrad(fitting.xsol(2) - fitting.xsol(1));
    const Real L = RadtoGrad(abs(sideLength));
    const Real e = RadtoGrad(abs(abs(d) - abs(L)));
    return e < kAcceptBelow && steppable(fitting.xsol(1)) && steppable(fitting.xsol(2));
}

// The point of parameter t of the fit's ellipse, as fitting/equations.h writes it.
Flat ellipsePoint(const Vec4& x, Real ct, Real st, Real t) {
    const Real c = cos(t), s = sin(t);
    return {c * ct - st * (s * x(4)), c * st + ct * (s * x(4))};
}

Real squaredDistance(const Flat& p, const Flat& q) {
    const Real dx = p.x - q.x, dy = p.y - q.y;
    return dx * dx + dy * dy;
}

} // namespace

bool calcularydibujarelipse(Real sideLength, FittingState& fitting, Surface& dib) {
    bool accepted = false;
    try {
        Real t1 = GradtoRad(kFirstStartDeg);
        while (t1 <= kTwoPi && !accepted) {
            dib.setForeColor(kRed);
            accepted = attempt(fixedStart(t1), sideLength, fitting);
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

Vec4 greatCircleImage(const Seen& A, const Seen& B) {
    const Seen axis = cross(A, B);
    const Seen n = axis * (1 / length(axis));
    // u, the unit semi-axis, lies in the picture; v = n x u completes the circle's frame, and the
    // circle runs from u towards v, from A towards B.
    // A circle seen face on is the outline itself: any direction serves as its axis.
    const Real theta = n.x == 0 && n.y == 0 ? Real(0) : atan2(n.x, -n.y);
    const Seen u{cos(theta), sin(theta), 0};
    const Seen v = cross(n, u);
    Vec4 image;
    image(1) = atan2(dot(A, v), dot(A, u));
    image(2) = image(1) + atan2(length(axis), dot(A, B));
    image(3) = theta;
    image(4) = n.d;
    return image;
}

bool followsGreatCircle(const Vec4& x, const Seen& A, const Seen& B, Real tolerance, bool& fromA) {
    const Real ct = cos(x(3)), st = sin(x(3));
    const Flat start = ellipsePoint(x, ct, st, x(1));
    fromA = squaredDistance(start, {A.x, A.y}) <= squaredDistance(start, {B.x, B.y});
    const Seen& from = fromA ? A : B;
    const Seen w = towards(from, fromA ? B : A);
    const Real span = x(2) - x(1), h = kPi / kSegmentsPerHalfTurn;
    const Real allowed = tolerance * tolerance;
    for (int j = 0; j <= kMaxArcSteps; ++j) {
        const Real s = j * h < span ? j * h : span;
        const Real cs = cos(s), ss = sin(s);
        const Flat exact{from.x * cs + w.x * ss, from.y * cs + w.y * ss};
        if (!(squaredDistance(ellipsePoint(x, ct, st, x(1) + s), exact) <= allowed))
            return false;
        if (s == span)
            return true;
    }
    return false; // longer than any side
}

std::optional<FittedSide> fitSide(Real sideLength, FittingState& fitting, const Seen& A,
                                  const Seen& B, Real tolerance) {
    FittedSide side;
    for (Real t1 = GradtoRad(kFirstStartDeg); t1 <= kTwoPi; t1 = t1 + GradtoRad(kStartStepDeg)) {
        try {
            if (attempt(fixedStart(t1), sideLength, fitting) &&
                followsGreatCircle(fitting.xsol, A, B, tolerance, side.fromA)) {
                side.x = fitting.xsol;
                return side;
            }
        } catch (const ArithmeticFailure&) {
            // A start driven out of the double range has converged nowhere: the next one runs.
        }
    }

    // The exact image is the answer, and the iteration from it confirms it: its result is the
    // image of the side within the tolerance. Where the Jacobian is singular at the answer (at a
    // vertex on the outline t and theta move the vertex alike), the iteration's first step, always
    // taken in full, leaves the answer for another ellipse through nearly the same points; the
    // image then stands on the iteration's own test, a residual norm within its tolerance.
    const Vec4 image = greatCircleImage(A, B);
    fitting.xinit = image;
    bool confirmed = false;
    try {
        NewtonRaphson44(fitting);
        bool fromA = false;
        confirmed = steppable(fitting.xsol(1)) && steppable(fitting.xsol(2)) &&
                    fitting.xsol(1) <= fitting.xsol(2) &&
                    followsGreatCircle(fitting.xsol, A, B, tolerance, fromA);
    } catch (const ArithmeticFailure&) {
    }
    if (!confirmed)
        confirmed = vectordim(residuals(trig(image), fitting)) <= kResidualTolerance;
    if (confirmed && followsGreatCircle(image, A, B, tolerance, side.fromA)) {
        fitting.xsol = image;
        side.x = image;
        return side;
    }
    return std::nullopt;
}

Arc fittedArc(const FittedSide& side, const Seen& A, const Seen& B) {
    const Seen& from = side.fromA ? A : B;
    const Seen& to = side.fromA ? B : A;
    const Seen w = towards(from, to);
    const Real t1 = side.x(1), ct = cos(side.x(3)), st = sin(side.x(3)), k = side.x(4);
    // The depth at t1 + s is that of the great circle's point at the arc s from `from`,
    // from.d cos s + w.d sin s, written as a sinusoid of t itself.
    const Real c1 = cos(t1), s1 = sin(t1);
    const SphereCircle circle{
        {0, 0, 0}, {ct, st, from.d * c1 - w.d * s1}, {-(k * st), k * ct, from.d * s1 + w.d * c1}};
    return {circle, t1, t1, side.x(2), {from.x, from.y}, {to.x, to.y}};
}

} // namespace esferica
