// SPDX-License-Identifier: GPL-3.0-or-later
// The unambiguous cases: three sides, three angles, SAS and ASA.
#include "numeric/angles.h"
#include "solver/triangle.h"
#include "tests/support/triangle_check.h"

#include <gtest/gtest.h>

namespace esferica {
namespace {

using testing::deg;
using testing::rad;
using testing::triangleOfDegrees;

constexpr double kTol = 1e-4; // degrees, for values quoted to four decimals

struct ThreeCase {
    const char* name;
    double given[3];
    double expected[3];
};

class SSSCase : public ::testing::TestWithParam<ThreeCase> {};

TEST_P(SSSCase, FindsTheAngles) {
    const ThreeCase& c = GetParam();
    TriangleSolution t = triangleOfDegrees({c.given[0], c.given[1], c.given[2], 0, 0, 0});
    ResumeNext run;
    SSS(run, t);
    ASSERT_FALSE(run.pending());
    EXPECT_NEAR(deg(t.A), c.expected[0], kTol);
    EXPECT_NEAR(deg(t.B), c.expected[1], kTol);
    EXPECT_NEAR(deg(t.C), c.expected[2], kTol);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SSSCase,
    ::testing::Values(ThreeCase{"quadrantal", {90, 90, 90}, {90, 90, 90}},
                      ThreeCase{"equilateral", {60, 60, 60}, {70.5288, 70.5288, 70.5288}},
                      ThreeCase{"scalene", {50, 60, 70}, {54.5689, 67.0962, 88.2183}},
                      ThreeCase{"obtuse", {100, 110, 120}, {115.0569, 120.1871, 127.1911}}),
    [](const auto& info) { return info.param.name; });

class AAACase : public ::testing::TestWithParam<ThreeCase> {};

TEST_P(AAACase, FindsTheSides) {
    const ThreeCase& c = GetParam();
    TriangleSolution t = triangleOfDegrees({0, 0, 0, c.given[0], c.given[1], c.given[2]});
    ResumeNext run;
    AAA(run, t);
    ASSERT_FALSE(run.pending());
    EXPECT_NEAR(deg(t.a), c.expected[0], kTol);
    EXPECT_NEAR(deg(t.b), c.expected[1], kTol);
    EXPECT_NEAR(deg(t.c), c.expected[2], kTol);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AAACase,
    ::testing::Values(ThreeCase{"quadrantal", {90, 90, 90}, {90, 90, 90}},
                      ThreeCase{"obtuse", {100, 100, 100}, {98.5085, 98.5085, 98.5085}},
                      ThreeCase{
                          "polar_of_scalene", {130, 120, 110}, {125.4311, 112.9038, 91.7817}}),
    [](const auto& info) { return info.param.name; });

TEST(SSS, SidesBreakingTheTriangleInequalityFailInEveryStepAndStoreNothing) {
    TriangleSolution t = triangleOfDegrees({30, 40, 80, 11, 22, 33});
    ResumeNext run;
    SSS(run, t);
    EXPECT_TRUE(run.pending());
    EXPECT_EQ(t.A, rad(11));
    EXPECT_EQ(t.B, rad(22));
    EXPECT_EQ(t.C, rad(33));
}

TEST(SSS, AZeroSideFailsAndLeavesTheAnglesAsTheyWere) {
    TriangleSolution t = triangleOfDegrees({0, 40, 50, 1, 2, 3});
    ResumeNext run;
    SSS(run, t);
    EXPECT_TRUE(run.pending());
    EXPECT_EQ(t.B, testing::rad(2));
    EXPECT_EQ(t.C, testing::rad(3));
}

TEST(SSS, ADegenerateTriangleFailsOrGivesAFlatAngle) {
    TriangleSolution t = triangleOfDegrees({30, 40, 70, -1, -1, -1});
    ResumeNext run;
    SSS(run, t);
    for (Real angle : {t.A, t.B, t.C}) {
        if (angle == rad(-1))
            continue; // that step failed
        const double d = deg(angle);
        EXPECT_TRUE(d < 0.01 || d > 179.99) << d;
    }
}

TEST(AAA, AnglesSummingToExactly180DegreesFail) {
    TriangleSolution t = triangleOfDegrees({0, 0, 0, 60, 60, 60});
    ResumeNext run;
    AAA(run, t);
    EXPECT_TRUE(run.pending());
    EXPECT_EQ(t.a, 0);
    EXPECT_EQ(t.b, 0);
    EXPECT_EQ(t.c, 0);
}

struct MixedCase {
    const char* name;
    double in[3];
    double out[3]; // in the order the outputs are written
};

class SASCase : public ::testing::TestWithParam<MixedCase> {};

TEST_P(SASCase, Solves) {
    const MixedCase& c = GetParam();
    Real primerang, segundoang, ladorestante;
    SAS(rad(c.in[0]), rad(c.in[1]), rad(c.in[2]), primerang, segundoang, ladorestante);
    EXPECT_NEAR(deg(ladorestante), c.out[0], kTol);
    EXPECT_NEAR(deg(primerang), c.out[1], kTol);
    EXPECT_NEAR(deg(segundoang), c.out[2], kTol);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SASCase,
    ::testing::Values(MixedCase{"quadrantal", {90, 90, 90}, {90, 90, 90}},
                      MixedCase{"acute", {60, 50, 70}, {54.5657, 54.5107, 92.8146}},
                      MixedCase{"obtuse_sides", {30, 150, 160}, {15.8675, 66.1161, 141.2837}}),
    [](const auto& info) { return info.param.name; });

TEST(SAS, AFlatAngleStoresTheThirdSideThenFailsOrGivesAFlatAngle) {
    Real primerang = -1, segundoang = -1, ladorestante = -1;
    try {
        SAS(rad(0), rad(50), rad(70), primerang, segundoang, ladorestante);
    } catch (const ArithmeticFailure&) {
    }
    EXPECT_NEAR(deg(ladorestante), 20, 1e-6);
    if (primerang != -1) {
        EXPECT_TRUE(deg(primerang) < 0.01 || deg(primerang) > 179.99) << deg(primerang);
    }
}

class ASACase : public ::testing::TestWithParam<MixedCase> {};

TEST_P(ASACase, Solves) {
    const MixedCase& c = GetParam();
    Real primerlad, segundolad, angrestante;
    ASA(rad(c.in[0]), rad(c.in[1]), rad(c.in[2]), primerlad, segundolad, angrestante);
    EXPECT_NEAR(deg(angrestante), c.out[0], kTol);
    EXPECT_NEAR(deg(segundolad), c.out[1], kTol);
    EXPECT_NEAR(deg(primerlad), c.out[2], kTol);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ASACase,
    ::testing::Values(MixedCase{"acute", {60, 70, 50}, {69.3849, 50.2726, 45.1374}},
                      // Sides above 90 degrees come back as such, not as their supplements.
                      MixedCase{"obtuse", {100, 100, 98.50853}, {100, 98.5085, 98.5085}},
                      MixedCase{"obtuse_sides", {66.1161, 141.2837, 15.8675}, {30, 160, 150}},
                      // A sine quotient of exactly 1 is a valid triangle, not a failure.
                      MixedCase{"quadrantal", {90, 90, 90}, {90, 90, 90}}),
    [](const auto& info) { return info.param.name; });

TEST(ASA, AZeroAngleStoresTheThirdAngleThenFailsDividingByItsSine) {
    Real primerlad = -1, segundolad = -1, angrestante = -1;
    EXPECT_THROW(ASA(rad(0), rad(70), rad(50), primerlad, segundolad, angrestante),
                 ArithmeticFailure);
    EXPECT_NEAR(deg(angrestante), 110, 1e-6);
    EXPECT_EQ(segundolad, -1);
    EXPECT_EQ(primerlad, -1);
}

} // namespace
} // namespace esferica
