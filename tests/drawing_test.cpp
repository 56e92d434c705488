// SPDX-License-Identifier: GPL-3.0-or-later
// The sphere drawing through the recording surface: the projection, the ellipse and arc plotters,
// the fitted side c and the drawing stage of the calculate command. Expected positions come from
// 3-D vectors on the unit sphere turned by Rodrigues' formula, not from the drawing code's own
// formulas; surface coordinates are floats, hence the tolerance kOnSurface.
#include "command/calculate.h"
#include "drawing/plot.h"
#include "drawing/projection.h"
#include "drawing/readable.h"
#include "drawing/side.h"
#include "drawing/svg.h"
#include "numeric/angles.h"
#include "present/view.h"
#include "tests/support/click.h"
#include "tests/support/sphere.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <complex>
#include <cstdio>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace esferica {
namespace {

using testing::distance;
using testing::FakeSurface;
using testing::onSphere;
using testing::Options;
using testing::pictured;
using testing::Point;
using testing::Texts;
using testing::Vec3;
using Op = FakeSurface::Op;

constexpr double kDeg = std::numbers::pi / 180;
// A double computed here against a float handed to the surface, for values of size about 1.
constexpr double kOnSurface = 1e-6;
// The fit stops once its residual norm is at most 1e-5; its arc follows the side that closely.
constexpr double kOnFittedArc = 1e-4;
// The plotted arc ends within half a step (pi/200 of parameter) of the fitted end point.
constexpr double kFittedArcEnd = std::numbers::pi / 200 + kOnFittedArc;
// The ellipse plotter's step of parameter angle.
constexpr double kStep = kPi / 100;

const Options kDefaultOptions = testing::defaultOptions();
const Texts kEquilateral{"60", "60", "60", "", "", ""};

// The picture of the shorter great-circle arc from p to q, in n steps.
std::vector<Point> pictureOfArc(Vec3 p, Vec3 q, double incDeg, int n = 2000) {
    std::vector<Point> out;
    for (const Vec3& v : testing::greatArc(p, q, n))
        out.push_back(pictured(v, incDeg));
    return out;
}

double distanceToPolyline(Point p, const std::vector<Point>& line) {
    double best = distance(p, line.front());
    for (std::size_t k = 1; k < line.size(); ++k) {
        const Point a = line[k - 1], b = line[k];
        const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        const double s =
            len2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0);
        best = std::min(best, distance(p, {a.x + s * dx, a.y + s * dy}));
    }
    return best;
}

#define EXPECT_AT(seen, expected, tolerance)                                                       \
    do {                                                                                           \
        const Point seen_ = (seen), expected_ = (expected);                                        \
        EXPECT_LE(distance(seen_, expected_), (tolerance))                                         \
            << "at (" << seen_.x << ", " << seen_.y << "), expected (" << expected_.x << ", "      \
            << expected_.y << ")";                                                                 \
    } while (false)

// One polyline on the picture: where it began, then the end of each Line.
struct Stroke {
    std::int32_t color = 0;
    std::vector<Point> points;
    int lines() const { return static_cast<int>(points.size()) - 1; }
};

// The polylines in drawing order. Moving the current point starts a new one, except a move onto
// the end of the Line just drawn (the arc plotter makes one after every segment); any call other
// than a move or a Line ends the current one. Moves that draw nothing are dropped.
std::vector<Stroke> strokes(const FakeSurface& surface) {
    const std::vector<FakeSurface::Call>& calls = surface.calls;
    std::vector<Stroke> out;
    bool open = false;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const FakeSurface::Call& c = calls[i];
        if (c.op == Op::CurrentX) {
            // Both plotters move x first, then y.
            if (i + 1 == calls.size() || calls[i + 1].op != Op::CurrentY) {
                ADD_FAILURE() << "CurrentX without CurrentY at call " << i;
                continue;
            }
            const Point to{c.x, calls[i + 1].y};
            const bool continues = open && calls[i - 1].op == Op::Line && calls[i - 1].x == c.x &&
                                   calls[i - 1].y == calls[i + 1].y;
            if (!continues) {
                out.push_back({0, {to}});
                open = true;
            }
            ++i;
        } else if (c.op == Op::Line) {
            if (!open) {
                ADD_FAILURE() << "Line without a starting point at call " << i;
                continue;
            }
            out.back().color = c.color;
            out.back().points.push_back({c.x, c.y});
        } else {
            open = false;
        }
    }
    std::erase_if(out, [](const Stroke& s) { return s.lines() == 0; });
    return out;
}

std::vector<Stroke> strokesIn(const FakeSurface& surface, std::int32_t color) {
    std::vector<Stroke> all = strokes(surface);
    std::erase_if(all, [&](const Stroke& s) { return s.color != color; });
    return all;
}

std::vector<Stroke> withLines(const std::vector<Stroke>& all, int lines) {
    std::vector<Stroke> out;
    std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                 [&](const Stroke& s) { return s.lines() == lines; });
    return out;
}

// How often the side fit set the red colour: once per start it tried.
int redColorCalls(const FakeSurface& surface) {
    return static_cast<int>(std::count_if(surface.calls.begin(), surface.calls.end(), [](auto& c) {
        return c.op == Op::ForeColor && c.color == kRed;
    }));
}

// A parallel drawn as its whole projected ellipse: 201 points, one per 1.8 degrees of longitude,
// the first segment of zero length and the last point where the first began.
void expectParallel(const Stroke& s, double latDeg, double incDeg) {
    SCOPED_TRACE("parallel at " + std::to_string(latDeg));
    ASSERT_EQ(s.lines(), 201);
    EXPECT_EQ(s.points[1].x, s.points[0].x);
    EXPECT_EQ(s.points[1].y, s.points[0].y);
    EXPECT_AT(s.points.back(), s.points.front(), kOnSurface);
    for (int k = 0; k <= 200; ++k)
        EXPECT_AT(s.points[static_cast<std::size_t>(k + 1)],
                  pictured(onSphere(latDeg, 1.8 * k), incDeg), kOnSurface);
}

// A meridian, or a side along one, in 100 segments from one latitude to the other.
void expectMeridian(const Stroke& s, double fromLatDeg, double toLatDeg, double lonDeg,
                    double incDeg) {
    ASSERT_EQ(s.lines(), 100);
    for (int k = 0; k <= 100; ++k)
        EXPECT_AT(
            s.points[static_cast<std::size_t>(k)],
            pictured(onSphere(fromLatDeg + (toLatDeg - fromLatDeg) * k / 100, lonDeg), incDeg),
            kOnSurface);
}

// The fitted side: on the picture of the shorter great-circle arc between its end vertices, from
// one end to the other.
void expectFittedSide(const Stroke& s, Vec3 from, Vec3 to, double incDeg) {
    const std::vector<Point> arc = pictureOfArc(from, to, incDeg);
    // The last point may overshoot the end by up to half a step; all others are on the arc.
    for (std::size_t k = 0; k + 1 < s.points.size(); ++k) {
        const Point p = s.points[k];
        EXPECT_LE(distanceToPolyline(p, arc), kOnFittedArc) << "at (" << p.x << ", " << p.y << ")";
    }
    const Point first = s.points.front(), last = s.points.back();
    const bool forward = distance(first, arc.front()) < distance(first, arc.back());
    EXPECT_AT(first, forward ? arc.front() : arc.back(), kOnFittedArc);
    EXPECT_AT(last, forward ? arc.back() : arc.front(), kFittedArcEnd);
}

// A triangle with vertex C at the north pole and A on the reference meridian, all in degrees.
struct Placed {
    Vec3 A, B;
};
Placed place(double a, double b, double C, double referenceLonDeg) {
    return {onSphere(90 - b, referenceLonDeg), onSphere(90 - a, referenceLonDeg + C)};
}

// ---------------------------------------------------------------------------------------------
// Projection

