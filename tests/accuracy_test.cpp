// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of README.md's accuracy table, measured. For each size of side, random triangles of
// four shapes are built in quadruple precision; three of their elements, typed with 15 significant
// digits in each of the 20 ways of giving three, go through the calculate command, and every value
// the program finds is compared with the triangles that the typed digits fit, constructed on the
// sphere in quadruple precision (tests/support/reference.h).
//
// Some data decide their triangle less well than a double holds them: next to a double root, or
// with the three angles of a small triangle, one unit in the last place of a typed element moves
// the triangle by far more than the tenth decimal. No solver that reads the data into doubles can
// do better there, so an error counts against the README's figure only where it is more than
// kCarefulSolver times what that unit moves the triangle: a careful double-precision solver reads
// and converts each of the three elements with up to about one unit of rounding. Likewise a
// triangle missing or shown in excess counts only when a few units of rounding of the data do not
// change how many triangles there are.
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

constexpr int kTrianglesPerShape = 100;
// The elements of the triangles built, and of the second triangles the program must not drop:
// at least this far from 0 and 180 degrees.
constexpr double kMargin = 1e-4;
// Quadruple precision carries 34 digits; the construction loses fewer than 8 of them.
const Quad kCoincident = 1e-26L;
// Errors below this (degrees) need no excuse.
constexpr double kNegligible = 1e-12;
// Twice what a careful solver errs, in units of what one unit in the last place of one given
// element moves the triangle: up to about that much for each of the three.
constexpr double kCarefulSolver = 2 * 1.5;
// How many units in the last place of a typed element its conversion to radians may move it: half
// a unit in reading the text, and a unit each in the product by pi and the quotient by 360.
constexpr double kConversionUnits = 3;

// The shapes built at each size: one angle in a range, between two sides of one to three times
// the size (short of 180 degrees), and the colunar triangle, with two sides and two angles turned
// into their supplements.
struct Shape {
    const char* name;
    double minAngle, maxAngle;
    bool colunar;
};
constexpr Shape kShapes[] = {
    {"well-shaped", 30, 150, false},
    {"colunar", 30, 150, true},
    {"sliver", 179, 179.9999, false},
    {"tiny angle", 0.0001, 0.01, false},
};

// A number of the README: "0.0001°", "2·10⁻¹¹°" (a middle dot, then superscript digits).
double readmeNumber(const std::string& text) {
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

// The README's accuracy table, a row for each size of side: the worst error in degrees of the
// well-shaped triangles with a side given and with the three angles given, and the worst error of
// any shape beyond what the rounding of the data accounts for.
struct Figures {
    double withSides, withAngles, beyondRounding;
};
std::map<double, Figures> readmeFigures() {
    std::ifstream readme(ESFERICA_README);
    std::map<double, Figures> figures;
    bool inAccuracy = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind("## ", 0) == 0)
            inAccuracy = line == "## Accuracy";
        if (!inAccuracy || line.rfind("| ", 0) != 0 || line.find("° |") == std::string::npos)
            continue;
        std::vector<std::string> cells;
        std::istringstream row(line.substr(1));
        for (std::string cell; std::getline(row, cell, '|');)
            cells.push_back(cell.substr(1, cell.size() - 2));
        figures[readmeNumber(cells.at(0))] = {readmeNumber(cells.at(1)), readmeNumber(cells.at(2)),
                                              readmeNumber(cells.at(3))};
    }
    return figures;
}

std::string typed(Quad degrees) {
    char buf[64];
    quadmath_snprintf(buf, sizeof buf, "%.15Qg", degrees);
    return buf;
}

// A shown triangle in degrees, in quadruple precision only to compare with the true ones.
Elements inDegrees(const TriangleSolution& t) {
    Elements d;
    for (const Element e : kAllElements)
        d[index(e)] = RadtoGrad(t[e]).value();
    return d;
}

bool clearOfTheLimits(const Elements& t) {
    return std::all_of(t.begin(), t.end(),
                       [](Quad e) { return e >= kMargin && e <= 180 - kMargin; });
}

std::string describe(const FieldTexts& fields) {
    std::string out;
    for (std::size_t e = 0; e < 6; ++e)
        if (!fields.inputs[e].empty())
            out += "abcABC"[e] + (" = " + fields.inputs[e] + "  ");
    return out;
}

// Each triangle of `from` against the nearest one of `to`, which are used once each: the largest
// difference of one element, and how many of `from` are left unpaired.
struct Pairing {
    double worst = 0;
    int unpaired = 0;
};
Pairing pair(const std::vector<Elements>& from, std::vector<Elements> to) {
    const auto difference = [](const Elements& x, const Elements& y) {
        Quad worst = 0;
        for (std::size_t e = 0; e < 6; ++e)
            worst = std::max(worst, fabsq(x[e] - y[e]));
        return static_cast<double>(worst);
    };
    Pairing p;
    for (const Elements& t : from) {
        const auto nearest = std::min_element(to.begin(), to.end(), [&](auto& x, auto& y) {
            return difference(t, x) < difference(t, y);
        });
        if (nearest == to.end()) {
            ++p.unpaired;
            continue;
        }
        p.worst = std::max(p.worst, difference(t, *nearest));
        to.erase(nearest);
    }
    return p;
}

