// SPDX-License-Identifier: GPL-3.0-or-later
// The measures of a triangle against the same measures taken from its vertices in quadruple
// precision: the excess as A + B + C - 180 degrees (34 digits leave plenty after the
// cancellation), the circumscribed circle's centre along A x B + B x C + C x A, the inscribed
// one's along sin a A + sin b B + sin c C.
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
using Vec = Reference::Vec;

struct TrueMeasures {
    Quad excess, perimeter, circumradius, inradius; // degrees
};

Vec operator*(Quad s, Vec v) {
    return {s * v.x, s * v.y, s * v.z};
}
Vec operator+(Vec u, Vec v) {
    return {u.x + v.x, u.y + v.y, u.z + v.z};
}

// The measures of the triangle whose sides are those of `t` exactly: in the program's radians kPi
// is the half turn.
TrueMeasures trueMeasures(const TriangleSolution& t) {
    testing::GivenOf<Quad> sides;
    for (const Element e : {Element::a, Element::b, Element::c})
        sides[index(e)] = Quad(t[e].value()) * 180 / Quad(kPi);
    testing::Verdicts<Quad> verdicts{1e-26L};
    const testing::Elements<Quad> e = Reference::fitting(sides, verdicts)->at(0);
    const Vec C = Reference::point(0, 0), A = Reference::point(e[1], 0),
              B = Reference::point(e[0], e[5]);

    const Vec toCircumcentre =
        Reference::cross(A, B) + Reference::cross(B, C) + Reference::cross(C, A);
    const Quad circumradius = Reference::arc(toCircumcentre, A);
    const auto sine = [](Quad degrees) {
        return sinq(Reference::rad(degrees));
    };
    const Vec incentre = sine(e[0]) * A + sine(e[1]) * B + sine(e[2]) * C;
    const Vec sideA = Reference::cross(B, C);
    const Quad sinInradius =
        Reference::dot(incentre, sideA) / (Reference::norm(incentre) * Reference::norm(sideA));
    return {e[3] + e[4] + e[5] - 180, e[0] + e[1] + e[2], fminq(circumradius, 180 - circumradius),
            Reference::deg(asinq(fabsq(sinInradius)))};
}

class Measured : public ::testing::TestWithParam<double> {};

// Random well-shaped triangles: sides of one to three times the size, an angle of 30 to 150 degrees
// between two of them.
TEST_P(Measured, EveryMeasureAgreesWithTheVertices) {
    const double size = GetParam();
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> side(size, std::min(3 * size, 179.0)), angle(30, 150);
    for (int n = 0; n < 50; ++n) {
        const testing::Elements<Quad> built =
            Reference::sideAngleSide(angle(rng), side(rng), side(rng));
        std::array<double, 6> degrees;
        for (std::size_t i = 0; i < 6; ++i)
            degrees[i] = static_cast<double>(built[i]);
        const TriangleSolution t = testing::triangleOfDegrees(degrees);
        const TrueMeasures truth = trueMeasures(t);
        const Measures m = measure(t);
        SCOPED_TRACE(::testing::Message()
                     << "sides " << degrees[0] << ", " << degrees[1] << ", " << degrees[2]);

        const double excess = static_cast<double>(truth.excess);
        EXPECT_NEAR(testing::deg(m.excess), excess, 1e-14 * excess);
        EXPECT_NEAR(m.area.value(), static_cast<double>(Reference::rad(truth.excess)),
                    1e-14 * m.area.value());
        EXPECT_NEAR(testing::deg(m.perimeter), static_cast<double>(truth.perimeter), 2e-13);
        EXPECT_NEAR(testing::deg(m.circumradius), static_cast<double>(truth.circumradius), 2e-13);
        EXPECT_NEAR(testing::deg(m.inradius), static_cast<double>(truth.inradius), 2e-13);
    }
}

// Sides of 3, 4 and 5 times 1e-145 degrees, near the smallest that the solvers take: the sphere is
// the plane there to 1e-290, and no product of the measures may underflow. The right triangle's
// area is 6, its circumradius 2.5 and its inradius 1 in units of the side.
TEST(MeasuredTriangle, OfTheSmallestSidesIsPlane) {
    const TriangleSolution t = testing::triangleOfDegrees({3e-145, 4e-145, 5e-145, 0, 0, 0});
    const Measures m = measure(t);
    const double unit = testing::rad(1e-145).value();
    EXPECT_NEAR(m.area.value(), 6 * unit * unit, 1e-14 * m.area.value());
    EXPECT_NEAR(m.circumradius.value(), 2.5 * unit, 1e-14 * 2.5 * unit);
    EXPECT_NEAR(m.inradius.value(), unit, 1e-14 * unit);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Measured, ::testing::Values(90, 10, 1, 0.01, 0.0001),
                         [](const auto& info) {
                             return "sides_of_" + testing::testName(info.param);
                         });

} // namespace
} // namespace esferica
