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

constexpr double kTol = 1e-4; // degrees, for values quoted to four decimals

struct ThreeCase {
    const char* name;
    double given[3];
    double expected[3];
};

class SSSCase : public ::testing::TestWithParam<ThreeCase> {};

TEST_P(SSSCase, FindsTheAngles) {
    const ThreeCase& c = GetParam();
    const TriangleSolution t = SSS(rad(c.given[0]), rad(c.given[1]), rad(c.given[2]));
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
    const TriangleSolution t = AAA(rad(c.given[0]), rad(c.given[1]), rad(c.given[2]));
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

// Data that fit no triangle fail, whatever the case: sides breaking the triangle inequality, a
// side of 0, angles summing to exactly 180 degrees (each converts to slightly less than pi/3), a
// flat angle between two sides, a zero angle, sides too small for a double to keep their digits
// (sides of 1e-320 degrees came out with angles 0.7 degrees off).
TEST(UnambiguousFailures, NoTriangleFits) {
    struct Case {
        const char* name;
        void (*solve)();
    };
    const Case cases[] = {
        {"SSS triangle inequality",
         [] {
             (void)SSS(rad(30), rad(40), rad(80));
         }},
        {"SSS zero side",
         [] {
             (void)SSS(rad(0), rad(40), rad(50));
         }},
        {"SSS flat",
         [] {
             (void)SSS(rad(30), rad(40), rad(70));
         }},
        {"AAA angles summing to 180",
         [] {
             (void)AAA(rad(60), rad(60), rad(60));
         }},
        {"SAS flat angle",
         [] {
             (void)SAS(rad(0), rad(50), rad(70));
         }},
        {"ASA zero angle",
         [] {
             (void)ASA(rad(0), rad(70), rad(50));
         }},
        {"SSS sides under 2^-500 radians",
         [] {
             (void)SSS(rad(1e-150), rad(1e-150), rad(1e-150));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(c.solve(), Failure);
    }
}

struct MixedCase {
    const char* name;
    double in[3];
    double out[3]; // in the order the outputs are written
};

class SASCase : public ::testing::TestWithParam<MixedCase> {};

TEST_P(SASCase, Solves) {
    const MixedCase& c = GetParam();
    const auto [primerang, segundoang, ladorestante] =
        SAS(rad(c.in[0]), rad(c.in[1]), rad(c.in[2]));
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

class ASACase : public ::testing::TestWithParam<MixedCase> {};

TEST_P(ASACase, Solves) {
    const MixedCase& c = GetParam();
    const auto [primerlad, segundolad, angrestante] = ASA(rad(c.in[0]), rad(c.in[1]), rad(c.in[2]));
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

} // namespace
} // namespace esferica
