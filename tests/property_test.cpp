// SPDX-License-Identifier: GPL-3.0-or-later
// Random valid triangles through every combination of three given elements, by the real calculate
// command: the original triangle must come back, and every triangle shown must be consistent.
#include "command/calculate.h"
#include "tests/support/fake_view.h"
#include "tests/support/sphere.h"
#include "tests/support/triangle_check.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace esferica {
namespace {

using testing::deg;

constexpr int kTriangles = 20'000;
constexpr double kMinElement = 2, kMaxElement = 178; // degrees
constexpr double kTolerance = 1e-3;                  // degrees, on every element
constexpr double kConsistency = 1e-9;                // largest law-of-cosines residual

// A real spherical triangle: every element strictly between 0 and 180 degrees, and the laws of
// cosines hold.
bool isTriangle(const TriangleSolution& t) {
    for (const Element e : kAllElements)
        if (!(deg(t[e]) > 0 && deg(t[e]) < 180))
            return false;
    return testing::lawOfCosinesError(t) < kConsistency;
}

std::string describe(const std::array<double, 6>& t) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "a=%.17g b=%.17g c=%.17g A=%.17g B=%.17g C=%.17g", t[0], t[1],
                  t[2], t[3], t[4], t[5]);
    return buf;
}

TEST(RandomTriangles, EveryCombinationOfThreeGivenElementsRecoversTheTriangle) {
    static constexpr const char* kNames = "abcABC";
    std::mt19937_64 rng(20261207);
    testing::FakeView view;
    // A zero spacing stops the drawing stage right after the results are shown: the solving is
    // under test here, and the fit of side c would cost ten times as much as the solving.
    view.options = {"0", "0", "30", "10"};
    view.surface.record = false;
    Calculator form;
    int failures = 0;
    for (int n = 0; n < kTriangles && failures < 20; ++n) {
        const std::array<double, 6> original =
            testing::randomTriangle(rng, kMinElement, kMaxElement);
        for (int i = 0; i < 6; ++i)
            for (int j = i + 1; j < 6; ++j)
                for (int k = j + 1; k < 6; ++k) {
                    std::array<std::string, 6> texts;
                    for (int e : {i, j, k})
                        texts[static_cast<std::size_t>(e)] =
                            testing::fullText(original[static_cast<std::size_t>(e)]);
                    view.type(texts);
                    view.messages.clear();
                    view.surface.clear();
                    const Calculation& r = view.click(form);

                    const auto matches = [&](const TriangleSolution& t) {
                        for (const Element e : kAllElements)
                            if (!(std::fabs(deg(t[e]) - original[index(e)]) <= kTolerance))
                                return false;
                        return true;
                    };
                    const bool solved = r.outcome == Outcome::BadDrawingData;
                    const bool recovered =
                        solved && (matches(r.primary) || (r.additional && matches(*r.additional)));
                    const bool consistent = solved && isTriangle(r.primary) &&
                                            (!r.additional || isTriangle(*r.additional));
                    if (!(recovered && consistent)) {
                        ++failures;
                        ADD_FAILURE()
                            << "given " << kNames[i] << ", " << kNames[j] << ", " << kNames[k]
                            << " of " << describe(original) << (solved ? "" : ": not solved")
                            << (solved && !recovered ? ": original not recovered" : "")
                            << (solved && !consistent ? ": inconsistent solution" : "");
                    }
                }
    }
}

} // namespace
} // namespace esferica
