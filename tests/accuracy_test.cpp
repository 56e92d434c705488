// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of docs/accuracy.md's table, measured. For each size of side, random triangles of
// several shapes are built in quadruple precision; three of their elements, typed with 15
// significant digits in each of the 20 ways of giving three, go through the calculate command,
// and every value the program finds, the six elements and the measures, is compared with the
// triangles that the typed digits fit, constructed in quadruple precision (tests/support/
// reference.h): on the sphere, or in the plane for sides of 1e-9 degrees and less, where the
// sphere is the plane to 22 digits and quadruple precision no longer tells its points apart.
//
// Some data decide their triangle less well than a double holds them: next to a double root, with
// the three angles of a small triangle, or on a sliver, one unit in the last place of a typed
// element moves the triangle by far more than the tenth decimal. No solver that reads the data
// into doubles can do better there, so an error counts against the document's figure of any shape
// only where it is more than kCarefulSolver times what that unit moves the triangle: a careful
// double-precision solver reads and converts each of the three elements with up to about one unit
// of rounding. Likewise a triangle missing or shown in excess counts only when a few units of
// rounding of the data do not change how many triangles there are.
#include "command/calculate.h"
#include "numeric/angles.h"
#include "tests/support/names.h"
#include "tests/support/reference.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace esferica {
namespace {

using testing::Quad;
using Elements = testing::Elements<Quad>;
using Reference = testing::Reference<Quad>;
using PlaneReference = testing::PlaneReference<Quad>;

constexpr int kTrianglesPerShape = 60;
// Below this a quantity of the construction is taken for an exact coincidence. Quadruple precision
// carries 34 digits, so a sum of elements of at most 540 degrees that is 0 comes out within 1e-31
// of it: three angles typed from a small triangle often add up to 180 degrees exactly. Lunes
// within 1e-9 degrees of 180 come within 1e-26 of the double root of two sides and the angle
// opposite one, a gap of the square of their size in radians that the construction tells apart.
const Quad kCoincident = 1e-31L;
// Errors below this (degrees) need no excuse.
constexpr double kNegligible = 1e-12;
// Twice what a careful solver errs, in units of what one unit in the last place of one given
// element moves the triangle: up to about that much for each of the three.
constexpr double kCarefulSolver = 2 * 1.5;
// How many units in the last place of a typed element its conversion to radians may move it: half
// a unit in reading the text, and a unit each in the product by pi and the quotient by 360.
constexpr double kConversionUnits = 3;
// Sides of this size and less are constructed in the plane.
constexpr double kPlane = 1e-9;

// What is compared of a triangle, in degrees: its six elements, then its excess, perimeter,
// circumradius and inradius, and its area turned into degrees of excess.
constexpr std::size_t kElementValues = 6, kValues = 11;
using Values = std::array<Quad, kValues>;

// The shapes built at each size: one angle in a range, between two sides of one to three times
// the size (short of 180 degrees); a lune is the colunar triangle of a well-shaped one, with two
// sides and two angles turned into their supplements: two sides within the size of 180 degrees.
// At 90 degrees the slivers and thin triangles are near hemispheres: their two sides add up to
// more than 180 degrees, and the three angles are all near 180.
struct Shape {
    const char* name;
    double minAngle, maxAngle;
    bool lune;
};
constexpr Shape kShapes[] = {
    {"well-shaped", 30, 150, false},     {"lune", 30, 150, true},
    {"sliver", 179, 179.9999, false},    {"thin", 179.9999, 179.999999, false},
    {"tiny angle", 0.0001, 0.01, false}, {"needle", 0.000001, 0.0001, false},
};

// A number of the document: "0.0001°", "2·10⁻¹¹°" (a middle dot, then superscript digits).
double documentNumber(const std::string& text) {
    const std::string kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵",
                                         "⁶", "⁷", "⁸", "⁹", "⁻", "·10"};
    std::string plain;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t i = 0;
        while (i < std::size(kSuperscripts) &&
               text.compare(at, kSuperscripts[i].size(), kSuperscripts[i]) != 0)
            ++i;
        if (i == std::size(kSuperscripts)) {
            plain += text[at++];
            continue;
        }
        plain += i < 10 ? static_cast<char>('0' + i) : i == 10 ? '-' : 'e';
        at += kSuperscripts[i].size();
    }
    return std::stod(plain); // stops at the degree sign
}

