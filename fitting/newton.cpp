// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitting/newton.h"

#include "fitting/equations.h"
#include "fitting/inversion.h"
#include "numeric/portable.h"

namespace esferica {

namespace {

// Above the tolerance, so the first pass always runs.
constexpr double kInitialErr = 1.00001;
// The pass that reaches this count returns before stepping.
constexpr int kMaxPasses = 100;
// A step is halved only when the step accepted in the previous pass was longer than this.
constexpr double kHalvingThreshold = 0.001;
constexpr double kHalvingDivisor = 2;

// Delta(i) = -F(1) inv(1, i) - inv(2, i) F(2) - inv(3, i) F(3) - inv(4, i) F(4), subtracted left to
// right: the column of the stored matrix is the row of the inverse.
Vec4 newtonStep(const Vec4& F, const Mat4& inv) {
    Vec4 delta;
    for (int i = 1; i <= 4; ++i)
        delta(i) = (-F(1)) * inv(1, i) - inv(2, i) * F(2) - inv(3, i) * F(3) - inv(4, i) * F(4);
    return delta;
}

// The sines and cosines of `x`, reusing those of `known` (the sines and cosines of `base`) for
// every angle whose bits are unchanged: the same bits give the same results, and a runaway
// iterate with angles near 1e17 makes each new sine and cosine costly while halving leaves those
// angles in place and shrinks only the step of k.
Trig trigNear(const Vec4& x, const Vec4& base, const Trig& known) {
    auto same = [&](int i) {
        return bitsOf(x(i).value()) == bitsOf(base(i).value());
    };
    Trig g = known;
    if (!same(1)) {
        g.s1 = sin(x(1));
        g.c1 = cos(x(1));
    }
    if (!same(2)) {
        g.s2 = sin(x(2));
        g.c2 = cos(x(2));
    }
    if (!same(3)) {
        g.st = sin(x(3));
        g.ct = cos(x(3));
    }
    g.k = x(4);
    return g;
}

Vec4 plus(const Vec4& x, const Vec4& delta) {
    Vec4 r;
    for (int i = 1; i <= 4; ++i)
        r(i) = x(i) + delta(i);
    return r;
}

} // namespace

void NewtonRaphson44(FittingState& s) {
    s.xsol = s.xinit;
    Real err = kInitialErr;
    int n = 0;
    Real prevStep = 0;

    // The residuals at xsol are those found at the trial point that became xsol (same inputs,
    // same operations, so the same bits), as are its sines and cosines: each pass carries them
    // over instead of evaluating them again.
    Trig at = trig(s.xsol);
    Vec4 F = residuals(at, s);

    while (err > kResidualTolerance) {
        fillJacobian(at, s.jacobian);
        invertjacobian(s);
        ++n;
        if (n == kMaxPasses)
            return;

        Vec4 delta = newtonStep(F, s.invjacobian);
        const Real normF = vectordim(F);
        Vec4 xt = plus(s.xsol, delta);
        Trig atT = trigNear(xt, s.xsol, at);
        Vec4 Ft = residuals(atT, s);
        Real normFt = vectordim(Ft);

        while (normFt > normF && prevStep > kHalvingThreshold) {
            for (int i = 1; i <= 4; ++i)
                delta(i) = delta(i) / kHalvingDivisor;
            xt = plus(s.xsol, delta);
            atT = trigNear(xt, s.xsol, at);
            Ft = residuals(atT, s);
            normFt = vectordim(Ft);
            // Why this loop ends: each halving shrinks delta, and within about 2100 halvings every
            // component has fallen below half an ulp of xsol(i), or through the subnormals to 0,
            // so that xt equals xsol (Real holds no NaN that could keep the comparison false).
            // Ft then equals F and normFt equals normF, so the loop test fails by itself; this
            // exit makes the bound independent of that argument and changes no result.
            if (xt == s.xsol)
                break;
        }

        prevStep = vectordim(delta);
        err = normFt;
        s.xsol = xt;
        at = atT;
        F = Ft;
    }
}

} // namespace esferica