// How far the true triangles move when one given element moves by a unit in the last place of its
// double, either way. Infinite when the number of triangles changes within the rounding of the
// conversion: the data lie on a limit as far as doubles can tell.
double roundingOfTheData(const testing::GivenOf<Quad>& given, const std::vector<Elements>& truth,
                         testing::Verdicts<Quad>& verdicts) {
    const auto nudged = [&](std::size_t e, double units) {
        testing::GivenOf<Quad> data = given;
        const double typed = static_cast<double>(*given[e]);
        *data[e] += units * (std::nextafter(typed, 360.0) - typed);
        return *Reference::fitting(data, verdicts);
    };
    double moved = 0;
    for (std::size_t e = 0; e < 6; ++e) {
        if (!given[e])
            continue;
        for (const double way : {-1.0, 1.0}) {
            if (nudged(e, way * kConversionUnits).size() != truth.size())
                return std::numeric_limits<double>::infinity();
            const std::vector<Elements> other = nudged(e, way);
            if (other.size() != truth.size())
                return std::numeric_limits<double>::infinity();
            moved = std::max(moved, pair(truth, other).worst);
        }
    }
    return moved;
}

Elements randomTriangle(const Shape& shape, double size, std::mt19937_64& rng) {
    std::uniform_real_distribution<double> side(size, std::min(3 * size, 179.0)),
        angle(shape.minAngle, shape.maxAngle);
    for (;;) {
        Elements t = Reference::sideAngleSide(angle(rng), side(rng), side(rng));
        if (shape.colunar)
            t = {180 - t[0], t[1], 180 - t[2], 180 - t[3], t[4], 180 - t[5]};
        if (clearOfTheLimits(t))
            return t;
    }
}

class Accuracy : public ::testing::TestWithParam<double> {};

TEST_P(Accuracy, TheWorstErrorOfEachSizeIsWithinTheReadmeFigure) {
    const double size = GetParam();
    const auto figures = readmeFigures();
    ASSERT_TRUE(figures.count(size)) << "README.md has no accuracy figure for sides of " << size;
    const Figures claimed = figures.at(size);

    std::mt19937_64 rng(20261208);
    testing::Verdicts<Quad> verdicts{kCoincident};
    // The worst errors of the well-shaped triangles with a side given and with the three angles,
    // and the worst error of any shape beyond what the rounding of the data accounts for.
    std::array<double, 2> worst{};
    double beyondRounding = 0;
    int failures = 0;
    for (int n = 0; n < kTrianglesPerShape * static_cast<int>(std::size(kShapes)); ++n) {
        const Shape& shape = kShapes[static_cast<std::size_t>(n) % std::size(kShapes)];
        const Elements original = randomTriangle(shape, size, rng);
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
                    std::vector<Elements> shown;
                    if (r.hasTriangles())
                        shown.push_back(inDegrees(r.primary));
                    if (r.additional)
                        shown.push_back(inDegrees(*r.additional));
                    const std::vector<Elements> truth = *Reference::fitting(given, verdicts);

                    const Pairing found = pair(shown, truth);
                    const auto clear = std::count_if(truth.begin(), truth.end(), clearOfTheLimits);
                    const auto paired = static_cast<int>(shown.size()) - found.unpaired;
                    const bool dropped = clear > paired;
                    if (&shape == &kShapes[0]) {
                        double& w = worst[i >= 3 ? 1 : 0];
                        w = std::max(w, found.worst);
                    }
                    if (found.worst <= kNegligible && found.unpaired == 0 && !dropped)
                        continue;
                    const double rounding = roundingOfTheData(given, truth, verdicts);
                    if (rounding == std::numeric_limits<double>::infinity())
                        continue; // any answer is as good as the data
                    if (found.worst > kCarefulSolver * rounding)
                        beyondRounding = std::max(beyondRounding, found.worst);
                    if ((found.unpaired > 0 || dropped) && ++failures <= 10)
                        ADD_FAILURE() << (found.unpaired > 0 ? "invented" : "dropped")
                                      << " a triangle for " << describe(fields);
                }
    }
    std::printf("sides of %g degrees: worst error of the well-shaped triangles %.2g with a side "
                "given, %.2g with the three angles; of any shape beyond the rounding of the data "
                "%.2g\n",
                size, worst[0], worst[1], beyondRounding);
    EXPECT_EQ(failures, 0);
    EXPECT_LE(worst[0], claimed.withSides);
    EXPECT_LE(worst[1], claimed.withAngles);
    EXPECT_LE(beyondRounding, claimed.beyondRounding);
    EXPECT_GT(verdicts.closestMiss, 1e4 * kCoincident)
        << "a verdict of the construction is uncertain";
}

INSTANTIATE_TEST_SUITE_P(Sizes, Accuracy, ::testing::Values(90, 10, 1, 0.1, 0.01, 0.001, 0.0001),
                         [](const auto& info) {
                             return "sides_of_" + testing::testName(info.param);
                         });

} // namespace
} // namespace esferica
