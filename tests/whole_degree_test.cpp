// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-degree data, as textbook exercises give them, hit the exact coincidences that random data
// never do: double roots of the ambiguous cases, perimeters of exactly 360 degrees, sides that add
// up exactly. Every triple of multiples of 5 degrees, in each of the 20 ways of giving three
// elements, goes through the real command and is compared with an independent construction of the
// triangles that fit, in long double (tests/support/reference.h).
#include "command/calculate.h"
#include "command/numbers.h"
#include "present/format.h"
#include "tests/support/fake_view.h"
#include "tests/support/reference.h"
#include "tests/support/triangle_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace esferica {
namespace {

using Triangle = testing::Elements<long double>;
using Given = testing::GivenOf<long double>;
using Reference = testing::Reference<long double>;

// Below this a quantity of the construction is taken for an exact coincidence (in degrees, or
// dimensionless for cosines). Whole-degree data either hit a coincidence exactly, leaving a long
// double residue near 1e-18, or miss it by far more than kAmbiguous; a value in between would make
// the construction's verdict uncertain, so the test refuses it.
constexpr long double kCoincident = 1e-12L;
constexpr long double kAmbiguous = 1e-7L;

// Whether `shown` is the label of the exact value `degrees`. Within 1e-6 degrees of a rounding
// tie, where the double arithmetic of the command cannot tell the sides apart, either neighbour is
// right.
bool labelMatches(const std::string& shown, long double degrees) {
    const long double hundredths = degrees * 100;
    const long double nearestTie = std::floor(hundredths) + 0.5L;
    std::vector<std::string> right{degreesText(static_cast<double>(degrees), ".")};
    if (std::fabs(hundredths - nearestTie) < 1e-4L) {
        right.push_back(degreesText(static_cast<double>(std::floor(hundredths) / 100), "."));
        right.push_back(degreesText(static_cast<double>(std::ceil(hundredths) / 100), "."));
    }
    return std::find(right.begin(), right.end(), shown) != right.end();
}

bool blockMatches(const std::array<std::string, 12>& labels, int first, const Triangle& t) {
    for (int i = 0; i < 6; ++i)
        if (!labelMatches(labels[static_cast<std::size_t>(first + i)],
                          t[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

bool blockEmpty(const std::array<std::string, 12>& labels, int first) {
    return std::all_of(labels.begin() + first, labels.begin() + first + 6,
                       [](const std::string& s) { return s.empty(); });
}

std::string describe(const Given& given, const testing::FakeView& view) {
    std::ostringstream out;
    static constexpr const char* kNames[] = {"a", "b", "c", "A", "B", "C"};
    for (int i = 0; i < 6; ++i)
        if (given[static_cast<std::size_t>(i)])
            out << kNames[i] << " = " << static_cast<double>(*given[static_cast<std::size_t>(i)])
                << "  ";
    out << "shows:";
    for (const std::string& s : view.results)
        out << " [" << s << "]";
    if (!view.messages.empty())
        out << " message " << static_cast<int>(view.messages.back());
    return out.str();
}

TEST(WholeDegreeData, EveryTripleOfMultiplesOfFiveShowsExactlyTheTrianglesThatFit) {
    testing::FakeView view;
    // A zero spacing stops the drawing right after the results are shown: the solving is under
    // test here.
    view.options = {"0", "0", "30", "10"};
    view.surface.record = false;
    Calculator form;
    testing::Verdicts<long double> verdicts{kCoincident};
    int failures = 0, solved = 0, twice = 0;

    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            for (int k = j + 1; k < 6; ++k)
                for (int x = 5; x < 180; x += 5)
                    for (int y = 5; y < 180; y += 5)
                        for (int z = 5; z < 180; z += 5) {
                            Given given;
                            std::array<std::string, 6> texts;
                            const int values[] = {x, y, z};
                            const int which[] = {i, j, k};
                            for (int n = 0; n < 3; ++n) {
                                given[static_cast<std::size_t>(which[n])] = values[n];
                                texts[static_cast<std::size_t>(which[n])] =
                                    std::to_string(values[n]);
                            }
                            view.type(texts);
                            view.messages.clear();
                            (void)view.click(form);

                            const auto fitting = Reference::fitting(given, verdicts);
                            const std::vector<Triangle> none;
                            // Data that leave an element free fit infinitely many triangles:
                            // they are refused like data that fit none (kept on purpose).
                            const std::vector<Triangle>& want = fitting ? *fitting : none;
                            bool right = false;
                            if (want.empty()) {
                                right = view.messages == std::vector{Outcome::NoSolution} &&
                                        blockEmpty(view.results, 0) && blockEmpty(view.results, 6);
                            } else if (want.size() == 1) {
                                right = blockMatches(view.results, 0, want[0]) &&
                                        blockEmpty(view.results, 6);
                            } else {
                                right = (blockMatches(view.results, 0, want[0]) &&
                                         blockMatches(view.results, 6, want[1])) ||
                                        (blockMatches(view.results, 0, want[1]) &&
                                         blockMatches(view.results, 6, want[0]));
                                ++twice;
                            }
                            solved += !want.empty();
                            if (!right && ++failures <= 40)
                                ADD_FAILURE() << describe(given, view) << "  expected "
                                              << want.size() << " triangle(s)";
                        }
    EXPECT_EQ(failures, 0);
    // The construction's verdicts are certain only if no quantity came near a coincidence without
    // hitting it.
    EXPECT_GT(verdicts.closestMiss, kAmbiguous);
    std::printf("%d of 857500 data solved, %d with two triangles; closest miss %Lg\n", solved,
                twice, verdicts.closestMiss);
}

// Data a little beside such a limit keep the triangles that fit them: two on one side of a double
// root and none on the other, one triangle just inside a triangle inequality, a perimeter of 360
// degrees or an excess of 0, and none just outside. Each row moves one element of data on a limit
// by an offset: some ten to thirty times what the error bound of that limit amounted to in the
// data before the limits were decided on the data themselves, or four units in the last place of
// the element whose unit moves the limit most, which a band wider than three such units takes for
// the limit itself.
TEST(WholeDegreeData, DataJustBesideALimitKeepTheTrianglesOnEachSide) {
    struct Row {
        const char* name;
        std::array<const char*, 6> texts; // a, b, c, A, B, C; "" for not given
        std::size_t moved;
        long double offset; // degrees
    };
    const Row rows[] = {
        {"SSA double root", {"30", "90", "", "30", "", ""}, 0, 1e-12L},
        {"AAS double root", {"30", "", "", "30", "90", ""}, 3, 1e-12L},
        {"SSA double root of a small triangle",
         {"0.00099999999984769129", "0.002", "", "30", "", ""},
         0,
         1e-15L},
        {"SSS triangle inequality", {"30", "40", "70", "", "", ""}, 2, 1e-12L},
        {"SSS perimeter of 360", {"120", "120", "120", "", "", ""}, 2, 2e-12L},
        {"SSS perimeter of 360 with two sides near 180",
         {"179.997", "179.996", "0.007", "", "", ""},
         2,
         5e-12L},
        {"AAA excess of 0", {"", "", "", "60", "60", "60"}, 5, 1e-12L},
        {"SSA third side of 0", {"50", "50", "", "120", "", ""}, 0, 2e-12L},
        {"SSA third side of 180", {"80", "100", "", "60", "", ""}, 1, 1e-12L},
        {"AAS third side of 0", {"50", "", "", "70", "70", ""}, 4, 1e-12L},
        // Four units in the last place of the moved element: the bands are at most three wide.
        {"SSA double root, 4 units", {"30", "90", "", "30", "", ""}, 0, 1.4210854715202004e-14L},
        {"SSA double root of 60 and 90, 4 units",
         {"60", "90", "", "60", "", ""},
         0,
         2.842170943040401e-14L},
        // The unit of 135 moves the root most.
        {"SSA double root of 30 and 135, 4 units",
         {"30", "135", "", "45", "", ""},
         1,
         1.1368683772161603e-13L},
        {"AAS double root, 4 units", {"30", "", "", "30", "90", ""}, 3, 1.4210854715202004e-14L},
        {"SSS triangle inequality, 4 units",
         {"30", "40", "70", "", "", ""},
         2,
         5.684341886080802e-14L},
        {"SSS perimeter of 360, 4 units",
         {"120", "120", "120", "", "", ""},
         2,
         5.684341886080802e-14L},
        {"AAA excess of 0, 4 units", {"", "", "", "60", "60", "60"}, 5, 2.842170943040401e-14L},
        {"SSA third side of 0, 4 units",
         {"50", "50", "", "120", "", ""},
         0,
         2.842170943040401e-14L},
        {"SSA third side of 180, 4 units",
         {"80", "100", "", "60", "", ""},
         1,
         5.684341886080802e-14L},
        {"AAS third side of 0, 4 units", {"50", "", "", "70", "70", ""}, 4, 5.684341886080802e-14L},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::array<std::size_t, 2> counts{};
        for (const int side : {0, 1}) {
            FieldTexts fields;
            testing::GivenOf<testing::Quad> given;
            for (std::size_t e = 0; e < 6; ++e) {
                if (*row.texts[e] == '\0')
                    continue;
                long double value = std::strtold(row.texts[e], nullptr);
                if (e == row.moved)
                    value += side == 0 ? -row.offset : row.offset;
                fields.inputs[e] = testing::fullText(static_cast<double>(value));
                given[e] = strtoflt128(fields.inputs[e].c_str(), nullptr);
            }
            const Calculation r = compute(fields);
            // In quadruple precision: long double cannot tell the double root of the small
            // triangle from the data beside it.
            testing::Verdicts<testing::Quad> verdicts{1e-26L};
            const std::size_t want =
                testing::Reference<testing::Quad>::fitting(given, verdicts)->size();
            counts[static_cast<std::size_t>(side)] = want;
            EXPECT_EQ(r.hasTriangles() + r.additional.has_value(), want)
                << fields.inputs[row.moved] << " in field " << row.moved;
        }
        EXPECT_NE(counts[0], counts[1]) << "the row does not straddle a limit";
    }
}

// Data typed exactly on a limit that no double holds: the sides 0.1 and 0.2 add up to the side 0.3,
// the sides 101.6, 128.7 and 129.7 to 360 degrees, and the angles 55, 55.6 and 69.4 to 180, but
// their doubles fall a few units in the last place inside the limit. The rounding of their reading
// is what puts them there, so they fit no triangle.
TEST(WholeDegreeData, DataTypedOnALimitThatNoDoubleHoldsFitNoTriangle) {
    const std::array<std::array<const char*, 6>, 3> rows{{
        {"0.3", "0.1", "0.2", "", "", ""},
        {"101.6", "128.7", "129.7", "", "", ""},
        {"", "", "", "55", "55.6", "69.4"},
    }};
    for (const auto& texts : rows) {
        FieldTexts fields;
        for (std::size_t e = 0; e < 6; ++e)
            fields.inputs[e] = texts[e];
        SCOPED_TRACE(::testing::Message() << texts[0] << texts[3] << " " << texts[1] << texts[4]
                                          << " " << texts[2] << texts[5]);
        EXPECT_EQ(compute(fields).outcome, Outcome::NoSolution);
    }
}

} // namespace
} // namespace esferica
