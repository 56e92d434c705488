// SPDX-License-Identifier: GPL-3.0-or-later
// The ambiguous cases SSA and AAS: which roots give triangles, and what is offered as the
// additional solution.
#include "numeric/angles.h"
#include "solver/triangle.h"
#include "tests/support/triangle_check.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace esferica {
namespace {

using testing::deg;
using testing::rad;

constexpr double kTol = 1e-4; // degrees

struct Expected {
    double x, first, second; // the missing element from the root, then the two derived ones
};

struct AmbiguousCase {
    const char* name;
    double in[3];
    Expected primary;
    std::optional<Expected> additional;
};

// A candidate triangle: the missing element from the root, then the two derived ones.
struct Candidate {
    Real x, first, second;
};
struct Found {
    Candidate first;
    std::optional<Candidate> second;
};

// Both triangles of an ambiguous case as candidates, the missing element first.
Candidate candidate(const SSATriangle& t) {
    return {t.restante, t.interno, t.externo};
}
Candidate candidate(const AASTriangle& t) {
    return {t.angrestante, t.segundolad, t.ladorestante};
}
template <class Triangle> Found found(const Ambiguous<Triangle>& solved) {
    Found o{candidate(solved.first), std::nullopt};
    if (solved.second)
        o.second = candidate(*solved.second);
    return o;
}

Found runSSA(const double in[3]) {
    return found(SSA(rad(in[0]), rad(in[1]), rad(in[2])));
}
Found runAAS(const double in[3]) {
    return found(AAS(rad(in[0]), rad(in[1]), rad(in[2])));
}

void expectOutcome(const AmbiguousCase& c, const Found& o) {
    EXPECT_NEAR(deg(o.first.x), c.primary.x, kTol);
    EXPECT_NEAR(deg(o.first.first), c.primary.first, kTol);
    EXPECT_NEAR(deg(o.first.second), c.primary.second, kTol);
    ASSERT_EQ(o.second.has_value(), c.additional.has_value());
    if (c.additional) {
        EXPECT_NEAR(deg(o.second->x), c.additional->x, kTol);
        EXPECT_NEAR(deg(o.second->first), c.additional->first, kTol);
        EXPECT_NEAR(deg(o.second->second), c.additional->second, kTol);
    }
}

class SSACase : public ::testing::TestWithParam<AmbiguousCase> {};

// Expected: restante, interno, externo.
TEST_P(SSACase, Solves) {
    expectOutcome(GetParam(), runSSA(GetParam().in));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SSACase,
    ::testing::Values(
        AmbiguousCase{"two_triangles",
                      {30, 40, 60},
                      {88.1146, 128.9731, 42.3493},
                      Expected{24.5053, 18.8226, 137.6507}},
        // The obtuse candidate breaks the triangle: one triangle.
        AmbiguousCase{"negative_second_root", {30, 60, 40}, {94.1339, 144.8409, 21.7843}, {}},
        // The acute candidate breaks the triangle: the obtuse one's is the solution, alone.
        AmbiguousCase{"negative_first_root", {120, 100, 120}, {115.6731, 127.5734, 130.3972}, {}},
        // A double root: B = 90 degrees exactly, where the two triangles merge into one, which
        // was also offered as the additional solution.
        AmbiguousCase{"double_root", {30, 30, 90}, {90, 90, 90}, {}},
        AmbiguousCase{"double_root_at_45", {45, 45, 90}, {90, 90, 90}, {}},
        // Near the smallest sides solved: the same angles as at any size (sides of 1e-160
        // degrees gave a double root).
        AmbiguousCase{"two_tiny_triangles",
                      {30, 1e-145, 1.5e-145},
                      {0, 101.4096, 48.5904},
                      Expected{0, 18.5904, 131.4096}}),
    [](const auto& info) { return info.param.name; });

class AASCase : public ::testing::TestWithParam<AmbiguousCase> {};

// Expected: angrestante, segundolad, ladorestante.
TEST_P(AASCase, Solves) {
    expectOutcome(GetParam(), runAAS(GetParam().in));
}

INSTANTIATE_TEST_SUITE_P(
    Values, AASCase,
    ::testing::Values(
        AmbiguousCase{"two_triangles",
                      {54.5107, 92.8146, 50},
                      {60, 70, 54.5657},
                      Expected{111.2526, 110, 118.7361}},
        AmbiguousCase{"negative_second_root", {60, 30, 20}, {92.0146, 11.3888, 23.2464}, {}},
        AmbiguousCase{"negative_first_root", {100, 120, 100}, {92.6858, 120, 87.3142}, {}},
        // Two equal given angles: the candidate side that is the supplement of the given one
        // makes a lune (third side of 180 degrees), and the other is the triangle, whether the
        // sides are below or above 90 degrees.
        AmbiguousCase{"equal_angles", {70, 70, 50}, {59.0403, 50, 44.3520}, {}},
        AmbiguousCase{"equal_obtuse_angles", {100, 100, 120}, {38.8508, 120, 33.4792}, {}},
        AmbiguousCase{"equal_angles_on_a_long_side", {30, 30, 20}, {123.0375, 20, 34.9905}, {}}),
    [](const auto& info) { return info.param.name; });

TEST(AmbiguousFailures, NoTriangleFits) {
    struct Case {
        const char* name;
        Found (*solve)(const double*);
        double in[3];
        std::string failure; // what() of the failure raised
    };
    const Case cases[] = {
        {"SSA negative discriminant", runSSA, {30, 20, 60}, "square root of a negative number"},
        {"SSA negative discriminant, shorter side",
         runSSA,
         {30, 10, 60},
         "square root of a negative number"},
        {"SSA both roots negative", runSSA, {150, 10, 20}, "no triangle fits the data"},
        // A = B = a = 90 leaves c = C free: Napier's analogies are 0/0. So does its dual.
        {"AAS third side free", runAAS, {90, 90, 90}, "division by zero"},
        {"SSA third side free", runSSA, {90, 90, 90}, "division by zero"},
        // Equal angles again, but neither candidate side makes a triangle.
        {"AAS equal angles, no triangle", runAAS, {120, 120, 60}, "no triangle fits the data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            (void)c.solve(c.in);
            ADD_FAILURE() << "solved";
        } catch (const Failure& f) {
            EXPECT_EQ(f.what(), c.failure);
        }
    }
}

// Two given sides adding up to 180 degrees (a rounding residue of about 1e-15 away) leave one
// candidate, whose third side must not be lost to cancellation (c came out 0.5 degrees off, with
// an angle inconsistent with the given ones).
TEST(AmbiguousSolutions, SupplementarySidesOrAnglesGiveTheExactLuneTriangle) {
    for (double a : {10.0, 30.0, 50.0, 70.0, 80.0, 89.0})
        for (double A : {20.0, 45.0, 60.0, 85.0}) {
            SCOPED_TRACE(::testing::Message() << "a = " << a << ", A = " << A);
            // SSA given A, a and b = 180 - a: outputs C, B, c.
            const auto [C, B, c] = SSA(rad(A), rad(a), rad(180 - a)).first;
            EXPECT_NEAR(deg(B), 180 - A, 1e-6) << "a + b = 180 requires A + B = 180";
            const TriangleSolution t{rad(a), rad(180 - a), c, rad(A), B, C};
            EXPECT_LT(testing::lawOfCosinesError(t), 1e-9);
            // The dual: AAS given A, B = 180 - A and a: outputs b, c, C.
            const auto [b, c3, C3] = AAS(rad(A), rad(180 - A), rad(a)).first;
            EXPECT_NEAR(deg(b), 180 - a, 1e-6);
            EXPECT_NEAR(deg(c3), deg(c), 1e-6);
            EXPECT_NEAR(deg(C3), deg(C), 1e-6);
        }
}

TEST(AmbiguousSolutions, BothTrianglesAreConsistentAndShareTheGivenElements) {
    // SSA given A = 30, a = 40, b = 60: outputs C, B, c.
    const double given[] = {30, 40, 60};
    const Found o = runSSA(given);
    ASSERT_TRUE(o.second);
    TriangleSolution first{rad(40), rad(60), o.first.x, rad(30), o.first.second, o.first.first};
    TriangleSolution second{rad(40), rad(60),          o.second->x,
                            rad(30), o.second->second, o.second->first};
    EXPECT_LT(testing::lawOfCosinesError(first), 1e-12);
    EXPECT_LT(testing::lawOfCosinesError(second), 1e-12);
}

} // namespace
} // namespace esferica
