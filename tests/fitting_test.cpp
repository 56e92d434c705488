// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle fit: equations and Jacobian, inversion by cofactors, Newton iteration.
#include "fitting/equations.h"
#include "fitting/inversion.h"
#include "fitting/newton.h"
#include "numeric/angles.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <numbers>
#include <random>
#include <utility>

namespace esferica {
namespace {

Vec4 vec(double a, double b, double c, double d) {
    Vec4 v;
    v(1) = a;
    v(2) = b;
    v(3) = c;
    v(4) = d;
    return v;
}

bool sameBits(const Vec4& a, const Vec4& b) {
    for (int i = 1; i <= 4; ++i)
        if (std::bit_cast<std::uint64_t>(a(i).value()) !=
            std::bit_cast<std::uint64_t>(b(i).value()))
            return false;
    return true;
}

Mat4 mat(const double (&e)[4][4]) {
    Mat4 m;
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j)
            m(i, j) = e[i - 1][j - 1];
    return m;
}

Mat4 filled(double v) {
    Mat4 m;
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j)
            m(i, j) = v;
    return m;
}

// The residuals f1 to f4 and the Jacobian at `a`, as the iteration evaluates them.
Vec4 residualsAt(const Vec4& a, const FittingState& s) {
    return residuals(trig(a), s);
}
Mat4 jacobianAt(const Vec4& a) {
    Mat4 jacobian;
    fillJacobian(trig(a), jacobian);
    return jacobian;
}

Vec4 randomVector(std::mt19937& rng) {
    std::uniform_real_distribution<double> angle(-7, 7), k(-1.5, 1.5);
    return vec(angle(rng), angle(rng), angle(rng), k(rng));
}

// --- Equations -----------------------------------------------------------------------------------