// The document's table, a row for each size of side: the worst error in degrees of the
// well-shaped triangles with a side given and with the three angles given, elements and measures,
// and the worst error of any shape beyond what the rounding of the data accounts for, of the
// elements and of the measures.
struct Figures {
    double withSides, withAngles, elementsBeyondRounding, measuresBeyondRounding;
};
std::map<double, Figures> documentFigures() {
    std::ifstream document(ESFERICA_ACCURACY);
    std::map<double, Figures> figures;
    for (std::string line; std::getline(document, line);) {
        if (line.rfind("| ", 0) != 0 || line.find("° |") == std::string::npos)
            continue;
        std::vector<std::string> cells;
        std::istringstream row(line.substr(1));
        for (std::string cell; std::getline(row, cell, '|');)
            cells.push_back(cell.substr(1, cell.size() - 2));
        figures[documentNumber(cells.at(0))] = {
            documentNumber(cells.at(1)), documentNumber(cells.at(2)), documentNumber(cells.at(3)),
            documentNumber(cells.at(4))};
    }
    return figures;
}

std::string typed(Quad degrees) {
    char buf[64];
    quadmath_snprintf(buf, sizeof buf, "%.15Qg", degrees);
    return buf;
}

// What the program shows of a triangle, in quadruple precision only to compare with the true
// ones; a measure that could not be computed as a value that no comparison passes.
Values shownValues(const TriangleSolution& t, const std::optional<Measures>& m) {
    Values v;
    for (const Element e : kAllElements)
        v[index(e)] = RadtoGrad(t[e]).value();
    const auto degrees = [](const std::optional<Real>& x) -> Quad {
        return x ? RadtoGrad(*x).value() : 1e300;
    };
    v[6] = m ? degrees(m->excess) : 1e300;
    v[7] = m ? degrees(m->perimeter) : 1e300;
    v[8] = m ? degrees(m->circumradius) : 1e300;
    v[9] = m ? degrees(m->inradius) : 1e300;
    v[10] = m && m->area ? Quad(m->area->value()) * 180 / Reference::rad(180) : 1e300;
    return v;
}

// The triangles that the given elements fit, with their measures; in the plane where `plane`
// says so and a side is given.
std::vector<Values> trueValues(const testing::GivenOf<Quad>& given, bool plane,
                               testing::Verdicts<Quad>& verdicts) {
    const bool sideGiven = given[0] || given[1] || given[2];
    const bool flat = plane && sideGiven;
    const std::vector<Elements> triangles =
        flat ? PlaneReference::fitting(given, verdicts) : *Reference::fitting(given, verdicts);
    std::vector<Values> values;
    for (const Elements& t : triangles) {
        const Reference::Measures m = flat ? PlaneReference::measures(t) : Reference::measures(t);
        Values v;
        std::copy(t.begin(), t.end(), v.begin());
        v[6] = m.excess;
        v[7] = m.perimeter;
        v[8] = m.circumradius;
        v[9] = m.inradius;
        v[10] = m.excess;
        values.push_back(v);
    }
    return values;
}

std::string describe(const FieldTexts& fields) {
    std::string out;
    for (std::size_t e = 0; e < 6; ++e)
        if (!fields.inputs[e].empty())
            out += "abcABC"[e] + (" = " + fields.inputs[e] + "  ");
    return out;
}

