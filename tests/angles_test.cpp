// SPDX-License-Identifier: GPL-3.0-or-later
// Checked arithmetic and the angle functions.
#include "numeric/angles.h"
#include "numeric/checked.h"
#include "numeric/reduced.h"
#include "tests/support/reference.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace esferica {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::optional<FailureKind> failureOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ArithmeticFailure& e) {
        return e.kind();
    }
    return std::nullopt;
}

TEST(CheckedArithmetic, RaisesTheFailureInsteadOfANonFiniteValue) {
    const Real zero = 0, one = 1, big = 1e308;
    struct Case {
        const char* what;
        std::function<void()> op;
        std::optional<FailureKind> kind;
    };
    const Case cases[] = {
        {"1 / 0", [&] { (void)(one / zero); }, FailureKind::DivisionByZero},
        {"0 / 0", [&] { (void)(zero / zero); }, FailureKind::DivisionByZero},
        {"1 / -0", [&] { (void)(one / -zero); }, FailureKind::DivisionByZero},
        {"1e308 * 10", [&] { (void)(big * 10); }, FailureKind::Overflow},
        {"-1e308 - 1e308", [&] { (void)(-big - big); }, FailureKind::Overflow},
        {"1e308 + 1e308", [&] { (void)(big + big); }, FailureKind::Overflow},
        {"1 / 1e-310", [&] { (void)(one / 1e-310); }, FailureKind::Overflow},
        {"sqrt(-1)", [&] { (void)sqrt(Real(-1)); }, FailureKind::NegativeSquareRoot},
        {"sqrt(-1e-300)", [&] { (void)sqrt(Real(-1e-300)); }, FailureKind::NegativeSquareRoot},
        {"Real(inf)", [&] { (void)Real(kInf); }, FailureKind::Overflow},
        {"Real(-inf)", [&] { (void)Real(-kInf); }, FailureKind::Overflow},
        {"Real(NaN)", [&] { (void)Real(std::nan("")); }, FailureKind::InvalidOperation},
        {"x /= 0",
         [&] {
             Real x = 1;
             x /= zero;
         },
         FailureKind::DivisionByZero},
        {"toSingle(1e39)", [&] { (void)toSingle(1e39); }, FailureKind::Overflow},
        {"toSingle(-1e300)", [&] { (void)toSingle(-1e300); }, FailureKind::Overflow},
        {"atan2(0, 0)", [&] { (void)atan2(zero, zero); }, FailureKind::DivisionByZero},
        {"atan2(-0, -0)", [&] { (void)atan2(-zero, -zero); }, FailureKind::DivisionByZero},
        // not failures
        {"underflow to 0", [&] { EXPECT_EQ((Real(1e-300) * 1e-300).value(), 0); }, {}},
        {"sqrt(-0)", [&] { EXPECT_TRUE(std::signbit(sqrt(-zero).value())); }, {}},
        {"sin(1e300)", [&] { EXPECT_LE(abs(sin(Real(1e300))).value(), 1); }, {}},
        {"toSingle(3e38)", [&] { EXPECT_EQ(toSingle(3e38), 3e38f); }, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(failureOf(c.op), c.kind) << c.what;
}

TEST(ResumeNext, AFailedStepIsAbandonedAndTheNextStillRuns) {
    ResumeNext run;
    Real kept = 5, written = 0;
    run([&] { kept = Real(1) / 0; });
    run([&] { written = 7; });
    EXPECT_EQ(kept, 5) << "the failing step must store nothing";
    EXPECT_EQ(written, 7);
}

// Kept on purpose: pi with 14 decimals, not the double nearest to pi.
TEST(Conversions, UseThe14DecimalPi) {
    EXPECT_EQ(GradtoRad(180).value(), 3.14159265358979);
    EXPECT_EQ(GradtoRad(90).value(), 3.14159265358979 / 2);
    EXPECT_EQ(kTwoPi, 2 * kPi);
    for (double d : {1.0, 30.0, 45.0, 60.0, 90.0, 180.0, -90.0, 360.0})
        EXPECT_EQ(RadtoGrad(GradtoRad(d)).value(), d) << d;
}

TEST(Conversions, NinetyAndOneEightyDegreesReachExactlyOne) {
    // This is what lets exact inputs drive an inverse function to exactly +-1.
    EXPECT_EQ(sin(GradtoRad(90)).value(), 1.0);
    EXPECT_EQ(cos(GradtoRad(180)).value(), -1.0);
}

TEST(Conversions, OverflowNearTheEndOfTheRange) {
    EXPECT_EQ(failureOf([] { (void)GradtoRad(1e308); }), FailureKind::Overflow);
    EXPECT_EQ(failureOf([] { (void)RadtoGrad(1e308); }), FailureKind::Overflow);
}

TEST(InverseFunctions, Values) {
    const double pi = std::acos(-1.0);
    EXPECT_EQ(ArcCos(0).value(), 2 * std::atan(1.0));
    EXPECT_EQ(ArcCos(-0.0).value(), 2 * std::atan(1.0));
    EXPECT_NEAR(ArcCos(0.5).value(), pi / 3, 1e-15);
    EXPECT_NEAR(ArcCos(-0.5).value(), 2 * pi / 3, 1e-15);
    EXPECT_NEAR(ArcSin(0.5).value(), pi / 6, 1e-15);
    EXPECT_NEAR(ArcSin(-0.5).value(), -pi / 6, 1e-15);
    EXPECT_EQ(ArcSin(0).value(), 0);
    // Close to the ends the results approach 0 and pi but never leave (0, pi).
    EXPECT_GT(ArcCos(std::nextafter(1.0, 0.0)).value(), 0);
    EXPECT_LT(ArcCos(std::nextafter(-1.0, 0.0)).value(), pi);
}

// Kept on purpose: no clamping, so an argument that rounding pushes to +-1 fails too.
TEST(InverseFunctions, FailAtAndBeyondPlusMinusOne) {
    struct Case {
        double x;
        FailureKind kind;
    };
    for (const Case c :
         {Case{1, FailureKind::DivisionByZero}, Case{-1, FailureKind::DivisionByZero},
          Case{std::nextafter(1.0, 2.0), FailureKind::NegativeSquareRoot},
          Case{-1.5, FailureKind::NegativeSquareRoot}, Case{1e200, FailureKind::Overflow}}) {
        EXPECT_EQ(failureOf([&] { (void)ArcCos(c.x); }), c.kind) << "ArcCos " << c.x;
        EXPECT_EQ(failureOf([&] { (void)ArcSin(c.x); }), c.kind) << "ArcSin " << c.x;
    }
}

// The checked atan2 takes one arctangent of a quotient of at most 1 instead of the library's: the
// same angle within two units in the last place of pi, in every octant, and the sign of a zero y.
TEST(Atan2, AgreesWithTheLibraryInEveryOctant) {
    const double ulpOfPi = std::nextafter(kPi, 4.0) - kPi;
    for (const double y : {0.0, -0.0, 1e-300, 0.3, 1.0, 3.0, -0.3, -1.0, -3.0})
        for (const double x : {0.0, -0.0, 1e-300, 0.3, 1.0, 3.0, -0.3, -1.0, -3.0}) {
            if (y == 0 && x == 0)
                continue;
            const double got = atan2(Real(y), Real(x)).value(), want = std::atan2(y, x);
            EXPECT_NEAR(got, want, 2 * ulpOfPi) << "atan2(" << y << ", " << x << ")";
            EXPECT_EQ(std::signbit(got), std::signbit(want)) << "atan2(" << y << ", " << x << ")";
        }
}

// A reduced angle keeps the digits of an angle near a multiple of the quarter turn, where the
// library's sine of the double would not: its sine and cosine are those of the angle in the
// program's radians (kPi the half turn) within a few units in the last place of themselves.
TEST(ReducedAngles, SineAndCosineKeepTheirDigitsNearEveryQuarterTurn) {
    struct Row {
        const char* name;
        double degrees, other; // the angle is (degrees + other) / 2
    };
    const Row rows[] = {
        {"a side of 179.9999", 179.9999, 179.9999},
        {"a tiny angle", 1e-7, 1e-7},
        {"just past 90", 90.0000001, 90.0000001},
        {"the eighth of a turn", 45, 45},
        {"half the sum of two sides near 180", 179.9999, 179.9998},
        {"half the difference of two sides near 90", 90.0002, -89.9998},
        {"half the sum that ends near 90", 179.9999, 0.0003},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Real x = GradtoRad(row.degrees), y = GradtoRad(row.other);
        const ReducedAngle angle = (ReducedAngle(Bounded(x)) + ReducedAngle(Bounded(y))).half();
        // The same angle in true radians, from the two doubles exactly.
        const testing::Quad exact = (testing::Quad(x.value()) + testing::Quad(y.value())) / 2 *
                                    testing::Math<testing::Quad>::pi() / testing::Quad(kPi);
        const double s = static_cast<double>(sinq(exact)), c = static_cast<double>(cosq(exact));
        const auto values = angle.sincosValues();
        constexpr double kUnits = 4 * std::numeric_limits<double>::epsilon();
        EXPECT_NEAR(values.s.value(), s, kUnits * std::fabs(s));
        EXPECT_NEAR(values.c.value(), c, kUnits * std::fabs(c));
        EXPECT_EQ(angle.sineValue(), values.s);
        EXPECT_EQ(angle.sine().value(), values.s);
        EXPECT_LE(std::fabs(values.s.value() - s), angle.sincos().s.error());
    }
}

} // namespace
} // namespace esferica