TEST(Equations, ZeroAnglesUnitKAndTargetsNeverAssigned) {
    const FittingState s;
    const Vec4 a = vec(0, 0, 0, 1);
    const double residuals[4] = {1, 0, 1, 0};
    const double jacobian[4][4] = {{0, 0, 0, 0}, {1, 0, 1, 0}, {0, 0, 0, 0}, {0, 1, 1, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(residualsAt(a, s)(i + 1).value(), residuals[i]) << "f" << i + 1;
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(jacobianAt(a)(i + 1, j + 1).value(), jacobian[i][j]) << "j" << i + 1 << j + 1;
    }
}

// The residuals are the model point minus the target, with the k-term formed as st * (s * k).
// Written out on purpose: it guards the evaluation order, on which the start that the side drawing
// accepts depends to the last bit.
TEST(Equations, ResidualsMatchTheModelBitForBit) {
    std::mt19937 rng(4);
    FittingState s;
    s.x1 = 0.25;
    s.y1 = -0.5;
    s.x2 = 0.75;
    s.y2 = 0.125;
    for (int n = 0; n < 200; ++n) {
        Vec4 a = randomVector(rng);
        if (n == 0)
            a(4) = 0; // the great circle seen edge-on
        const double t[2] = {a(1).value(), a(2).value()}, th = a(3).value(), k = a(4).value();
        const double st = std::sin(th), ct = std::cos(th);
        const double target[2][2] = {{0.25, -0.5}, {0.75, 0.125}};
        const Vec4 F = residualsAt(a, s);
        for (int p = 0; p < 2; ++p) {
            const double c = std::cos(t[p]), sn = std::sin(t[p]);
            EXPECT_EQ(F(2 * p + 1).value(), (c * ct - st * (sn * k)) - target[p][0]);
            EXPECT_EQ(F(2 * p + 2).value(), (c * st + ct * (sn * k)) - target[p][1]);
        }
    }
}

TEST(Equations, JacobianIsTheDerivativeOfTheResiduals) {
    std::mt19937 rng(7);
    const FittingState s;
    const double h = 1e-6;
    for (int n = 0; n < 200; ++n) {
        Vec4 a = randomVector(rng);
        if (n == 0)
            a(4) = 0;
        for (int j = 1; j <= 4; ++j) {
            Vec4 up = a, down = a;
            up(j) = a(j) + h;
            down(j) = a(j) - h;
            for (int i = 1; i <= 4; ++i) {
                const double slope =
                    (residualsAt(up, s)(i) - residualsAt(down, s)(i)).value() / (2 * h);
                EXPECT_NEAR(jacobianAt(a)(i, j).value(), slope, 1e-8)
                    << "j" << i << j << " at sample " << n;
            }
        }
    }
}

TEST(Equations, ConstantZerosWhateverTheVector) {
    std::mt19937 rng(11);
    for (int n = 0; n < 50; ++n) {
        const Vec4 a = n == 0 ? vec(1e300, -1e300, 1e300, 1e300) : randomVector(rng);
        const Mat4 J = jacobianAt(a);
        for (const auto& [i, j] :
             {std::pair{1, 2}, std::pair{2, 2}, std::pair{3, 1}, std::pair{4, 1}}) {
            EXPECT_EQ(J(i, j).value(), 0.0);
            EXPECT_FALSE(std::signbit(J(i, j).value()));
        }
    }
}

// --- Inversion -----------------------------------------------------------------------------------

TEST(Vectordim, Lengths) {
    struct Row {
        Vec4 a;
        double length;
    };
    for (const Row& r : {Row{vec(3, 4, 0, 0), 5}, Row{vec(0, 0, 0, 0), 0},
                         Row{vec(-1, 1, -1, 1), 2}, Row{vec(0, 0, 0, -7), 7}})
        EXPECT_EQ(vectordim(r.a).value(), r.length);
    EXPECT_THROW(vectordim(vec(0, 0, 1e155, 0)), ArithmeticFailure);
}

TEST(Cofactor, CopiesTheMinorWithoutTheGivenRowAndColumn) {
    FittingState s;
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j)
            s.jacobian(i, j) = 10 * i + j; // each entry names its own place
    struct Row {
        int a, b;
        double minor[3][3];
    };
    const Row rows[] = {
        {4, 4, {{11, 12, 13}, {21, 22, 23}, {31, 32, 33}}},
        {1, 2, {{21, 23, 24}, {31, 33, 34}, {41, 43, 44}}},
        {3, 1, {{12, 13, 14}, {22, 23, 24}, {42, 43, 44}}},
    };
    for (const Row& r : rows) {
        Mat3 cf;
        cofactor(r.a, r.b, cf, s);
        for (int p = 1; p <= 3; ++p)
            for (int q = 1; q <= 3; ++q)
                EXPECT_EQ(cf(p, q).value(), r.minor[p - 1][q - 1]) << r.a << r.b << p << q;
    }
    const std::pair<int, int> outside[] = {{0, 1}, {5, 2}, {2, 5}, {1, -1}};
    for (auto [a, b] : outside) {
        Mat3 cf;
        cf(2, 2) = 99;
        const Mat3 before = cf;
        cofactor(a, b, cf, s);
        EXPECT_EQ(cf, before) << a << b;
    }
}