// The largest difference of the values from `first` to `last` of two triangles.
double difference(const Values& x, const Values& y, std::size_t first = 0,
                  std::size_t last = kValues) {
    Quad worst = 0;
    for (std::size_t i = first; i < last; ++i)
        worst = std::max(worst, fabsq(x[i] - y[i]));
    return static_cast<double>(worst);
}

// Each triangle of `from` against the nearest one of `to`, which are used once each: the largest
// difference of an element and of a measure, and how many of `from` are left unpaired.
struct Pairing {
    double elements = 0, measures = 0;
    int unpaired = 0;
    double worst() const { return std::max(elements, measures); }
};
Pairing pair(const std::vector<Values>& from, std::vector<Values> to) {
    Pairing p;
    for (const Values& t : from) {
        const auto nearest = std::min_element(to.begin(), to.end(), [&](auto& x, auto& y) {
            return difference(t, x, 0, kElementValues) < difference(t, y, 0, kElementValues);
        });
        if (nearest == to.end()) {
            ++p.unpaired;
            continue;
        }
        p.elements = std::max(p.elements, difference(t, *nearest, 0, kElementValues));
        p.measures = std::max(p.measures, difference(t, *nearest, kElementValues));
        to.erase(nearest);
    }
    return p;
}

// How far the true triangles and their measures move when one given element moves by a unit in
// the last place of its double, either way. Infinite when the number of triangles changes within
// the rounding of the conversion: the data lie on a limit as far as doubles can tell.
double roundingOfTheData(const testing::GivenOf<Quad>& given, const std::vector<Values>& truth,
                         bool plane, testing::Verdicts<Quad>& verdicts) {
    const auto nudged = [&](std::size_t e, double units) {
        testing::GivenOf<Quad> data = given;
        const double typed = static_cast<double>(*given[e]);
        *data[e] += units * (std::nextafter(typed, 360.0) - typed);
        return trueValues(data, plane, verdicts);
    };
    double moved = 0;
    for (std::size_t e = 0; e < 6; ++e) {
        if (!given[e])
            continue;
        for (const double way : {-1.0, 1.0}) {
            if (nudged(e, way * kConversionUnits).size() != truth.size())
                return std::numeric_limits<double>::infinity();
            const std::vector<Values> other = nudged(e, way);
            if (other.size() != truth.size())
                return std::numeric_limits<double>::infinity();
            moved = std::max(moved, pair(truth, other).worst());
        }
    }
    return moved;
}

// A random triangle of the shape and size, with the lune's supplements taken.
Elements randomTriangle(const Shape& shape, double size, bool plane, std::mt19937_64& rng) {
    std::uniform_real_distribution<double> side(size, std::min(3 * size, 179.0)),
        angle(shape.minAngle, shape.maxAngle);
    const Quad A = angle(rng), b = side(rng), c = side(rng);
    const Elements t =
        plane ? PlaneReference::sideAngleSide(A, b, c) : Reference::sideAngleSide(A, b, c);
    if (shape.lune)
        return {180 - t[0], t[1], 180 - t[2], 180 - t[3], t[4], 180 - t[5]};
    return t;
}

class Accuracy : public ::testing::TestWithParam<double> {};

