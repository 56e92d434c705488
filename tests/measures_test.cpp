// SPDX-License-Identifier: GPL-3.0-or-later
// The measures of a triangle against the same measures taken from its vertices in quadruple
// precision (tests/support/reference.h).
#include "numeric/angles.h"
#include "solver/measures.h"
#include "tests/support/names.h"
#include "tests/support/reference.h"
#include "tests/support/triangle_check.h"

#include <gtest/gtest.h>
#include <random>

namespace esferica {
namespace {

using testing::Quad;
using Reference = testing::Reference<Quad>;

class Measured : public ::testing::TestWithParam<double> {};

// Random triangles of three shapes, each with sides of one to three times the size and an angle
// between two of them: well-shaped (30 to 150 degrees), slivers (179 to 179.9999 degrees), where
// l'Huilier's formula from the sides lost the excess and the radii to the difference b + c - a,
// and needles (0.0001 to 0.01 degrees), where a radius from the sides was 2e-9 degrees off.
TEST_P(Measured, EveryMeasureAgreesWithTheVertices) {
    struct Shape {
        const char* name;
        double minAngle, maxAngle;
    };
    const Shape shapes[] = {
        {"well-shaped", 30, 150}, {"sliver", 179, 179.9999}, {"needle", 1e-4, 1e-2}};
    const double size = GetParam();
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> side(size, std::min(3 * size, 179.0));
    for (const Shape& shape : shapes)
        for (int n = 0; n < 50; ++n) {
            std::uniform_real_distribution<double> angle(shape.minAngle, shape.maxAngle);
            const testing::Elements<Quad> built =
                Reference::sideAngleSide(angle(rng), side(rng), side(rng));
            std::array<double, 6> degrees;
            for (std::size_t i = 0; i < 6; ++i)
                degrees[i] = static_cast<double>(built[i]);
            const TriangleSolution t = testing::triangleOfDegrees(degrees);
            // Of the triangle built: its elements are rounded once to doubles of degrees and again
            // to radians, and which of them a measure rests on depends on the shape.
            const Reference::Measures truth = Reference::measures(built);
            const Measures m = measure(t);
            SCOPED_TRACE(::testing::Message() << shape.name << ", sides " << degrees[0] << ", "
                                              << degrees[1] << ", " << degrees[2]);

            const double excess = static_cast<double>(truth.excess);
            EXPECT_NEAR(testing::deg(m.excess.value()), excess, 1e-14 * excess);
            EXPECT_NEAR(m.area->value(), static_cast<double>(Reference::rad(truth.excess)),
                        1e-14 * m.area->value());
            EXPECT_NEAR(testing::deg(m.perimeter.value()), static_cast<double>(truth.perimeter),
                        2e-13);
            EXPECT_NEAR(testing::deg(m.circumradius.value()),
                        static_cast<double>(truth.circumradius), 2e-13);
            EXPECT_NEAR(testing::deg(m.inradius.value()), static_cast<double>(truth.inradius),
                        2e-13);
        }
}

// Sides of 3, 4 and 5 times 1e-145 degrees, near the smallest that the solvers take: the sphere is
// the plane there to 1e-290, and no product of the measures may underflow. The right triangle's
// area is 6, its circumradius 2.5 and its inradius 1 in units of the side.
TEST(MeasuredTriangle, OfTheSmallestSidesIsPlane) {
    // The measures take the angles too: those of the plane triangle 3, 4, 5.
    const double A = std::atan2(3.0, 4.0) * 180 / std::acos(-1.0);
    const TriangleSolution t = testing::triangleOfDegrees({3e-145, 4e-145, 5e-145, A, 90 - A, 90});
    const Measures m = measure(t);
    const double unit = testing::rad(1e-145).value();
    EXPECT_NEAR(m.area->value(), 6 * unit * unit, 1e-14 * m.area->value());
    EXPECT_NEAR(m.circumradius->value(), 2.5 * unit, 1e-14 * 2.5 * unit);
    EXPECT_NEAR(m.inradius->value(), unit, 1e-14 * unit);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Measured, ::testing::Values(90, 10, 1, 0.01, 0.0001),
                         [](const auto& info) {
                             return "sides_of_" + testing::testName(info.param);
                         });

} // namespace
} // namespace esferica