TEST(Projection, SpecialPoints) {
    struct Row {
        const char* name;
        double lat, lon, inc; // radians
        double x, y;
        bool exact;
    };
    const double halfPi = kPi / 2, i = 30 * kDeg;
    const Row rows[] = {
        {"equator at longitude 0", 0, 0, i, 1, 0, true},
        {"equator at longitude 0, negative inclination", 0, 0, -i, 1, 0, true},
        {"no inclination: y is the sine of the latitude", 0.7, -2.1, 0,
         std::cos(0.7) * std::cos(-2.1), std::sin(0.7), true},
        {"north pole", halfPi, 1.3, i, 0, std::cos(i), false},
        {"south pole", -halfPi, 1.3, i, 0, -std::cos(i), false},
        {"equator at longitude -90 degrees", 0, -halfPi, i, 0, -std::sin(i), false},
        {"equator at longitude 90 degrees", 0, halfPi, i, 0, std::sin(i), false},
        {"seen from above: north pole at the centre", halfPi, 0.4, halfPi, 0, 0, false},
        {"seen from above: equator on the outline", 0, 0.4, halfPi, std::cos(0.4), std::sin(0.4),
         false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const double x = Posx(r.lat, r.lon, r.inc).value(), y = Posy(r.lat, r.lon, r.inc).value();
        if (r.exact) {
            EXPECT_EQ(x, r.x);
            EXPECT_EQ(y, r.y);
            EXPECT_EQ(std::signbit(y), std::signbit(r.y)) << "zero keeps its sign";
        } else {
            EXPECT_NEAR(x, r.x, 1e-14);
            EXPECT_NEAR(y, r.y, 1e-14);
        }
    }
}

// Random points of the sphere under random inclinations (fixed seed) land where the turned sphere
// puts them, inside the outline; x never depends on the inclination.
TEST(Projection, IsTheTurnedSphereSeenEdgeOn) {
    std::mt19937_64 random(20240605);
    std::uniform_real_distribution<double> lat(-90, 90), lon(-720, 720), inc(-180, 180);
    for (int n = 0; n < 2000; ++n) {
        const double la = lat(random), lo = lon(random), in = inc(random);
        const Point expected = pictured(onSphere(la, lo), in);
        const double x = Posx(la * kDeg, lo * kDeg, in * kDeg).value();
        const double y = Posy(la * kDeg, lo * kDeg, in * kDeg).value();
        EXPECT_NEAR(x, expected.x, 1e-12) << la << " " << lo << " " << in;
        EXPECT_NEAR(y, expected.y, 1e-12) << la << " " << lo << " " << in;
        EXPECT_LE(x * x + y * y, 1 + 1e-12);
        for (double other : {0.0, -0.0, 1.0, -3.0, 1e300})
            EXPECT_EQ(Posx(la * kDeg, lo * kDeg, other).value(), x);
    }
}

// ---------------------------------------------------------------------------------------------
// Plotters

// The point of parameter t: the axis-aligned ellipse point turned by incl, as a complex product.
Point ellipsePoint(double x0, double y0, double a, double b, double incl, double t) {
    const std::complex<double> p =
        std::complex<double>(a * std::cos(t), b * std::sin(t)) * std::polar(1.0, incl) +
        std::complex<double>(x0, y0);
    return {p.real(), p.imag()};
}

TEST(Elipse, FullTurnIs201SegmentsClosingOnItself) {
    struct Row {
        const char* name;
        double x0, y0, a, b, incl;
    };
    const Row rows[] = {
        {"tilted ellipse", 0.2, -0.1, 0.8, 0.3, 0.5},
        {"negative semi-axis runs the other way", 0.2, -0.1, 0.8, -0.3, 0.5},
        {"circle, whatever the tilt", -0.3, 0.4, 0.5, 0.5, 2.2},
        {"flat: a segment traced forth and back", 0.1, 0.2, 0.7, 0, 0.9},
        {"a point: zero-length segments", 0.25, -0.5, 0, 0, 1.1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakeSurface s;
        elipse(s, r.x0, r.y0, r.a, r.b, r.incl, 0, 2 * kPi);
        ASSERT_EQ(s.calls.size(), 203u);
        EXPECT_EQ(s.calls[0].op, Op::CurrentX);
        EXPECT_EQ(s.calls[1].op, Op::CurrentY);
        EXPECT_EQ(s.count(Op::Line), 201);
        const FakeSurface::Segment& first = s.segments.front();
        EXPECT_EQ(first.x0, first.x1) << "the first segment has zero length";
        EXPECT_EQ(first.y0, first.y1);
        EXPECT_AT((Point{s.segments.back().x1, s.segments.back().y1}), (Point{first.x0, first.y0}),
                  kOnSurface);
        for (std::size_t k = 0; k < s.segments.size(); ++k)
            EXPECT_AT((Point{s.segments[k].x1, s.segments[k].y1}),
                      ellipsePoint(r.x0, r.y0, r.a, r.b, r.incl, static_cast<double>(k) * kStep),
                      kOnSurface);
    }
    // The point ellipse sits exactly on its centre.
    FakeSurface point;
    elipse(point, 0.25, -0.5, 0, 0, 1.1, 0, 2 * kPi);
    for (const FakeSurface::Segment& g : point.segments)
        EXPECT_TRUE(g.x0 == 0.25f && g.y0 == -0.5f && g.x1 == 0.25f && g.y1 == -0.5f);
}

// The last point drawn is the last stang + k h not above stpang + h/2, so the end is met to half a
// step either way; an end more than half a step before the start draws nothing.
TEST(Elipse, SegmentCountFollowsTheEndParameter) {
    struct Row {
        const char* name;
        double stang, stpang;
        int lines;
    };
    const double h = kStep;
    const Row rows[] = {
        {"half turn", 0, kPi, 101},
        {"end at the start", 0.3, 0.3, 1},
        {"end 0.4 step after the start", 0, 0.4 * h, 1},
        {"end 0.6 step after the start", 0, 0.6 * h, 2},
        {"end 0.4 step before the start", 0, -0.4 * h, 1},
        {"end 0.6 step before the start", 0, -0.6 * h, 0},
        {"end far below the start", 1, -5, 0},
        {"huge equal parameters", 1e17, 1e17, 1},
        {"huge equal parameters near the double limit", 1e308, 1e308, 1},
        {"huge parameters of opposite signs", -1e17, 1e17, 1},
        {"end far beyond a huge negative start", -1e300, 1e300, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakeSurface s;
        elipse(s, 0, 0, 1, 0.5, 0, r.stang, r.stpang);
        EXPECT_EQ(s.count(Op::Line), r.lines);
        // Whatever is drawn, the current point first moves to the start of the arc.
        ASSERT_GE(s.calls.size(), 2u);
        EXPECT_AT((Point{s.calls[0].x, s.calls[1].y}), ellipsePoint(0, 0, 1, 0.5, 0, r.stang),
                  kOnSurface);
        EXPECT_EQ(s.calls.size(), 2u + static_cast<std::size_t>(r.lines));
    }
}

TEST(Arco, MeridianFromPoleToPoleIn100Segments) {
    FakeSurface s;
    const double lon = -100 * kDeg, inc = 30 * kDeg;
    arco(s, -kPi / 2, lon, kPi / 2, lon, inc);
    // The current point moves to the start, then after every segment to its end.
    ASSERT_EQ(s.calls.size(), 2u + 3u * 100u);
    for (std::size_t k = 0; k < 100; ++k) {
        EXPECT_EQ(s.calls[2 + 3 * k].op, Op::Line);
        EXPECT_EQ(s.calls[3 + 3 * k].op, Op::CurrentX);
        EXPECT_EQ(s.calls[4 + 3 * k].op, Op::CurrentY);
    }
    const std::vector<Stroke> drawn = strokes(s);
    ASSERT_EQ(drawn.size(), 1u);
    expectMeridian(drawn[0], -90, 90, -100, 30);
}

TEST(Arco, EqualEndsDraw100ZeroLengthSegmentsAtThePoint) {
    FakeSurface s;
    arco(s, 0.4, 1.2, 0.4, 1.2, 0.5);
    ASSERT_EQ(s.segments.size(), 100u);
    const float x = s.segments[0].x0, y = s.segments[0].y0;
    EXPECT_AT((Point{x, y}), pictured(onSphere(0.4 / kDeg, 1.2 / kDeg), 0.5 / kDeg), kOnSurface);
    for (const FakeSurface::Segment& g : s.segments)
        EXPECT_TRUE(g.x0 == x && g.y0 == y && g.x1 == x && g.y1 == y);
}

// The plotters keep the sines and cosines of the parameters and latitudes they step through for
// the next call; whatever was drawn before, every point is the one the formulas give afresh, to
// the last bit: the points of Posx and Posy for the arcs, and of the documented parameter formula
// for the ellipses, in the same order of operations. Rows repeat and interleave so that some calls
// find their values kept and others find another sequence's.
TEST(Plotters, KeptSinesAndCosinesGiveTheFormulasBitForBit) {
    struct Row {
        const char* name;
        bool ellipse;
        double p[7]; // arco: lat1, long1, lat2, long2, incfront; elipse: x0, y0, a, b, incl, stang,
                     // stpang
    };
    const double h = kPi / 2;
    const Row rows[] = {
        {"meridian", false, {-h, -0.3, h, -0.3, 0.5}},
        {"next meridian", false, {-h, 0.1, h, 0.1, 0.5}},
        {"meridian at -0", false, {-h, -0.0, h, -0.0, -0.2}},
        {"triangle side", false, {h, 1.2, 0.4, 1.2, 0.5}},
        {"path across longitudes", false, {-0.3, -1, 0.8, 2, 0.7}},
        {"meridian again", false, {-h, -0.3, h, -0.3, 0.5}},
        {"parallel", true, {0, 0.3, 0.9, 0.2, 0, 0, 2 * kPi}},
        {"side arc", true, {0, 0, 1, 0.4, 0.3, 1.1, 2.5}},
        {"next parallel", true, {0, 0.4, 0.8, 0.25, 0, 0, 2 * kPi}},
        {"shorter arc from the same start", true, {0, 0, 1, -0.4, 1.3, 0, 1}},
        {"parallel again", true, {0, 0.3, 0.9, 0.2, 0, 0, 2 * kPi}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakeSurface s;
        std::vector<std::pair<Real, Real>> expected;
        const double* p = r.p;
        if (r.ellipse) {
            elipse(s, p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
            const Real ci = cos(Real(p[4])), si = sin(Real(p[4]));
            const auto point = [&](Real t) {
                return std::pair(p[0] + (p[2] * cos(t)) * ci - (p[3] * sin(t)) * si,
                                 p[1] + (p[2] * cos(t)) * si + (p[3] * sin(t)) * ci);
            };
            expected.push_back(point(p[5]));
            for (Real t = p[5]; t <= p[6] + kPi / 200; t = t + kPi / 100)
                expected.push_back(point(t));
        } else {
            arco(s, p[0], p[1], p[2], p[3], p[4]);
            Real lat = p[0], lon = p[1];
            expected.push_back({Posx(lat, lon, p[4]), Posy(lat, lon, p[4])});
            for (int i = 1; i <= 100; ++i) {
                lat += (p[2] - p[0]) / 100;
                lon += (p[3] - p[1]) / 100;
                expected.push_back({Posx(lat, lon, p[4]), Posy(lat, lon, p[4])});
            }
        }
        ASSERT_EQ(s.segments.size() + 1, expected.size());
        for (std::size_t k = 0; k < s.segments.size(); ++k) {
            const FakeSurface::Segment& g = s.segments[k];
            EXPECT_TRUE(std::signbit(g.x1) == std::signbit(toSingle(expected[k + 1].first)) &&
                        g.x1 == toSingle(expected[k + 1].first) &&
                        g.y1 == toSingle(expected[k + 1].second))
                << "point " << k + 1;
        }
        EXPECT_TRUE(s.segments[0].x0 == toSingle(expected[0].first) &&
                    s.segments[0].y0 == toSingle(expected[0].second));
    }
}

// A failure passes to the caller: the arc is abandoned before its first segment.
TEST(Arco, OverflowingStepFailsBeforeDrawing) {
    FakeSurface s;
    EXPECT_THROW(arco(s, -1e308, 0, 1e308, 0, 0), ArithmeticFailure);
    EXPECT_EQ(s.count(Op::Line), 0);
}

// ---------------------------------------------------------------------------------------------
// The readable picture's lines: split by depth, and ended exactly

// Each line is split where it passes behind the outline: the cuts lie on the outline, the parts
// join end to start, and each part stands out towards the viewer, or lies behind, as it says; a
// line along the outline, or meeting it only at an end, is one near part.
TEST(Depth, LinesSplitWhereTheyPassBehindTheOutline) {
    struct Row {
        const char* name;
        bool parallel; // else a meridian
        double at;     // the parallel's latitude or the meridian's longitude, degrees
        double inc, from, to;
        int parts;
    };
    const Row rows[] = {
        {"parallel at 30 crosses twice", true, 30, 30, 0, 360, 3},
        {"parallel at 70 lies near", true, 70, 30, 0, 360, 1},
        {"parallel at -70 lies behind", true, -70, 30, 0, 360, 1},
        {"under a negative inclination", true, 30, -30, 0, 360, 3},
        {"part of a parallel, past one crossing", true, 30, 30, 100, 200, 2},
        {"equator seen from above: along the outline", true, 0, 90, 0, 360, 1},
        {"meridian crosses once", false, -100, 30, -90, 90, 2},
        {"meridian facing the viewer meets the outline at its poles", false, -90, 0, -90, 90, 1},
        {"meridian at the back", false, 90, 0, -90, 90, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Tilt tilt = tiltOf(r.inc * kDeg);
        const SphereCircle circle =
            r.parallel ? parallelCircle(r.at * kDeg, tilt) : meridianCircle(r.at * kDeg, tilt);
        const DepthParts parts = splitByDepth(arcOf(circle, 0, r.from * kDeg, r.to * kDeg));
        ASSERT_EQ(parts.count, r.parts);
        for (int i = 0; i < parts.count; ++i) {
            const Arc& part = parts.arc[static_cast<std::size_t>(i)];
            const bool far = parts.far[static_cast<std::size_t>(i)];
            for (const double f : {0.1, 0.5, 0.9}) {
                const double t = (part.from + (part.to - part.from) * f).value() / kDeg;
                const double depth = testing::towardsViewer(
                    r.parallel ? onSphere(r.at, t) : onSphere(t, r.at), r.inc);
                EXPECT_TRUE(far ? depth < 1e-12 : depth > -1e-12) << "part " << i << " at " << t;
            }
            if (i == 0)
                continue;
            const Arc& before = parts.arc[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ(before.to, part.from);
            EXPECT_TRUE(before.end.x == part.start.x && before.end.y == part.start.y);
            EXPECT_NEAR(std::hypot(part.start.x.value(), part.start.y.value()), 1, 1e-12)
                << "the cut lies on the outline";
            EXPECT_NE(parts.far[static_cast<std::size_t>(i - 1)], far);
        }
    }
}

// An arc of the readable picture runs from its start, through the points a whole number of steps
// (or strides) from its origin, to exactly its end: a side meets its vertices, and one shorter than
// a step is a single segment between them.
TEST(PlotArc, RunsThroughWholeStepsToExactlyItsEnd) {
    struct Row {
        const char* name;
        double origin, from, to; // in steps
        int stride, lines;
    };
    const Row rows[] = {
        {"three steps", 0, 0, 3, 1, 3},
        {"three and a half steps", 0, 0, 3.5, 1, 4},
        {"shorter than a step", 0, 0, 0.4, 1, 1},
        {"between two steps", 0, 0.2, 0.7, 1, 1},
        {"from an origin far behind", -10, 0.25, 2, 1, 2},
        {"a whole turn", 0, 0, 200, 1, 200},
        {"every other point: the far side of the grid", 0, 0, 3.5, 2, 2},
        {"every other point from an origin behind", -3, 0.5, 5, 2, 3},
    };
    const SphereCircle unit{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Arc arc{unit, r.origin * kStep, r.from * kStep, r.to * kStep, {0.5, 0.25}, {-2, 3}};
        FakeSurface s;
        plotArc(s, arc, r.stride);
        ASSERT_EQ(s.count(Op::Line), r.lines);
        EXPECT_TRUE(s.segments.front().x0 == 0.5f && s.segments.front().y0 == 0.25f);
        EXPECT_TRUE(s.segments.back().x1 == -2.0f && s.segments.back().y1 == 3.0f);
        const double h = r.stride * kStep;
        double t = r.origin * kStep;
        while (t <= r.from * kStep)
            t += h;
        for (std::size_t k = 0; k + 1 < s.segments.size(); ++k, t += h)
            EXPECT_AT((Point{s.segments[k].x1, s.segments[k].y1}),
                      (Point{std::cos(t), std::sin(t)}), kOnSurface);
    }
}

// ---------------------------------------------------------------------------------------------
// The fitted side on its own

// Regression: an arithmetic failure inside the fit must not leave side c silently missing.
TEST(SideFit, ArithmeticFailureEndsTheSearchAndSaysSo) {
    FakeSurface surface;
    FittingState fitting;
    // A target this far out makes the residual norm of the first pass overflow.
    fitting.x1 = 1e200;
    bool fitted = true;
    EXPECT_NO_THROW(fitted = calcularydibujarelipse(GradtoRad(60), fitting, surface));
    EXPECT_FALSE(fitted);
    EXPECT_EQ(redColorCalls(surface), 1) << "the remaining starts are skipped";
    EXPECT_EQ(surface.count(Op::Line), 0);
}

// The point at the arc `s` (radians) from `from` along the great circle towards `to`, pictured.
Point alongArc(Vec3 from, Vec3 to, double s, double incDeg) {
    const double c = testing::arc(from, to);
    const Vec3 w = (to - from * std::cos(c)) * (1 / std::sin(c));
    return pictured(from * std::cos(s) + w * std::sin(s), incDeg);
}

// How far the points of a drawn side are from the side's true arc: the first at one vertex, the
// others a plotter's step further along the arc each (the fit's parameter is the angle along the
// great circle), the last at the other vertex unless it is the plotter's overshoot.
double sideError(const std::vector<Point>& drawn, Vec3 A, Vec3 B, double incDeg,
                 bool endsAtVertex) {
    const bool fromA = distance(drawn.front(), pictured(A, incDeg)) <=
                       distance(drawn.front(), pictured(B, incDeg));
    const Vec3 from = fromA ? A : B, to = fromA ? B : A;
    double worst = 0;
    for (std::size_t j = 0; j + 1 < drawn.size(); ++j)
        worst = std::max(worst, distance(drawn[j], alongArc(from, to, kStep * double(j), incDeg)));
    if (endsAtVertex)
        worst = std::max(worst, distance(drawn.back(), pictured(to, incDeg)));
    return worst;
}

// The points a surface was drawn through, in order: where the first segment began, then the end of
// each segment after the zero-length one the ellipse plotter begins with.
std::vector<Point> drawnPoints(const FakeSurface& s, bool skipFirst) {
    std::vector<Point> points{{s.segments.front().x0, s.segments.front().y0}};
    for (std::size_t k = skipFirst ? 1 : 0; k < s.segments.size(); ++k)
        points.push_back({s.segments[k].x1, s.segments[k].y1});
    return points;
}

// Side c of the readable picture over a sweep of views: whole degrees of rotation at eight
// inclinations, for random triangles (fixed seed) and the awkward ones: tiny, a vertex on the
// outline, a side near half a turn. In every view the side is drawn, and every point of it lies
// within a pixel of the true arc at the designed size; its ends are the vertices. Where the classic
// fit accepts the side's arc, the readable side is that very arc. The classic fit misses the side
// in some of these views and draws it far from the arc in a few: the counts are recorded.
TEST(SideFit, ReadableSideIsDrawnInEveryViewWithinAPixelOfTheTrueArc) {
    struct Triangle {
        double a, b, c, C; // degrees
    };
    std::vector<Triangle> triangles{
        {60, 60, 60, std::acos(1.0 / 3) / kDeg},
        {1, 1, 1, 60.0043633},
        {90, 60, 60, 54.7356103},
        {90, 90, 100, 100},
        {10, 30, 0, 80},
        {170, 170, 0, 30},
        {5, 175, 0, 90},
    };
    std::mt19937_64 random(19);
    while (triangles.size() < 20) {
        const std::array<double, 6> t = testing::randomTriangle(random, 1, 179);
        triangles.push_back({t[0], t[1], t[2], t[5]});
    }
    for (Triangle& t : triangles) // the third side of each hand-picked row, by the law of cosines
        t.c = std::acos(std::cos(t.a * kDeg) * std::cos(t.b * kDeg) +
                        std::sin(t.a * kDeg) * std::sin(t.b * kDeg) * std::cos(t.C * kDeg)) /
              kDeg;
    const double inclinations[] = {-60, -20, 0, 15, 30, 45, 70, 90};
    const double pixel = FakeSurface::kDesignedPixel;

    FittingState fitting;
    int views = 0, missing = 0, off = 0, changed = 0, classicMissing = 0, classicOff = 0;
    for (const Triangle& t : triangles)
        for (const double inc : inclinations)
            for (int rotation = -179; rotation <= 180; ++rotation) {
                ++views;
                const double lonA = -90.0 - rotation, lonB = lonA + t.C;
                const Vec3 A = onSphere(90 - t.b, lonA), B = onSphere(90 - t.a, lonB);
                const Tilt tilt = tiltOf(GradtoRad(inc));
                const Real northPole = kPi / 2, longA = -(kPi / 2) - GradtoRad(rotation);
                const Seen a = seenPoint(northPole - GradtoRad(t.b), longA, tilt);
                const Seen b = seenPoint(northPole - GradtoRad(t.a), longA + GradtoRad(t.C), tilt);
                fitting.x1 = a.x, fitting.y1 = a.y, fitting.x2 = b.x, fitting.y2 = b.y;

                FittingState classicFit = fitting;
                FakeSurface classic;
                const bool classicDrawn =
                    calcularydibujarelipse(GradtoRad(t.c), classicFit, classic);
                const double classicError =
                    classicDrawn ? sideError(drawnPoints(classic, true), A, B, inc, false) : 0;
                classicMissing += !classicDrawn;
                classicOff += classicDrawn && classicError > pixel;

                const std::optional<FittedSide> side =
                    fitSide(GradtoRad(t.c), fitting, a, b, Real(pixel));
                if (!side) {
                    if (++missing <= 3)
                        ADD_FAILURE() << "no side c for " << t.a << ", " << t.b << ", " << t.C
                                      << " at inclination " << inc << ", rotation " << rotation;
                    continue;
                }
                FakeSurface readable;
                plotArc(readable, fittedArc(*side, a, b));
                const double error = sideError(drawnPoints(readable, false), A, B, inc, true);
                if (error > pixel && ++off <= 3)
                    ADD_FAILURE() << "side c " << error / pixel << " pixels off for " << t.a << ", "
                                  << t.b << ", " << t.C << " at inclination " << inc
                                  << ", rotation " << rotation;
                // An arc within half a pixel: not one of those whose parameters have run off to
                // where the plotter's steps are rounded to a visible part of a step.
                if (classicDrawn && classicError <= pixel / 2 && !(side->x == classicFit.xsol) &&
                    ++changed <= 3)
                    ADD_FAILURE() << "not the classic arc for " << t.a << ", " << t.b << ", " << t.C
                                  << " at inclination " << inc << ", rotation " << rotation;
            }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(off, 0);
    EXPECT_EQ(changed, 0);
    ::testing::Test::RecordProperty("views", views);
    ::testing::Test::RecordProperty("classic_missing", classicMissing);
    ::testing::Test::RecordProperty("classic_off_by_more_than_a_pixel", classicOff);
    std::printf("%d views; classic fit: %d without side c, %d more than a pixel off\n", views,
                classicMissing, classicOff);
}

// ---------------------------------------------------------------------------------------------
// The drawing stage, through the calculate command

using Scene = testing::ClickTest;

// Sides of 60 degrees, so C = acos(1/3), under the default view: parallels every 15 degrees,
// meridians every 20 from the reference meridian at -90 - 10 degrees, inclination 30.
TEST_F(Scene, DefaultViewDrawsOutlineGridAndTriangle) {
    ASSERT_EQ(click(kEquilateral).outcome, Outcome::Solved);
    const std::vector<FakeSurface::Call>& calls = view.surface.calls;
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0].op, Op::Scale);
    EXPECT_EQ((std::array{calls[0].x, calls[0].y, calls[0].r, calls[0].w}),
              (std::array{-1.2f, 1.2f, 1.2f, -1.2f}));
    EXPECT_EQ(calls[1].op, Op::Cls);
    ASSERT_EQ(view.surface.circles.size(), 1u);
    const FakeSurface::Call& outline = view.surface.circles[0];
    EXPECT_EQ((std::array{outline.x, outline.y, outline.r}), (std::array{0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(outline.color, kBlack);

    // 13 parallels from pole to pole (the poles as single points), then 19 meridians, the last
    // one at 360 degrees falling on the first.
    const std::vector<Stroke> black = strokesIn(view.surface, kBlack);
    ASSERT_EQ(black.size(), 13u + 19u);
    for (int k = 0; k < 13; ++k)
        expectParallel(black[static_cast<std::size_t>(k)], -90 + 15 * k, 30);
    for (const double pole : {-1.0, 1.0})
        for (const Point& p : black[pole < 0 ? 0 : 12].points)
            EXPECT_AT(p, (Point{0, pole * std::cos(30 * kDeg)}), kOnSurface);
    // The equator: its vertical semi-axis is half its horizontal one.
    EXPECT_NEAR(black[6].points[51].y, 0.5 * black[6].points[1].x, kOnSurface);
    for (int j = 0; j < 19; ++j)
        expectMeridian(black[static_cast<std::size_t>(13 + j)], -90, 90, -100 + 20 * j, 30);

    // The triangle in red: side b from C down to A, side a from B up to C, then side c.
    const double C = std::acos(1.0 / 3) / kDeg;
    const Placed v = place(60, 60, C, -100);
    const std::vector<Stroke> red = strokesIn(view.surface, kRed);
    ASSERT_EQ(red.size(), 3u);
    expectMeridian(red[0], 90, 30, -100, 30);
    expectMeridian(red[1], 30, 90, -100 + C, 30);
    EXPECT_AT(red[0].points.front(), (Point{0, std::cos(30 * kDeg)}), kOnSurface);
    EXPECT_AT(red[0].points.back(), pictured(v.A, 30), kOnSurface);
    EXPECT_AT(red[1].points.front(), pictured(v.B, 30), kOnSurface);
    expectFittedSide(red[2], v.A, v.B, 30);
    EXPECT_EQ(view.drawing.missingSides(), 0);
}

TEST_F(Scene, InclinationZeroSeesTheEquatorEdgeOnAndNinetySeesThePoleFromAbove) {
    // Parallels are horizontal segments, the poles at (0, 1) and (0, -1); with no rotation side b
    // runs down the vertical centre line.
    ASSERT_EQ(click(kEquilateral, {"15", "20", "0", "0"}).outcome, Outcome::Solved);
    std::vector<Stroke> black = strokesIn(view.surface, kBlack);
    std::vector<Stroke> parallels = withLines(black, 201);
    ASSERT_EQ(parallels.size(), 13u);
    for (std::size_t k = 0; k < parallels.size(); ++k)
        for (const Point& p : parallels[k].points) {
            EXPECT_EQ(p.y, parallels[k].points[0].y);
            EXPECT_NEAR(p.y, std::sin((-90 + 15.0 * static_cast<double>(k)) * kDeg), kOnSurface);
        }
    EXPECT_AT(parallels.front().points[0], (Point{0, -1}), kOnSurface);
    EXPECT_AT(parallels.back().points[0], (Point{0, 1}), kOnSurface);
    std::vector<Stroke> red = strokesIn(view.surface, kRed);
    ASSERT_GE(red.size(), 1u);
    for (const Point& p : red[0].points)
        EXPECT_NEAR(p.x, 0, kOnSurface);

    // Parallels are circles about the centre, where the north pole is.
    ASSERT_EQ(click(kEquilateral, {"15", "20", "90", "10"}).outcome, Outcome::Solved);
    black = strokesIn(view.surface, kBlack);
    parallels = withLines(black, 201);
    ASSERT_EQ(parallels.size(), 13u);
    for (std::size_t k = 0; k < parallels.size(); ++k)
        for (const Point& p : parallels[k].points)
            EXPECT_NEAR(std::hypot(p.x, p.y),
                        std::cos((-90 + 15.0 * static_cast<double>(k)) * kDeg), kOnSurface);
    red = strokesIn(view.surface, kRed);
    ASSERT_GE(red.size(), 1u);
    EXPECT_AT(red[0].points.front(), (Point{0, 0}), kOnSurface);
}

// Unusable options: the picture is set up and cleared, nothing is drawn, the message comes once
// and the results stay.
TEST_F(Scene, UnusableSpacingClearsThePictureAndDrawsNothing) {
    struct Row {
        const char* name;
        Options options;
    };
    const Row rows[] = {
        {"empty parallel spacing", {"", "20", "30", "10"}},
        {"zero meridian spacing", {"15", "0", "30", "10"}},
        {"negative zero spacing", {"-0", "20", "30", "10"}},
        {"a word as spacing", {"15", "red", "30", "10"}},
        {"parallels too close: 180 000 lines", {"0.001", "20", "30", "10"}},
        {"meridians too close: 102 857 lines", {"15", "0.0035", "30", "10"}},
        {"spacing near the double limit: 1.8e302 lines", {"1e-300", "20", "30", "10"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(click(kEquilateral, r.options).outcome, Outcome::BadDrawingData);
        EXPECT_EQ(view.messages, std::vector{Outcome::BadDrawingData});
        const std::vector<FakeSurface::Call>& calls = view.surface.calls;
        ASSERT_EQ(calls.size(), 3u);
        EXPECT_EQ(calls[0].op, Op::Scale);
        EXPECT_EQ(calls[1].op, Op::Cls);
        EXPECT_EQ(calls[2].op, Op::ForeColor);
        EXPECT_EQ(view.results[0], "60");
        EXPECT_EQ(view.results[5], "70.53");
        EXPECT_EQ(view.drawing.missingSides(), 0);
    }
}

// Spacings that draw fewer lines, or none, and angles of any size: every family ends after the
// lines it needs, and the rest of the picture is drawn as usual. While the sphere moves, a family
// whose lines would fall less than 1.5 pixels apart across the sphere's middle draws every k-th of
// them, from the first, for the least k that does not.
TEST_F(Scene, GridFamiliesFollowTheirSpacing) {
    struct Row {
        const char* name;
        Options options;
        int parallels, meridians;
        bool checkPlace;        // the first parallel is the south pole, the first meridian at -100
        double movingWidth = 0; // drawn again while the sphere moves in a picture this wide
        bool thinned = false;   // and then leaves lines out
    };
    const Row rows[] = {
        {"negative parallel spacing", {"-15", "20", "30", "10"}, 0, 19, true},
        {"negative meridian spacing", {"15", "-20", "30", "10"}, 13, 0, true},
        {"tiny negative spacings", {"-1e-300", "-1e-300", "30", "10"}, 0, 0, true},
        {"parallel spacing of 180 reaches both poles", {"180", "20", "30", "10"}, 2, 19, true},
        {"parallel spacing beyond 180", {"200", "20", "30", "10"}, 1, 19, true},
        {"meridian spacing of 360 comes back to the first", {"15", "360", "30", "10"}, 13, 2, true},
        {"meridian spacing beyond 360", {"15", "400", "30", "10"}, 13, 1, true},
        {"huge spacings", {"1e300", "1e308", "30", "10"}, 1, 1, true},
        {"huge inclination and rotation", {"15", "20", "1e300", "-1e300"}, 13, 19, false},
        {"negative zero inclination", {"15", "20", "-0", "10"}, 13, 19, false},
        {"1 degree is 2.6 pixels apart, drawn whole", {"1", "1", "30", "10"}, 180, 361, true, 353},
        {"0.25 degrees, every third", {"0.25", "0.25", "30", "10"}, 241, 481, true, 353, true},
        {"0.25 degrees three times as wide, whole",
         {"0.25", "0.25", "30", "10"},
         721,
         1441,
         true,
         1059},
        {"the densest, every 33rd and 17th",
         {"0.018", "0.036", "30", "10"},
         304,
         589,
         true,
         353,
         true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_EQ(click(kEquilateral, r.options).outcome, Outcome::Solved);
        if (r.movingWidth > 0) {
            view.moving = true;
            view.pictureWidth = r.movingWidth;
            view.surface.clear();
            view.redraw(form);
        }
        EXPECT_TRUE(view.messages.empty());
        EXPECT_EQ(view.surface.circles.size(), 1u);
        const std::vector<Stroke> black = strokesIn(view.surface, kBlack);
        const std::vector<Stroke> parallels = withLines(black, 201);
        const std::vector<Stroke> meridians = withLines(black, 100);
        EXPECT_EQ(static_cast<int>(parallels.size()), r.parallels);
        EXPECT_EQ(static_cast<int>(meridians.size()), r.meridians);
        EXPECT_EQ(black.size(), parallels.size() + meridians.size());
        if (r.checkPlace && !parallels.empty())
            expectParallel(parallels[0], -90, 30);
        if (r.checkPlace && !meridians.empty())
            expectMeridian(meridians[0], -90, 90, -100, 30);
        // Sides a and b are drawn whatever the grid.
        const std::vector<Stroke> red = strokesIn(view.surface, kRed);
        ASSERT_GE(red.size(), 2u);
        EXPECT_EQ(red[0].lines(), 100);
        EXPECT_EQ(red[1].lines(), 100);
        // Both pictures say when they left lines out, so that the window draws them whole again.
        for (const PictureStyle style : {PictureStyle::Classic, PictureStyle::Readable}) {
            form.setPictureStyle(style);
            view.redraw(form);
            EXPECT_EQ(view.drawing.gridThinned, r.thinned);
        }
        form.setPictureStyle(PictureStyle::Classic);
    }
}

// Sides 10 and 30 with C = 80: the first start of the fit (t1 = 10 degrees) is accepted, so the
// Newton iteration runs once and side c is one elliptic arc.
TEST_F(Scene, SideAcceptedAtTheFirstStartIsFittedOnce) {
    const Calculation& r = click({"10", "30", "", "", "", "80"});
    ASSERT_EQ(r.outcome, Outcome::Solved);
    EXPECT_EQ(redColorCalls(view.surface), 1 + 1) << "the triangle's colour, then one start";
    const std::vector<Stroke> red = strokesIn(view.surface, kRed);
    ASSERT_EQ(red.size(), 3u);
    expectFittedSide(red[2], onSphere(60, -100), onSphere(80, -20), 30);
    EXPECT_EQ(view.drawing.missingSides(), 0);
}

// Sides 90, 90, 100 under the default view: no start gives an arc of the side's length.
// Kept on purpose: the fit tries its fixed starts only, and says so when none fits.
TEST_F(Scene, SideWithNoAcceptedStartTriesEveryStartAndSaysSo) {
    ASSERT_EQ(click({"90", "90", "100", "", "", ""}).outcome, Outcome::Solved);
    EXPECT_EQ(redColorCalls(view.surface), 1 + 71) << "t1 = 10, 15, ..., 360 degrees";
    const std::vector<Stroke> red = strokesIn(view.surface, kRed);
    EXPECT_EQ(red.size(), 2u) << "sides a and b only";
    EXPECT_TRUE(view.drawing.primarySideMissing);
    EXPECT_EQ(view.status, "No se encontró solución gráfica para el lado c");
}

// Regression: for these triangles one start's iteration runs off to parameters near 1e15 to 1e16,
// where adding a step no longer changes them, and the difference of its parameters happens to equal
// the side. That start was accepted and the side drawn as a single point, with nothing said; it is
// passed over now, and a later start fits the side between its vertices.
TEST_F(Scene, SideFittedAtHugeParametersIsDrawnWhole) {
    for (const Texts& sides :
         {Texts{"85", "85", "114.5916", "", "", ""}, Texts{"120", "95", "100.2676", "", "", ""},
          Texts{"115", "70", "171.8873", "", "", ""}}) {
        SCOPED_TRACE(sides[0] + ", " + sides[1] + ", " + sides[2]);
        ASSERT_EQ(click(sides).outcome, Outcome::Solved);
        const double a = std::stod(sides[0]) * kDeg, b = std::stod(sides[1]) * kDeg;
        const double c = std::stod(sides[2]) * kDeg;
        const double C =
            std::acos((std::cos(c) - std::cos(a) * std::cos(b)) / (std::sin(a) * std::sin(b))) /
            kDeg;
        const Placed v = place(a / kDeg, b / kDeg, C, -100);
        const std::vector<Stroke> red = strokesIn(view.surface, kRed);
        ASSERT_EQ(red.size(), 3u);
        EXPECT_GT(red[2].points.size(), 30u);
        expectFittedSide(red[2], v.A, v.B, 30);
        EXPECT_EQ(view.drawing.missingSides(), 0);
    }
}

// Each side that finds no fit is missing from the picture and said in the status, which names its
// triangle when two are shown; a side fitted after a failing one does not clear it.
TEST_F(Scene, StatusSaysWhenEitherSideIsMissing) {
    struct Row {
        const char* name;
        Texts inputs;
        Options options;
        int failingSides;
        int fittedArcs;
        const char* status;
    };
    const Row rows[] = {
        {"both sides fitted", kEquilateral, kDefaultOptions, 0, 1, ""},
        {"primary side fails, additional fits",
         {"40", "100", "", "30", "", ""},
         kDefaultOptions,
         1,
         1,
         "No se encontró solución gráfica para el lado c de la solución"},
        {"primary side fits, additional fails",
         {"105", "100", "", "105", "", ""},
         kDefaultOptions,
         1,
         1,
         "No se encontró solución gráfica para el lado c de la solución adicional"},
        {"both sides of an ambiguous case fail",
         {"10", "150", "", "10", "", ""},
         {"15", "20", "30", "0"},
         2,
         0,
         "No se encontró solución gráfica para los lados c de ambas soluciones"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_EQ(click(r.inputs, r.options).outcome, Outcome::Solved);
        EXPECT_EQ(view.drawing.missingSides(), r.failingSides);
        EXPECT_EQ(view.status, r.status);
        const std::vector<Stroke> red = strokesIn(view.surface, kRed);
        EXPECT_EQ(static_cast<int>(red.size() - withLines(red, 100).size()), r.fittedArcs);
    }
}

// Regression: the additional triangle of an ambiguous case is drawn whole, its side c2 too even
// when c2 is shorter than c.
TEST_F(Scene, AmbiguousCaseDrawsTheAdditionalTriangleWhole) {
    // a = 40, b = 60, A = 30. From cos a = cos b cos c + sin b cos A sin c = R cos(c - delta):
    const double a = 40, b = 60, A = 30;
    const double p = std::cos(b * kDeg), q = std::sin(b * kDeg) * std::cos(A * kDeg);
    const double delta = std::atan2(q, p) / kDeg;
    const double spread = std::acos(std::cos(a * kDeg) / std::hypot(p, q)) / kDeg;
    const double c = delta + spread, c2 = delta - spread;
    const auto angleC = [&](double side) {
        return std::acos((std::cos(side * kDeg) - std::cos(a * kDeg) * std::cos(b * kDeg)) /
                         (std::sin(a * kDeg) * std::sin(b * kDeg))) /
               kDeg;
    };
    ASSERT_NEAR(c, 88.11, 0.005);
    ASSERT_NEAR(c2, 24.51, 0.005);

    const Calculation& r = click({"40", "60", "", "30", "", ""});
    ASSERT_EQ(r.outcome, Outcome::Solved);
    ASSERT_TRUE(r.additional);
    // b, a and c of the primary triangle, then b2, a2 and c2 of the additional one.
    const std::vector<Stroke> red = strokesIn(view.surface, kRed);
    ASSERT_EQ(red.size(), 6u);
    const Placed first = place(a, b, angleC(c), -100), second = place(a, b, angleC(c2), -100);
    expectMeridian(red[0], 90, 90 - b, -100, 30);
    expectMeridian(red[1], 90 - a, 90, -100 + angleC(c), 30);
    expectFittedSide(red[2], first.A, first.B, 30);
    expectMeridian(red[3], 90, 90 - b, -100, 30);
    expectMeridian(red[4], 90 - a, 90, -100 + angleC(c2), 30);
    expectFittedSide(red[5], second.A, second.B, 30);
    EXPECT_EQ(view.drawing.missingSides(), 0);
}

// ---------------------------------------------------------------------------------------------
// The readable picture, through the calculate command

class ReadableScene : public testing::ClickTest {
protected:
    void SetUp() override { form.setPictureStyle(PictureStyle::Readable); }

    // A triangle of the last click as the picture places it, in degrees: C at the north pole, A
    // on the reference meridian, and the normals of the planes of its sides b, a and c.
    struct Placed {
        Vec3 A, B, C;
        std::array<Vec3, 3> planes;
    };
    static Placed placed(const TriangleSolution& t, double rotation) {
        const double lonA = -90 - rotation, deg = 180 / kPi;
        const Vec3 A = onSphere(90 - t.b.value() * deg, lonA);
        const Vec3 B = onSphere(90 - t.a.value() * deg, lonA + t.C.value() * deg);
        const Vec3 C{0, 0, 1};
        return {A, B, C, {cross(C, A), cross(C, B), cross(A, B)}};
    }
    // The projected vertex as the surface receives it.
    static Point vertexAt(Real lat, Real lon, Real inc) {
        return {toSingle(Posx(lat, lon, inc)), toSingle(Posy(lat, lon, inc))};
    }
};

// The grid: the classic picture's lines, the far parts first in light grey, then the near parts
// and the outline in black, all thin and solid. Every grey point is a point of the grid seen
// through the sphere, every black one a point of the grid in front.
TEST_F(ReadableScene, GridFarSideIsLightGreyUnderTheNearSide) {
    ASSERT_EQ(click(kEquilateral).outcome, Outcome::Solved);
    const std::vector<FakeSurface::Call>& calls = view.surface.calls;
    const auto circle =
        std::find_if(calls.begin(), calls.end(), [](const auto& c) { return c.op == Op::Circle; });
    ASSERT_NE(circle, calls.end());
    EXPECT_EQ(circle->color, kBlack);
    int grey = 0, black = 0, offGrid = 0;
    for (auto c = calls.begin(); c != calls.end(); ++c) {
        if (c->op != Op::Line || (c->color != kFarGrey && c->color != kBlack))
            continue;
        const bool far = c->color == kFarGrey;
        (far ? grey : black)++;
        EXPECT_TRUE(c < circle) << "the outline over the grid";
        EXPECT_TRUE(far ? black == 0 : grey > 0) << "the far side under the near side";
        EXPECT_TRUE(c->width == kThinLine && c->style == DrawStyle::Solid);
        const Point p{c->x, c->y};
        if (std::hypot(p.x, p.y) > 0.999)
            continue; // on the outline depth cannot tell the sides apart
        const Vec3 v = testing::unpictured(p, far, 30);
        const double lat = std::asin(std::clamp(v.z, -1.0, 1.0)) / kDeg;
        const double lon = std::atan2(v.y, v.x) / kDeg;
        const bool onGrid = std::abs(std::remainder(lat, 15)) < 1e-3 ||
                            std::abs(std::remainder(lon + 100, 20)) < 1e-3 || std::abs(lat) > 89.9;
        if (!onGrid && ++offGrid <= 3)
            ADD_FAILURE() << (far ? "grey" : "black") << " point (" << p.x << ", " << p.y
                          << ") is on no grid line";
    }
    EXPECT_GT(grey, 1000);
    EXPECT_GT(black, 1000);
    EXPECT_EQ(offGrid, 0);
}

// The triangles, in red and in blue, twice as wide as the grid: every point lies on a side of its
// triangle, seen in front where solid and through the sphere where dashed (where the two differ
// by more than the fit's accuracy, which the outline magnifies in depth), and each side runs
// from vertex to vertex exactly. Side c is drawn in every row, where the classic picture leaves it
// out of some, and a side shorter than a step is one segment.
TEST_F(ReadableScene, TrianglesAreWideDashedBehindAndMeetAtTheirVertices) {
    struct Row {
        const char* name;
        Texts inputs;
        Options options;
    };
    const Row rows[] = {
        {"equilateral", kEquilateral, kDefaultOptions},
        {"seen from below: C behind", kEquilateral, {"15", "20", "-40", "10"}},
        {"turned: A behind", kEquilateral, {"15", "20", "30", "150"}},
        {"ambiguous", {"40", "60", "", "30", "", ""}, kDefaultOptions},
        {"side c that the classic fit misses", {"90", "90", "100", "", "", ""}, kDefaultOptions},
        {"A on the outline", kEquilateral, {"15", "20", "0", "90"}},
        {"sides shorter than a step", {"0.5", "0.5", "0.5", "", "", ""}, kDefaultOptions},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Calculation& calc = click(r.inputs, r.options);
        ASSERT_EQ(calc.outcome, Outcome::Solved);
        EXPECT_EQ(view.drawing.missingSides(), 0);
        EXPECT_EQ(view.status, "");
        const double inc = std::stod(r.options[2]), rot = std::stod(r.options[3]);
        std::vector<std::pair<const TriangleSolution*, std::int32_t>> triangles{
            {&calc.primary, kRed}};
        if (calc.additional)
            triangles.push_back({&*calc.additional, kBlue});
        for (const auto& [t, colour] : triangles) {
            const std::vector<FakeSurface::Segment> drawn = view.surface.segmentsIn(colour);
            ASSERT_FALSE(drawn.empty());
            const Placed at = placed(*t, rot);
            int offSide = 0, dashed = 0;
            for (const FakeSurface::Segment& g : drawn) {
                EXPECT_EQ(g.width, 2 * kThinLine);
                const bool far = g.style == DrawStyle::Dashed;
                dashed += far;
                for (const Point p : {Point{g.x0, g.y0}, Point{g.x1, g.y1}}) {
                    // Near the outline a pixel's worth of depth is lost in rounding.
                    if (std::hypot(p.x, p.y) > 0.99)
                        continue;
                    const auto fromSides = [&](bool behind) {
                        const Vec3 v = testing::unpictured(p, behind, inc);
                        double nearest = 1;
                        for (const Vec3& n : at.planes)
                            nearest = std::min(nearest, std::abs(dot(v, n)) / testing::norm(n));
                        return nearest;
                    };
                    const double seen = fromSides(far), other = fromSides(!far);
                    offSide += seen > 1e-3 || (other < seen && other > 1e-3);
                }
            }
            EXPECT_EQ(offSide, 0) << "points off the sides, or on the wrong side of the sphere";
            const bool behind = testing::towardsViewer(at.A, inc) < 0 ||
                                testing::towardsViewer(at.B, inc) < 0 ||
                                testing::towardsViewer(at.C, inc) < 0;
            EXPECT_EQ(dashed > 0, behind);

            // Each vertex is where two sides begin or end, to the bit.
            const Real incl = GradtoRad(std::stod(r.options[2]));
            const Real longA = -(kPi / 2) - GradtoRad(std::stod(r.options[3]));
            for (const Point v :
                 {vertexAt(kPi / 2 - t->b, longA, incl),
                  vertexAt(kPi / 2 - t->a, longA + t->C, incl), vertexAt(kPi / 2, longA, incl)}) {
                const auto ends = std::count_if(drawn.begin(), drawn.end(), [&](const auto& g) {
                    return (g.x0 == v.x && g.y0 == v.y) || (g.x1 == v.x && g.y1 == v.y);
                });
                EXPECT_GE(ends, 2) << "vertex (" << v.x << ", " << v.y << ")";
            }
        }
    }
    EXPECT_EQ(view.surface.segmentsIn(kRed).size(), 3u) << "one segment a side";
}

// Each vertex carries its name beside it, in its triangle's colour and away from the triangle (from
// both, at a vertex they share), and each side its name beside its middle, away from the opposite
// vertex; the additional triangle's own vertices and sides are primed, and those the two share are
// named once. Each name's white halo comes before the triangles' lines, which it must not cut, and
// its letters after them.
TEST_F(ReadableScene, NamesEachVertexAndSideOnceBesideItAwayFromItsTriangle) {
    struct Row {
        const char* name;
        Texts inputs;
        std::vector<std::pair<std::string, std::int32_t>> names; // in drawing order
    };
    const Row rows[] = {
        {"one triangle",
         kEquilateral,
         {{"A", kRed}, {"B", kRed}, {"C", kRed}, {"a", kRed}, {"b", kRed}, {"c", kRed}}},
        {"two sides and an angle: A and C shared, and side b",
         {"40", "60", "", "30", "", ""},
         {{"A", kRed},
          {"B", kRed},
          {"C", kRed},
          {"B′", kBlue},
          {"a", kRed},
          {"b", kRed},
          {"c", kRed},
          {"a′", kBlue},
          {"c′", kBlue}}},
        {"two angles and a side: C shared",
         {"40", "", "", "50", "70", ""},
         {{"A", kRed},
          {"B", kRed},
          {"C", kRed},
          {"A′", kBlue},
          {"B′", kBlue},
          {"a", kRed},
          {"b", kRed},
          {"c", kRed},
          {"a′", kBlue},
          {"b′", kBlue},
          {"c′", kBlue}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Calculation& calc = click(r.inputs);
        ASSERT_EQ(calc.outcome, Outcome::Solved);
        const std::vector<FakeSurface::Call>& names = view.surface.names;
        ASSERT_EQ(names.size(), r.names.size());
        // The vertices A, B and C of each triangle, as pictured.
        std::vector<std::vector<Point>> triangles;
        for (const TriangleSolution* t :
             {&calc.primary, calc.additional ? &*calc.additional : nullptr})
            if (t)
                triangles.push_back({pictured(placed(*t, 10).A, 30), pictured(placed(*t, 10).B, 30),
                                     pictured(placed(*t, 10).C, 30)});
        for (std::size_t i = 0; i < names.size(); ++i) {
            SCOPED_TRACE(r.names[i].first);
            EXPECT_EQ(names[i].text, r.names[i].first);
            EXPECT_EQ(names[i].color, r.names[i].second);
            const Point at{names[i].x, names[i].y};
            const auto pointsAway = [&](Point from) {
                return (from.x - at.x) * names[i].r + (from.y - at.y) * names[i].w < 0;
            };
            int ofIt = 0;
            if (std::isupper(static_cast<unsigned char>(names[i].text[0]))) {
                // A name points away from the middle of the other two vertices of every triangle
                // that has its vertex (where it clears the other names and the lines).
                for (const std::vector<Point>& vertices : triangles) {
                    if (std::none_of(vertices.begin(), vertices.end(),
                                     [&](Point v) { return distance(v, at) < kOnSurface; }))
                        continue;
                    ++ofIt;
                    Point others{0, 0};
                    for (const Point v : vertices)
                        if (distance(v, at) > kOnSurface)
                            others = {others.x + v.x / 2, others.y + v.y / 2};
                    EXPECT_TRUE(pointsAway(others))
                        << "pointing towards (" << others.x << ", " << others.y << ")";
                }
                EXPECT_GE(ofIt, 1) << "named at a vertex";
                continue;
            }
            // A side's name: beside the middle of its side, away from the opposite vertex.
            const std::size_t opposite = static_cast<std::size_t>(names[i].text[0] - 'a');
            for (std::size_t k = 0; k < triangles.size(); ++k) {
                const TriangleSolution& t = k == 0 ? calc.primary : *calc.additional;
                const Placed p = placed(t, 10);
                const std::array<std::pair<Vec3, Vec3>, 3> ends{
                    {{p.B, p.C}, {p.A, p.C}, {p.A, p.B}}};
                const Vec3 sum = ends[opposite].first + ends[opposite].second;
                const Point middle = pictured(sum * (1 / testing::norm(sum)), 30);
                if (distance(middle, at) < kOnSurface) {
                    ++ofIt;
                    EXPECT_TRUE(pointsAway(triangles[k][opposite])) << "away from the vertex";
                }
            }
            EXPECT_GE(ofIt, 1) << "named at the middle of a side";
        }
        const std::vector<FakeSurface::Call>& calls = view.surface.calls;
        const auto isTriangle = [](const FakeSurface::Call& c) {
            return c.op == Op::Line && (c.color == kRed || c.color == kBlue);
        };
        const auto firstLine = std::find_if(calls.begin(), calls.end(), isTriangle);
        const auto lastLine = std::find_if(calls.rbegin(), calls.rend(), isTriangle).base();
        std::vector<std::string> halos;
        for (auto c = calls.begin(); c != calls.end(); ++c) {
            if (c->op == Op::Halo) {
                halos.push_back(c->text);
                EXPECT_TRUE(c < firstLine) << c->text << "'s halo under the triangles";
            }
            if (c->op == Op::Name) {
                EXPECT_TRUE(c >= lastLine) << c->text << " over the triangles";
            }
        }
        EXPECT_EQ(halos.size(), names.size());
    }
}

// Where the two triangles of an ambiguous case run together, both colours show: along every side
// of each triangle, the colour on top (the last line drawn within a pixel) is the triangle's own
// over a fifth of the side or more, shared or not. Two sides and an angle share side b and put side
// c2 along c; two angles and a side share part of side b. Seen from below, the shared stretches lie
// behind, where the two triangles' dashes alternate.
TEST_F(ReadableScene, BothTrianglesShowAlongTheSidesTheyShare) {
    struct Row {
        const char* name;
        Texts inputs;
        Options options;
    };
    const Row rows[] = {
        {"two sides and an angle", {"40", "60", "", "30", "", ""}, kDefaultOptions},
        {"two sides and an angle, behind",
         {"40", "60", "", "30", "", ""},
         {"15", "20", "-30", "60"}},
        {"two sides and an angle, turned",
         {"40", "60", "", "30", "", ""},
         {"15", "20", "50", "200"}},
        {"two angles and a side", {"40", "", "", "50", "70", ""}, kDefaultOptions},
        {"two angles and a side, from below",
         {"40", "", "", "50", "70", ""},
         {"15", "20", "-60", "0"}},
    };
    const double pixel = FakeSurface::kDesignedPixel;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Calculation& calc = click(r.inputs, r.options);
        ASSERT_TRUE(calc.additional);
        const double inc = std::stod(r.options[2]), rot = std::stod(r.options[3]);
        const auto segments = view.surface.segments;
        // The colour of the triangle drawn last within a pixel and a half of p.
        const auto onTop = [&](Point p) {
            std::int32_t top = kBlack;
            for (const FakeSurface::Segment& g : segments)
                if ((g.color == kRed || g.color == kBlue) &&
                    distanceToPolyline(p, {{g.x0, g.y0}, {g.x1, g.y1}}) < 1.5 * pixel)
                    top = g.color;
            return top;
        };
        for (const auto& [t, colour] :
             {std::pair{&calc.primary, kRed}, std::pair{&*calc.additional, kBlue}}) {
            const Placed at = placed(*t, rot);
            const std::array<std::pair<Vec3, Vec3>, 3> sides{
                {{at.C, at.A}, {at.C, at.B}, {at.A, at.B}}};
            for (const auto& [from, to] : sides) {
                const std::vector<Vec3> along = testing::greatArc(from, to, 60);
                int own = 0, sampled = 0;
                for (std::size_t k = 6; k + 6 < along.size(); ++k) {
                    ++sampled;
                    own += onTop(pictured(along[k], inc)) == colour;
                }
                EXPECT_GE(own * 5, sampled) << (colour == kRed ? "red" : "blue") << " side from ("
                                            << from.x << ", " << from.y << ", " << from.z << ")";
            }
        }
    }
}

// The classic picture is one choice away, and back: the very calls of a classic click.
TEST_F(ReadableScene, TheClassicPictureIsOneChoiceAway) {
    const Texts ambiguous{"40", "60", "", "30", "", ""};
    testing::FakeView classic;
    classic.type(ambiguous);
    Calculator classicForm;
    classic.click(classicForm);
    click(ambiguous);
    const std::vector<FakeSurface::Call> readable = view.surface.calls;
    const auto same = [](const std::vector<FakeSurface::Call>& a,
                         const std::vector<FakeSurface::Call>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& p, const auto& q) {
            return p.op == q.op && p.x == q.x && p.y == q.y && p.r == q.r && p.w == q.w &&
                   p.color == q.color && p.width == q.width && p.style == q.style &&
                   p.text == q.text;
        });
    };
    for (const PictureStyle style : {PictureStyle::Classic, PictureStyle::Readable}) {
        form.setPictureStyle(style);
        view.surface.clear();
        ASSERT_TRUE(view.redraw(form));
        EXPECT_EQ(view.drawing.style, style);
        EXPECT_EQ(view.drawing.triangles, 2);
        EXPECT_TRUE(same(view.surface.calls,
                         style == PictureStyle::Classic ? classic.surface.calls : readable));
    }
}

} // namespace
} // namespace esferica

// The SVG document writes coordinates to hundredths as printf does, rounded from the exact binary
// value with ties to even, whichever way it takes: the fast one for a coordinate, or the C
// library's at a tie and beyond 1e7 pixels.
TEST(SvgDocument, CoordinatesAreRoundedToHundredthsAsPrinted) {
    const std::pair<double, const char*> rows[] = {
        {0.125, "0.12"},
        {0.375, "0.38"},
        {-0.001, "0"},
        {-0.004999, "0"},
        {12.5, "12.5"},
        {1.005, "1"},
        {2.675, "2.67"},
        {-3.14159, "-3.14"},
        {353, "353"},
        {0.005, "0.01"},
        {-0.015, "-0.01"},
        {1e10 + 0.125, "10000000000.12"},
        {-1e10 - 0.375, "-10000000000.38"},
    };
    for (const auto& [value, text] : rows) {
        esferica::PictureRecord record;
        record.width = record.height = 353;
        esferica::RecordedStroke circle;
        circle.kind = esferica::RecordedStroke::Kind::Circle;
        circle.centre = {value, 1};
        record.strokes.push_back(circle);
        const std::string svg = esferica::svgDocument(
            record, 353, 353, "t", "d", esferica::svgLayerNames(esferica::Catalogue::spanish()));
        EXPECT_NE(svg.find("cx=\"" + std::string(text) + "\""), std::string::npos) << value;
    }
}