TEST_P(Accuracy, TheWorstErrorOfEachSizeIsWithinTheDocumentsFigure) {
    const double size = GetParam();
    const auto figures = documentFigures();
    ASSERT_TRUE(figures.count(size)) << "docs/accuracy.md has no figure for sides of " << size;
    const Figures claimed = figures.at(size);

    std::mt19937_64 rng(20261208);
    testing::Verdicts<Quad> verdicts{kCoincident};
    // The worst errors of the well-shaped triangles with a side given and with the three angles,
    // and the worst errors of any shape beyond what the rounding of the data accounts for.
    std::array<double, 2> worst{};
    double elementsBeyond = 0, measuresBeyond = 0;
    std::string worstElements, worstMeasures; // the data of those
    int failures = 0;
    for (const Shape& shape : kShapes) {
        // Quadruple precision holds no element within 1e-9 degrees of 180 to the digits needed.
        if (shape.lune && size < kPlane)
            continue;
        const bool plane = size <= kPlane && !shape.lune;
        for (int n = 0; n < kTrianglesPerShape; ++n) {
            const Elements original = randomTriangle(shape, size, plane, rng);
            for (std::size_t i = 0; i < 6; ++i)
                for (std::size_t j = i + 1; j < 6; ++j)
                    for (std::size_t k = j + 1; k < 6; ++k) {
                        FieldTexts fields;
                        testing::GivenOf<Quad> given;
                        for (const std::size_t e : {i, j, k}) {
                            fields.inputs[e] = typed(original[e]);
                            given[e] = strtoflt128(fields.inputs[e].c_str(), nullptr);
                        }
                        const Calculation r = compute(fields);
                        std::vector<Values> shown;
                        if (r.hasTriangles())
                            shown.push_back(shownValues(r.primary, r.primaryMeasures));
                        if (r.additional)
                            shown.push_back(shownValues(*r.additional, r.additionalMeasures));
                        const std::vector<Values> truth = trueValues(given, plane, verdicts);

                        const Pairing found = pair(shown, truth);
                        const auto paired = static_cast<int>(shown.size()) - found.unpaired;
                        const bool dropped = static_cast<int>(truth.size()) > paired;
                        if (&shape == &kShapes[0]) {
                            double& w = worst[i >= 3 ? 1 : 0];
                            w = std::max(w, found.worst());
                        }
                        if (found.worst() <= kNegligible && found.unpaired == 0 && !dropped)
                            continue;
                        const double rounding = roundingOfTheData(given, truth, plane, verdicts);
                        if (rounding == std::numeric_limits<double>::infinity())
                            continue; // any answer is as good as the data
                        if (found.elements > kCarefulSolver * rounding &&
                            found.elements > elementsBeyond) {
                            elementsBeyond = found.elements;
                            worstElements = describe(fields) + "(" + shape.name + ")";
                        }
                        if (found.measures > kCarefulSolver * rounding &&
                            found.measures > measuresBeyond) {
                            measuresBeyond = found.measures;
                            worstMeasures = describe(fields) + "(" + shape.name + ")";
                        }
                        if ((found.unpaired > 0 || dropped) && ++failures <= 10)
                            ADD_FAILURE() << (found.unpaired > 0 ? "invented" : "dropped")
                                          << " a triangle for " << describe(fields) << "("
                                          << shape.name << ")";
                    }
        }
    }
    std::printf("sides of %g degrees: worst error of the well-shaped triangles %.2g with a side "
                "given, %.2g with the three angles; of any shape beyond the rounding of the data "
                "%.2g in the elements, %.2g in the measures\n",
                size, worst[0], worst[1], elementsBeyond, measuresBeyond);
    if (!worstElements.empty())
        std::printf("  the elements of %s\n", worstElements.c_str());
    if (!worstMeasures.empty())
        std::printf("  the measures of %s\n", worstMeasures.c_str());
    std::fflush(stdout);
    EXPECT_EQ(failures, 0);
    EXPECT_LE(worst[0], claimed.withSides);
    EXPECT_LE(worst[1], claimed.withAngles);
    EXPECT_LE(elementsBeyond, claimed.elementsBeyondRounding);
    EXPECT_LE(measuresBeyond, claimed.measuresBeyondRounding);
    EXPECT_GT(verdicts.closestMiss, 1e4 * kCoincident)
        << "a verdict of the construction is uncertain: a quantity came "
        << static_cast<double>(verdicts.closestMiss) << " near a coincidence";
}

INSTANTIATE_TEST_SUITE_P(Sizes, Accuracy,
                         ::testing::Values(90, 10, 1, 0.1, 0.01, 0.001, 0.0001, 1e-9, 1e-20, 1e-70,
                                           1e-140),
                         [](const auto& info) {
                             return "sides_of_" + testing::testName(info.param);
                         });

} // namespace
} // namespace esferica
