// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-degree data, as textbook exercises give them, hit the exact coincidences that random data
// never do: double roots of the ambiguous cases, perimeters of exactly 360 degrees, sides that add
// up exactly. Every triple of multiples of 5 degrees, in each of the 20 ways of giving three
// elements, goes through the real command and is compared with an independent construction of the
// triangles that fit: points and great circles on the sphere in long double, the ambiguous cases
// solved by harmonic addition rather than by the half-tangent quadratic, the angle-heavy cases
// through the polar triangle.
#include "command/calculate.h"
#include "command/numbers.h"
#include "tests/support/fake_view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace esferica {
namespace {

using Triangle = std::array<long double, 6>; // a, b, c, A, B, C in degrees

const long double kPiL = std::acos(-1.0L);
constexpr long double kDeg = 180;

// Below this a quantity of the construction is taken for an exact coincidence (in degrees, or
// dimensionless for cosines). Whole-degree data either hit a coincidence exactly, leaving a long
// double residue near 1e-18, or miss it by far more than kAmbiguous; a value in between would make
// the construction's verdict uncertain, so the test refuses it.
constexpr long double kCoincident = 1e-12L;
constexpr long double kAmbiguous = 1e-7L;

struct Verdicts {
    long double closestMiss = 1; // the smallest quantity that was not taken for a coincidence
    void note(long double gap) {
        gap = std::fabs(gap);
        if (gap > kCoincident)
            closestMiss = std::min(closestMiss, gap);
    }
    bool coincident(long double gap) {
        note(gap);
        return std::fabs(gap) <= kCoincident;
    }
};

struct Vec {
    long double x, y, z;
};
long double dot(Vec u, Vec v) {
    return u.x * v.x + u.y * v.y + u.z * v.z;
}
Vec cross(Vec u, Vec v) {
    return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}
long double norm(Vec u) {
    return std::sqrt(dot(u, u));
}
long double rad(long double degrees) {
    return degrees * kPiL / kDeg;
}
long double deg(long double radians) {
    return radians * kDeg / kPiL;
}
// The point at `colatitude` from the north pole, on the meridian `longitude` (degrees).
Vec point(long double colatitude, long double longitude) {
    const long double s = std::sin(rad(colatitude));
    return {s * std::cos(rad(longitude)), s * std::sin(rad(longitude)), std::cos(rad(colatitude))};
}
long double arc(Vec u, Vec v) {
    return deg(std::atan2(norm(cross(u, v)), dot(u, v)));
}
// The angle at p between the great circles towards q and r.
long double vertexAngle(Vec p, Vec q, Vec r) {
    return deg(std::atan2(std::fabs(dot(p, cross(q, r))), dot(cross(p, q), cross(p, r))));
}
Triangle fromVertices(Vec A, Vec B, Vec C) {
    return {arc(B, C),           arc(A, C), arc(A, B), vertexAngle(A, B, C), vertexAngle(B, C, A),
            vertexAngle(C, A, B)};
}

// Two sides b, c and the angle A between them: always one triangle.
Triangle sideAngleSide(long double A, long double b, long double c) {
    return fromVertices(point(0, 0), point(c, 0), point(b, A));
}

// Three sides: C from the law of cosines in long double, then the vertices.
std::vector<Triangle> threeSides(long double a, long double b, long double c, Verdicts& v) {
    // Whole degrees: the triangle inequalities and the perimeter are exact in long double.
    for (long double gap : {b + c - a, a + c - b, a + b - c, 360 - (a + b + c)})
        if (gap <= 0)
            return {};
    const long double cosC = (std::cos(rad(c)) - std::cos(rad(a)) * std::cos(rad(b))) /
                             (std::sin(rad(a)) * std::sin(rad(b)));
    v.note(1 - std::fabs(cosC));
    return {fromVertices(point(b, 0), point(a, deg(std::acos(cosC))), point(0, 0))};
}

// Two sides a, b and the angle A opposite a. With A at the pole and C on the meridian 0 at
// colatitude b, B lies on the meridian A at the colatitude s that puts it at distance a from C:
// cos a = cos b cos s + sin b cos A sin s = R cos(s - phi).
std::optional<std::vector<Triangle>> sideSideAngle(long double a, long double b, long double A,
                                                   Verdicts& v) {
    const long double X = std::cos(rad(b)), Y = std::sin(rad(b)) * std::cos(rad(A));
    const long double R = std::hypot(X, Y), ca = std::cos(rad(a));
    if (v.coincident(R))
        return v.coincident(ca) ? std::nullopt // any s fits: the data leave the triangle free
                                : std::optional(std::vector<Triangle>{});
    const long double z = ca / R, phi = deg(std::atan2(Y, X));
    std::vector<long double> colatitudes;
    if (v.coincident(1 - std::fabs(z)))
        colatitudes = {z > 0 ? phi : phi + kDeg};
    else if (std::fabs(z) < 1)
        colatitudes = {phi + deg(std::acos(z)), phi - deg(std::acos(z))};
    std::vector<Triangle> found;
    for (long double s : colatitudes) {
        s = std::fmod(s + 720, 360);
        if (v.coincident(s) || v.coincident(s - kDeg) || v.coincident(s - 360) || s > kDeg)
            continue;
        found.push_back(fromVertices(point(0, 0), point(s, A), point(b, 0)));
    }
    return found;
}

Triangle polar(const Triangle& t) {
    return {kDeg - t[3], kDeg - t[4], kDeg - t[5], kDeg - t[0], kDeg - t[1], kDeg - t[2]};
}

using Given = std::array<std::optional<long double>, 6>;

// Relabels the vertices: element i of vertex k becomes element i of vertex perm[k].
template <class T> std::array<T, 6> relabel(const std::array<T, 6>& e, std::array<int, 3> perm) {
    std::array<T, 6> r{};
    for (int k = 0; k < 3; ++k) {
        r[static_cast<std::size_t>(perm[k])] = e[static_cast<std::size_t>(k)];
        r[static_cast<std::size_t>(perm[k] + 3)] = e[static_cast<std::size_t>(k + 3)];
    }
    return r;
}

// Every triangle with all six elements strictly inside (0, 180) degrees that has the given
// elements; nullopt when infinitely many do.
std::optional<std::vector<Triangle>> fittingTriangles(const Given& given, Verdicts& v) {
    int sides = 0;
    for (int i = 0; i < 3; ++i)
        sides += given[static_cast<std::size_t>(i)].has_value();
    if (sides < 2) { // through the polar triangle, whose sides are the supplements of the angles
        Given dual;
        for (int i = 0; i < 3; ++i) {
            const auto flip = [](std::optional<long double> x) {
                return x ? std::optional(kDeg - *x) : std::nullopt;
            };
            dual[static_cast<std::size_t>(i)] = flip(given[static_cast<std::size_t>(i + 3)]);
            dual[static_cast<std::size_t>(i + 3)] = flip(given[static_cast<std::size_t>(i)]);
        }
        auto found = fittingTriangles(dual, v);
        if (found)
            for (Triangle& t : *found)
                t = polar(t);
        return found;
    }
    std::array<int, 3> perm{0, 1, 2};
    do {
        const Given g = relabel(given, perm);
        const auto has = [&](int i) {
            return g[static_cast<std::size_t>(i)].has_value();
        };
        std::optional<std::vector<Triangle>> found;
        if (has(0) && has(1) && has(2))
            found = threeSides(*g[0], *g[1], *g[2], v);
        else if (has(1) && has(2) && has(3))
            found = std::vector{sideAngleSide(*g[3], *g[1], *g[2])};
        else if (has(0) && has(1) && has(3))
            found = sideSideAngle(*g[0], *g[1], *g[3], v);
        else
            continue;
        if (found) {
            std::array<int, 3> inverse{};
            for (int k = 0; k < 3; ++k)
                inverse[static_cast<std::size_t>(perm[k])] = k;
            std::vector<Triangle> kept;
            for (const Triangle& t : *found) {
                bool inside = true;
                for (long double e : t)
                    inside = inside && !v.coincident(e) && !v.coincident(e - kDeg);
                if (inside)
                    kept.push_back(relabel(t, inverse));
            }
            return kept;
        }
        return found;
    } while (std::next_permutation(perm.begin(), perm.end()));
    ADD_FAILURE() << "no case for the given elements";
    return std::vector<Triangle>{};
}

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
    Verdicts verdicts;
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

                            const auto fitting = fittingTriangles(given, verdicts);
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

} // namespace
} // namespace esferica