TEST(Invertjacobian, StoresTheInverseTransposed) {
    const Mat4 identity = mat({{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
    FittingState s;
    s.jacobian = identity;
    invertjacobian(s);
    EXPECT_EQ(s.invjacobian, identity);

    // The inverse has -2 at row 1, column 2.
    s.jacobian(1, 2) = 2;
    invertjacobian(s);
    EXPECT_EQ(s.invjacobian, mat({{1, 0, 0, 0}, {-2, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}));
}

TEST(Invertjacobian, TimesTheJacobianGivesTheIdentity) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> entry(-2, 2);
    FittingState s;
    for (int n = 0; n < 100; ++n) {
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j)
                s.jacobian(i, j) = entry(rng) + (i == j ? 5 : 0); // safely regular
        invertjacobian(s);
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j) {
                double sum = 0;
                for (int k = 1; k <= 4; ++k)
                    sum += s.jacobian(i, k).value() * s.invjacobian(j, k).value();
                EXPECT_NEAR(sum, i == j ? 1 : 0, 1e-12);
            }
    }
}

TEST(Invertjacobian, SingularLeavesThePreviousInverse) {
    struct Row {
        const char* what;
        Mat4 jacobian;
    };
    const Row rows[] = {
        {"zero row", mat({{1, 2, 3, 4}, {5, 6, 7, 8}, {0, 0, 0, 0}, {1, 0, 0, 1}})},
        {"two equal rows", mat({{1, 2, 3, 4}, {0, 1, 0, 2}, {1, 2, 3, 4}, {3, 0, 1, 0}})},
        // The only non-zero term of the determinant overflows, so it counts as 0.
        {"overflowing row term",
         mat({{1e300, 0, 0, 0}, {0, 1e10, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}})},
    };
    for (const Row& r : rows) {
        for (const Mat4& previous : {Mat4{}, filled(0.5)}) {
            FittingState s;
            s.jacobian = r.jacobian;
            s.invjacobian = previous;
            EXPECT_NO_THROW(invertjacobian(s)) << r.what;
            EXPECT_EQ(s.invjacobian, previous) << r.what;
        }
    }
}

TEST(Invertjacobian, OverflowingQuotientKeepsThatEntryOnly) {
    FittingState s;
    s.jacobian = mat({{1e-309, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
    s.invjacobian = filled(7);
    invertjacobian(s);
    EXPECT_EQ(s.invjacobian, mat({{7, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}));
}

TEST(Invertjacobian, OverflowingMinorReusesThePreviousCofactor) {
    FittingState s;
    // Minor (1, 2) holds 1e200 twice on its diagonal; its cofactor stays at that of (1, 1), 1e200.
    s.jacobian = mat({{1, 0, 0, 0}, {1e200, 1, 0, 0}, {0, 0, 1e200, 0}, {0, 0, 0, 1}});
    invertjacobian(s);
    EXPECT_EQ(s.invjacobian(1, 1).value(), 1);
    EXPECT_EQ(s.invjacobian(1, 2).value(), 1);

    // The cofactor starts at 0 on every call, not at the last one of the call before.
    s.jacobian = mat({{1e-200, 0, 0, 0}, {0, 1e200, 0, 0}, {0, 0, 1e200, 0}, {0, 0, 0, 1}});
    invertjacobian(s);
    EXPECT_EQ(s.invjacobian(1, 1).value(), 0);
    EXPECT_EQ(s.invjacobian(4, 4).value(), 1);
}

// --- Newton iteration ----------------------------------------------------------------------------

// t1 = theta = 0 makes row 1 of the Jacobian zero at every iterate, so every inversion fails and
// each step uses the inverse the test put in place. With t2 = pi/2 and these targets the residuals
// are (0, 0, 0, k): invjacobian(4, 4) = m alone gives the step -m k and the iteration runs on k
// only, with residual norm |k|. Powers of two keep every value exact.
FittingState onlyK(double k0, double m) {
    const double t2 = std::numbers::pi / 2;
    FittingState s;
    s.xinit = vec(0, t2, 0, k0);
    s.x1 = 1;
    s.x2 = std::cos(t2);
    s.invjacobian(4, 4) = m;
    return s;
}

TEST(NewtonRaphson44, StepCountsOnAKnownSequence) {
    struct Row {
        const char* what;
        double k0, m, k;
    };
    const Row rows[] = {
        // k halves every step and first reaches |k| <= 1e-5 at step 99 (2^-17).
        {"99 steps end by the residual test", 0x1p82, 0.5, 0x1p-17},
        {"100 needed: the cap leaves step 99", 0x1p83, 0.5, 0x1p-16},
        {"norm exactly 1e-5 stops", 2e-5, 0.5, 1e-5},
        // k <- -2k: the first step is taken in full; then each step is halved once, to k <- -k/2,
        // while the previous step was longer than 0.001. From |k| = 2^-12 on, steps alternate
        // between not allowed to halve and allowed, so |k| cycles 2^-11, 2^-10, 2^-11, 2^-12 and
        // the sign flips every step; step 99 lands on -2^-11.
        {"halving only after a step above 0.001", 0.25, 3, -0x1p-11},
        // k <- 2k raises the norm every time: from the second step on, each step is halved until
        // it no longer moves k. What is left of it, half an ulp of k, lets the next step go in
        // full while it is at most 0.001, so odd steps double k up to 2^44, whose half ulp 2^-9
        // is longer: from then on every step is halved to nothing.
        {"step halved to nothing", 1, -1, 0x1p44},
    };
    for (const Row& r : rows) {
        FittingState s = onlyK(r.k0, r.m);
        NewtonRaphson44(s);
        EXPECT_EQ(s.xsol(4).value(), r.k) << r.what;
        EXPECT_EQ(s.xsol(1).value(), 0) << r.what;
        EXPECT_EQ(s.xsol(2), s.xinit(2)) << r.what;
        EXPECT_EQ(s.xsol(3).value(), 0) << r.what;
        EXPECT_EQ(s.invjacobian, onlyK(r.k0, r.m).invjacobian) << r.what;
    }
}

TEST(NewtonRaphson44, StepReadsTheInverseTransposed) {
    // As in onlyK, but with k = 1 fixed and targets making the residuals (0, 0, cos t2 - 1,
    // sin t2): invjacobian(4, 2) = 1 gives t2 <- t2 - sin t2, which converges to 0. Read the
    // other way round, the same matrix gives no step at all.
    FittingState s;
    s.xinit = vec(0, 1, 0, 1);
    s.x1 = 1;
    s.x2 = 1;
    s.invjacobian(4, 2) = 1;
    NewtonRaphson44(s);
    EXPECT_LT(std::abs(s.xsol(2).value()), 1e-9);
    EXPECT_EQ(s.xsol(4).value(), 1);
}

TEST(NewtonRaphson44, ExactStartIsKept) {
    // Targets on the ellipse of `a` itself (computed while the targets still read 0): the
    // residuals at `a` are exactly 0, so the first step is 0 and the residual test ends the call.
    const Vec4 a = vec(0.3, 1.2, 0.4, 0.5);
    FittingState s;
    const Vec4 onEllipse = residualsAt(a, s);
    s.x1 = onEllipse(1);
    s.y1 = onEllipse(2);
    s.x2 = onEllipse(3);
    s.y2 = onEllipse(4);
    s.xinit = a;
    NewtonRaphson44(s);
    EXPECT_TRUE(sameBits(s.xsol, a));
    EXPECT_EQ(s.jacobian, jacobianAt(a));
}

TEST(NewtonRaphson44, SingularFirstPassNeverMoves) {
    FittingState s; // as the form starts: all zeros
    s.xinit = vec(0, 0, 0, 1);
    NewtonRaphson44(s);
    EXPECT_EQ(s.xsol, s.xinit);
    EXPECT_EQ(s.invjacobian, Mat4{});
}

TEST(NewtonRaphson44, FailureLeavesTheLastAcceptedIterate) {
    // k <- k + 2^500 k: step 1 gives 2^500; the residual norm of step 2's trial point overflows.
    FittingState s = onlyK(1, -0x1p500);
    EXPECT_THROW(NewtonRaphson44(s), ArithmeticFailure);
    EXPECT_EQ(s.xsol(4).value(), 0x1p500);
}

// Side c of the triangle a = b = c = 60 degrees (C = acos(1/3)) with C at the north pole, seen
// under an inclination of 30 degrees, A at longitude -100 degrees.
FittingState equilateralSide() {
    const double deg = std::numbers::pi / 180, inc = 30 * deg, lat = 30 * deg;
    const double longA = -100 * deg, longB = longA + std::acos(1.0 / 3);
    FittingState s;
    s.x1 = std::cos(lat) * std::cos(longA);
    s.y1 = std::sin(lat) * std::cos(inc) + std::cos(lat) * std::sin(inc) * std::sin(longA);
    s.x2 = std::cos(lat) * std::cos(longB);
    s.y2 = std::sin(lat) * std::cos(inc) + std::cos(lat) * std::sin(inc) * std::sin(longB);
    return s;
}

TEST(NewtonRaphson44, FitsTheGreatCircleOfARealSide) {
    struct Row {
        double t1Deg, arcDeg;
    };
    // From the first start of the side drawing the fit lands on the same great circle but
    // measures the long way round (t2 - t1 = -300 degrees, which is 60 modulo 360), so the drawing
    // rejects it; the start at 30 degrees gives the 60-degree arc itself.
    for (const Row& r : {Row{10, 300}, Row{30, 60}}) {
        FittingState s = equilateralSide();
        s.xinit = vec(GradtoRad(r.t1Deg).value(), GradtoRad(80).value(), GradtoRad(13).value(),
                      (GradtoRad(5) + 0.1).value());
        NewtonRaphson44(s);
        const double t1 = s.xsol(1).value(), t2 = s.xsol(2).value();
        const double th = s.xsol(3).value(), k = s.xsol(4).value();
        auto X = [&](double t) {
            return std::cos(t) * std::cos(th) - k * std::sin(t) * std::sin(th);
        };
        auto Y = [&](double t) {
            return std::cos(t) * std::sin(th) + k * std::sin(t) * std::cos(th);
        };
        EXPECT_NEAR(X(t1), s.x1.value(), 1e-5) << r.t1Deg;
        EXPECT_NEAR(Y(t1), s.y1.value(), 1e-5) << r.t1Deg;
        EXPECT_NEAR(X(t2), s.x2.value(), 1e-5) << r.t1Deg;
        EXPECT_NEAR(Y(t2), s.y2.value(), 1e-5) << r.t1Deg;
        EXPECT_LE(std::abs(k), 1) << "the image of a great circle";
        const double arc = std::abs(t2 - t1) * 180 / std::numbers::pi;
        EXPECT_NEAR(arc, r.arcDeg, 1e-3) << r.t1Deg;
        EXPECT_NEAR(std::abs(std::remainder(arc, 360)), 60, 1e-3) << r.t1Deg;
    }
}

// The iteration written out plainly, every residual and Jacobian evaluated afresh at its point.
// It restates the loop on purpose: what it guards is the reuse of sines, cosines and residuals
// from pass to pass in NewtonRaphson44 (the tests above pin the iteration's own behaviour).
void referenceNewton(FittingState& s) {
    auto residuals = [&](const Vec4& x) {
        return residualsAt(x, s);
    };
    s.xsol = s.xinit;
    Real err = 1.00001, prevStep = 0;
    for (int n = 1; err > 0.00001; ++n) {
        const Vec4 F = residuals(s.xsol);
        s.jacobian = jacobianAt(s.xsol);
        invertjacobian(s);
        if (n == 100)
            return;
        const Mat4& inv = s.invjacobian;
        Vec4 d, xt;
        for (int i = 1; i <= 4; ++i)
            d(i) = (-F(1)) * inv(1, i) - inv(2, i) * F(2) - inv(3, i) * F(3) - inv(4, i) * F(4);
        const Real normF = vectordim(F);
        for (int i = 1; i <= 4; ++i)
            xt(i) = s.xsol(i) + d(i);
        Real normFt = vectordim(residuals(xt));
        while (normFt > normF && prevStep > 0.001) {
            for (int i = 1; i <= 4; ++i) {
                d(i) = d(i) / 2;
                xt(i) = s.xsol(i) + d(i);
            }
            normFt = vectordim(residuals(xt));
        }
        prevStep = vectordim(d);
        err = normFt;
        s.xsol = xt;
    }
}

// The sines, cosines and residuals carried over from point to point change nothing, also for
// iterates that run away to angles near 1e17. Covers the 71 starts of the side drawing on several
// sides.
TEST(NewtonRaphson44, SameIteratesAsEvaluatingEverythingAfresh) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> target(-1, 1);
    for (int side = 0; side < 6; ++side) {
        FittingState fast = equilateralSide();
        if (side > 0) {
            fast.x1 = target(rng);
            fast.y1 = target(rng);
            fast.x2 = target(rng);
            fast.y2 = target(rng);
        }
        FittingState slow = fast;
        for (int start = 0; start < 71; ++start) {
            fast.xinit = vec(GradtoRad(10 + 5 * start).value(), GradtoRad(80).value(),
                             GradtoRad(13).value(), (GradtoRad(5) + 0.1).value());
            slow.xinit = fast.xinit;
            bool fastFailed = false, slowFailed = false;
            try {
                NewtonRaphson44(fast);
            } catch (const ArithmeticFailure&) {
                fastFailed = true;
            }
            try {
                referenceNewton(slow);
            } catch (const ArithmeticFailure&) {
                slowFailed = true;
            }
            ASSERT_EQ(fastFailed, slowFailed) << side << " " << start;
            ASSERT_TRUE(sameBits(fast.xsol, slow.xsol)) << side << " " << start;
            ASSERT_EQ(fast.invjacobian, slow.invjacobian) << side << " " << start;
        }
    }
}

} // namespace
} // namespace esferica
