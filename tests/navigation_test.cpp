// SPDX-License-Identifier: GPL-3.0-or-later
// Navigation: positions read as printed, great-circle sailing and the rhumb line, the position
// triangle, the triangle behind each problem and its picture. Published worked examples within
// their printed precision, and random routes over the whole globe against a construction in
// quadruple precision from the same data.
#include "command/calculate.h"
#include "navigation/coordinates.h"
#include "navigation/picture.h"
#include "navigation/sailing.h"
#include "navigation/sight.h"
#include "navigation/triangle.h"
#include "numeric/angles.h"
#include "tests/support/fake_view.h"
#include "tests/support/reference.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace esferica {
namespace {

using testing::Quad;
using Reference = testing::Reference<Quad>;

constexpr double kMinute = 1.0 / 60; // of a degree; a mile of a great circle

// Degrees and minutes as printed: 43°06,7' is dm(43, 6.7); south and west negative.
double dm(double degrees, double minutes) {
    return std::copysign(std::fabs(degrees) + minutes / 60, degrees);
}

// Positions as printed, read whole or refused with what was read and what was left.
TEST(Navigation, ReadsPositionsAsPrintedAndRefusesAnythingElse) {
    struct Row {
        const char* text;
        std::optional<Position> position; // or the refusal:
        CoordinateProblem problem = CoordinateProblem::Missing;
        std::size_t angle = 0;
        const char* read = "";
        const char* left = "";
    };
    using P = CoordinateProblem;
    const Row rows[] = {
        {"36°30'N 6°20'W", Position{36.5, -dm(6, 20)}},
        {"51° 37,8' S 173° 11,1' W", Position{-dm(51, 37.8), -dm(173, 11.1)}},
        {"21° 39' S, 116° 46' E", Position{-dm(21, 39), dm(116, 46)}},
        {"36°30'15\"n6°20'o", Position{dm(36, 30.25), -dm(6, 20)}},
        {"-33.5 151.25", Position{-33.5, 151.25}},
        {"-33,5 151,25", Position{-33.5, 151.25}},
        {"40.5,-73.75", Position{40.5, -73.75}},
        {"40, 73", Position{40, 73}},
        {"40 6E", Position{40, 6}}, // not 6E0: a hemisphere letter is no exponent
        {"90S 180W", Position{-90, -180}},
        {"", std::nullopt, P::Missing},
        {"36°30'N", std::nullopt, P::Missing, 1, "", ""},
        {"36°30'X 6°20'W", std::nullopt, P::NotReadWhole, 0, "36°30'", "X 6°20'W"},
        {"36.5-6.3", std::nullopt, P::NotReadWhole, 0, "36.5", "-6.3"},
        {"36°61'N 6W", std::nullopt, P::NotReadWhole, 0, "36°", "61'N 6W"},
        {"N36 W6", std::nullopt, P::NoNumber, 0, "", "N36 W6"},
        {"6°20'W 36°30'N", std::nullopt, P::WrongHemisphere, 0, "6°20'", "W 36°30'N"},
        {"36N 6S", std::nullopt, P::WrongHemisphere, 1, "6", "S"},
        {"-36N 6W", std::nullopt, P::SignAndHemisphere, 0, "-36N", "6W"},
        {"91N 6W", std::nullopt, P::OutOfRange, 0, "91N", "6W"},
        {"36N 180°0'1\"E", std::nullopt, P::OutOfRange, 1, "180°0'1\"E", ""},
        {"36N 6W 40N", std::nullopt, P::ExtraText, 1, "6W", "40N"},
        {"36N 6 West", std::nullopt, P::ExtraText, 1, "6", "West"},
        {"1e999 6W", std::nullopt, P::TooLarge, 0, "1e999", "6W"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const PositionReading r = readPosition(row.text);
        ASSERT_EQ(r.error.has_value(), !row.position.has_value());
        if (row.position) {
            EXPECT_DOUBLE_EQ(r.position.latitude, row.position->latitude);
            EXPECT_DOUBLE_EQ(r.position.longitude, row.position->longitude);
            continue;
        }
        EXPECT_EQ(r.error->problem, row.problem);
        EXPECT_EQ(r.error->angle, row.angle);
        EXPECT_EQ(r.error->read, row.read);
        EXPECT_EQ(r.error->left, row.left);
    }
    // Two texts: the longitude's fault names the longitude; an hour angle takes no letter.
    const PositionReading two = readPosition("36°30'N", "6°20'N");
    ASSERT_TRUE(two.error);
    EXPECT_EQ(two.error->angle, 1u);
    EXPECT_EQ(two.error->letter, "N");
    const std::array hour{CoordinateKind::HourAngle};
    EXPECT_EQ(readCoordinates("21E", hour).error->problem, P::WrongHemisphere);
    EXPECT_EQ(readCoordinates("360.5", hour).error->value, 360.5);
}

// Worked examples as published, within the precision printed.
TEST(Navigation, SolvesPublishedGreatCircleExamples) {
    struct Row {
        const char* name;
        Position from, to;
        double miles, initial; // as printed, to 0,1
    };
    const Row rows[] = {
        // The help's own example: 3101,2 miles, initial course 296,4.
        {"Cádiz to New York", {dm(36, 32), -dm(6, 18)}, {dm(40, 28), -dm(73, 50)}, 3101.2, 296.4},
        {"Valparaíso to San Francisco",
         {-dm(33, 1), -dm(72, 10)},
         {dm(37, 50), -dm(123, 14)},
         5117.9,
         321.9},
        // Two towns on opposite meridians at 40 N: 100 degrees over the pole, 6000 miles.
        {"over the pole", {40, 124}, {40, -56}, 6000, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Sailing s = sail(row.from, row.to);
        EXPECT_NEAR(s.miles(), row.miles, 0.05);
        EXPECT_NEAR(*s.greatCircle.initialCourse, row.initial, 0.05);
    }
    // And along the parallel of 40 N, the rhumb line: 180 · 60 · cos 40 = 8273,3 miles.
    EXPECT_NEAR(sail({40, 124}, {40, -56}).rhumbMiles(), 8273.3, 0.05);
}

TEST(Navigation, SolvesPublishedSights) {
    struct Row {
        const char* name;
        double latitude, declination, hourAngle;
        double altitude, azimuth; // printed, altitude to 0,1' and azimuth to 0,1 degree
    };
    const Row rows[] = {
        {"43 N, 20°06,0' N, 339", 43, dm(20, 6), 339, dm(61, 6.7), 135.8},
        {"39°50,6' N, 23°08,4' N, 8°18,1' E", dm(39, 50.6), dm(23, 8.4), 360 - dm(8, 18.1),
         dm(71, 52.8), dm(154, 43.7)},
        {"26°06,5' S, 29°01,9' N, 44°58,0' E", -26.108333, 29.031666, 360 - 44.966667, 19.994813360,
         41.112069600},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Sight s = reduceSight(row.latitude, row.declination, row.hourAngle);
        EXPECT_NEAR(s.altitude(), row.altitude, 0.05 * kMinute);
        EXPECT_NEAR(*s.azimuth(), row.azimuth, 0.05);
    }
    // The same sight from the Greenwich hour angle and the longitude, and with an observed
    // altitude: the intercept in miles, towards the body when it is higher than computed.
    const Sight greenwich = reduceSight(43, dm(20, 6), localHourAngle(350, -11), dm(61, 10));
    EXPECT_DOUBLE_EQ(greenwich.hourAngle, 339);
    EXPECT_NEAR(*greenwich.interceptMiles(), 10 - 6.73, 0.01);
    EXPECT_EQ(greenwich.sense(), InterceptSense::Towards);
    EXPECT_EQ(reduceSight(43, 20, 339, 61).sense(), InterceptSense::Away);
}

// The routes that the triangle of the solver cannot carry, and the edges of the globe: each
// answer as a navigator gives it.
TEST(Navigation, AnswersEveryRouteEvenWithoutATriangle) {
    struct Row {
        const char* name;
        Position from, to;
        Track track;
        double distance;                      // degrees
        std::optional<double> initial, final; // none: undetermined
        VertexCase vertex;
        std::optional<double> rhumbCourse; // none: undetermined
        double rhumbDistance;              // NaN: not checked here
    };
    const double unchecked = NAN;
    const Row rows[] = {
        {"north along a meridian",
         {10, 5},
         {20, 5},
         Track::Meridian,
         10,
         0,
         0,
         VertexCase::AlongMeridian,
         0,
         10},
        {"over the north pole",
         {80, 0},
         {70, 180},
         Track::Meridian,
         30,
         0,
         180,
         VertexCase::AlongMeridian,
         {},
         unchecked},
        {"over the south pole",
         {-80, 0},
         {-70, 180},
         Track::Meridian,
         30,
         180,
         0,
         VertexCase::AlongMeridian,
         {},
         unchecked},
        {"from the north pole",
         {90, 0},
         {40, 10},
         Track::Meridian,
         50,
         180,
         180,
         VertexCase::AlongMeridian,
         180,
         50},
        {"east along the equator",
         {0, 10},
         {0, 20},
         Track::Oblique,
         10,
         90,
         90,
         VertexCase::AlongEquator,
         90,
         10},
        {"west across the antimeridian",
         {0, -175},
         {0, 175},
         Track::Oblique,
         10,
         270,
         270,
         VertexCase::AlongEquator,
         270,
         10},
        {"the same point",
         {10, 10},
         {10, 10},
         Track::Coincident,
         0,
         {},
         {},
         VertexCase::NoRoute,
         {},
         0},
        {"both at the north pole",
         {90, 0},
         {90, 70},
         Track::Coincident,
         0,
         {},
         {},
         VertexCase::NoRoute,
         {},
         0},
        {"antipodal points",
         {10, 10},
         {-10, -170},
         Track::Antipodal,
         180,
         {},
         {},
         VertexCase::NoRoute,
         {},
         unchecked},
        {"pole to pole",
         {90, 0},
         {-90, 0},
         Track::Antipodal,
         180,
         {},
         {},
         VertexCase::NoRoute,
         180,
         180},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Sailing s = sail(row.from, row.to);
        EXPECT_EQ(s.greatCircle.track, row.track);
        EXPECT_NEAR(s.greatCircle.distance, row.distance, 1e-12);
        EXPECT_EQ(s.greatCircle.initialCourse.has_value(), row.initial.has_value());
        EXPECT_EQ(s.greatCircle.finalCourse.has_value(), row.final.has_value());
        if (row.initial && s.greatCircle.initialCourse) {
            EXPECT_NEAR(*s.greatCircle.initialCourse, *row.initial, 1e-12);
            EXPECT_NEAR(*s.greatCircle.finalCourse, *row.final, 1e-12);
        }
        EXPECT_EQ(s.vertex.kind, row.vertex);
        if (std::isnan(row.rhumbDistance))
            continue;
        EXPECT_EQ(s.rhumb.course.has_value(), row.rhumbCourse.has_value());
        if (row.rhumbCourse && s.rhumb.course) {
            EXPECT_NEAR(*s.rhumb.course, *row.rhumbCourse, 1e-12);
        }
        EXPECT_NEAR(s.rhumb.distance, row.rhumbDistance, 1e-12);
    }
    // A body at the zenith has no azimuth; on the meridian, it lies due south or due north.
    EXPECT_FALSE(reduceSight(20, 20, 0).azimuth());
    EXPECT_DOUBLE_EQ(reduceSight(40, 20, 0).altitude(), 70);
    EXPECT_EQ(reduceSight(40, 20, 0).azimuth(), 180.0);
    EXPECT_EQ(reduceSight(40, 60, 360).azimuth(), 0.0);
}

// The courses, the vertex and the rhumb line of a route, from the points as vectors in quadruple
// precision.
struct Truth {
    double distance, initial, final;
    std::optional<double> vertexLatitude, vertexLongitude;
    double vertexAhead = 0; // degrees of the great circle from the departure to the vertex ahead
    double rhumbCourse, rhumbDistance;
};

Quad qdeg(Quad radians) {
    return Reference::deg(radians);
}
// The course at p towards the direction t, clockwise from north, in [0, 360).
Quad courseAt(Reference::Vec p, Reference::Vec t) {
    const Quad horizontal = hypotq(p.x, p.y);
    const Reference::Vec east{-p.y / horizontal, p.x / horizontal, 0};
    const Reference::Vec north = Reference::cross(p, east);
    const Quad c = qdeg(atan2q(Reference::dot(t, east), Reference::dot(t, north)));
    return c < 0 ? c + 360 : c;
}

Truth truth(const Position& from, const Position& to) {
    using R = Reference;
    const R::Vec p = R::point(90 - Quad(from.latitude), from.longitude);
    const R::Vec q = R::point(90 - Quad(to.latitude), to.longitude);
    const R::Vec n = R::cross(p, q);
    Truth t{};
    t.distance = static_cast<double>(R::arc(p, q));
    t.initial = static_cast<double>(courseAt(p, R::cross(n, p)));
    t.final = static_cast<double>(courseAt(q, R::cross(n, q)));
    // The vertices lie where the great circle comes nearest the poles; the one ahead is met first
    // sailing on from p.
    const Quad nn = R::norm(n);
    const R::Vec axis{n.x / nn, n.y / nn, n.z / nn};
    const R::Vec up{-axis.z * axis.x, -axis.z * axis.y, 1 - axis.z * axis.z};
    if (R::norm(up) > Quad(1e-20)) {
        const auto ahead = [&](R::Vec v) {
            const Quad a = atan2q(R::dot(R::cross(p, v), axis), R::dot(p, v));
            return a < 0 ? a + R::rad(360) : a;
        };
        const R::Vec down{-up.x, -up.y, -up.z};
        const R::Vec v = ahead(up) < ahead(down) ? up : down;
        t.vertexLatitude = static_cast<double>(qdeg(atan2q(v.z, hypotq(v.x, v.y))));
        t.vertexLongitude = static_cast<double>(qdeg(atan2q(v.y, v.x)));
        t.vertexAhead = static_cast<double>(qdeg(std::min(ahead(up), ahead(down))));
    }
    // The rhumb line: the difference of longitude the short way, over that of Mercator latitudes.
    const Quad phi1 = R::rad(from.latitude), phi2 = R::rad(to.latitude);
    Quad dlambda = fmodq(Quad(to.longitude) - from.longitude + 540, 360) - 180;
    if (dlambda == -180)
        dlambda = 180;
    const Quad dpsi = asinhq(tanq(phi2)) - asinhq(tanq(phi1));
    const Quad q2 = phi2 == phi1 ? cosq(phi1) : (phi2 - phi1) / dpsi;
    const Quad c = qdeg(atan2q(R::rad(dlambda), dpsi));
    t.rhumbCourse = static_cast<double>(c < 0 ? c + 360 : c);
    t.rhumbDistance = static_cast<double>(qdeg(hypotq(phi2 - phi1, q2 * R::rad(dlambda))));
    return t;
}

double angleError(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, 360 - d);
}

// Random routes of each kind, against the construction: distances to 0.01 mile and angles to
// 0.01' are asked; far better is found, and held.
TEST(Navigation, AgreesWithAQuadruplePrecisionConstructionOverTheGlobe) {
    constexpr int kRoutes = 2000;
    std::mt19937_64 random(29);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto lat = [&] {
        return std::asin(2 * unit(random) - 1) * 180 / std::numbers::pi;
    };
    const auto lon = [&] {
        return 360 * unit(random) - 180;
    };
    // A point `degrees` of arc away from p, in a random direction.
    const auto near = [&](const Position& p, double degrees) {
        const double r = std::numbers::pi / 180, c = 2 * std::numbers::pi * unit(random);
        const double sp = std::sin(p.latitude * r), cp = std::cos(p.latitude * r);
        const double sd = std::sin(degrees * r), cd = std::cos(degrees * r);
        const double to = std::asin(sp * cd + cp * sd * std::cos(c));
        const double dlon = std::atan2(std::sin(c) * sd * cp, cd - sp * std::sin(to));
        return Position{to / r, shortWay(p.longitude + dlon / r)};
    };
    // Each kind, and the error held for it, in degrees: about five times the worst of 100 000
    // routes of the kind.
    const struct {
        const char* name;
        double held;
    } kinds[] = {{"anywhere", 3e-11},        {"a mile", 1.5e-8},
                 {"near antipodal", 1e-7},   {"on the equator", 5e-13},
                 {"on one meridian", 2e-13}, {"nearly one meridian", 2e-10},
                 {"near a pole", 1.5e-11},   {"across the antimeridian", 5e-11}};
    const auto route = [&](std::size_t kind) -> std::pair<Position, Position> {
        const Position p{lat(), lon()};
        const double polar = 90 - std::pow(10, -6 * unit(random));
        switch (kind) {
        case 0:
            return {p, {lat(), lon()}};
        case 1:
            return {p, near(p, kMinute)};
        case 2:
            return {p, near({-p.latitude, shortWay(p.longitude + 180)},
                            std::pow(10, -3 * unit(random)))};
        case 3:
            return {{0, p.longitude}, {0, lon()}};
        case 4:
            return {p, {lat(), p.longitude}};
        case 5:
            return {p, {lat(), p.longitude + std::pow(10, -9 * unit(random))}};
        case 6:
            return {{unit(random) < 0.5 ? polar : -polar, p.longitude}, {lat(), lon()}};
        default:
            return {{p.latitude, 170 + 10 * unit(random)}, {lat(), -170 - 10 * unit(random)}};
        }
    };
    for (std::size_t kind = 0; kind < std::size(kinds); ++kind) {
        double worst = 0;
        for (int i = 0; i < kRoutes; ++i) {
            const auto [from, to] = route(kind);
            const Sailing s = sail(from, to);
            const Truth t = truth(from, to);
            SCOPED_TRACE(::testing::Message()
                         << kinds[kind].name << " from " << from.latitude << ", " << from.longitude
                         << " to " << to.latitude << ", " << to.longitude);
            std::vector<double> errors{std::fabs(s.greatCircle.distance - t.distance),
                                       angleError(*s.rhumb.course, t.rhumbCourse),
                                       std::fabs(s.rhumb.distance - t.rhumbDistance)};
            if (s.greatCircle.initialCourse) {
                errors.push_back(angleError(*s.greatCircle.initialCourse, t.initial));
                errors.push_back(angleError(*s.greatCircle.finalCourse, t.final));
            }
            // A vertex is asked for only where the great circle is no meridian and its vertex
            // stands clear of the equator, and it is read to its 0.1'.
            if (s.vertex.kind == VertexCase::OnRoute || s.vertex.kind == VertexCase::BeyondRoute) {
                ASSERT_TRUE(t.vertexLatitude);
                if (std::fabs(t.vertexAhead - t.distance) > 1e-6) {
                    EXPECT_EQ(s.vertex.kind == VertexCase::OnRoute, t.vertexAhead < t.distance);
                }
                errors.push_back(std::fabs(s.vertex.latitude - *t.vertexLatitude));
                if (std::fabs(*t.vertexLatitude) > 1)
                    errors.push_back(angleError(s.vertex.longitude, *t.vertexLongitude));
            }
            const double e = *std::max_element(errors.begin(), errors.end());
            ASSERT_LT(e, kinds[kind].held);
            worst = std::max(worst, e);
        }
        std::printf("%-24s worst error %.1e degrees\n", kinds[kind].name, worst);
    }
}

// "Ver en el triángulo": the fields, solved as the main window solves them, give the same route
// and the same sight.
TEST(Navigation, TheTriangleBehindSolvesToTheSameAnswers) {
    const Sailing s = sail({dm(36, 32), -dm(6, 18)}, {dm(40, 28), -dm(73, 50)});
    const std::optional<TriangleBehind> t = triangleBehind(s);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->fields[Element::b], "53.46666666666667"); // 90 - 36°32'
    EXPECT_EQ(t->vertices[0], NavigationPoint::Departure);
    const Calculation c = compute(t->fields);
    ASSERT_EQ(c.outcome, Outcome::Solved);
    EXPECT_EQ(RadtoGrad(c.primary.c).value(), s.greatCircle.distance);
    // West-bound: the angle at the departure is counted from north towards the west.
    EXPECT_DOUBLE_EQ(360 - RadtoGrad(c.primary.A).value(), *s.greatCircle.initialCourse);

    const Sight sight = reduceSight(43, dm(20, 6), 339);
    const Calculation pzx = compute(triangleBehind(sight)->fields);
    ASSERT_EQ(pzx.outcome, Outcome::Solved);
    EXPECT_DOUBLE_EQ(90 - RadtoGrad(pzx.primary.c).value(), sight.altitude());
    EXPECT_DOUBLE_EQ(RadtoGrad(pzx.primary.C).value(), 21);
    // No triangle where the problem has none.
    EXPECT_FALSE(triangleBehind(sail({10, 5}, {20, 5})));
    EXPECT_FALSE(triangleBehind(reduceSight(40, 20, 0)));
}

// The picture is a chart's, not its mirror image: New York lies west of Cádiz, to the left, and
// the great circle bows towards the pole from the rhumb line.
TEST(Navigation, DrawsTheRouteWhereAChartWould) {
    testing::FakeSurface dib;
    const Sailing s = sail({dm(36, 32), -dm(6, 18)}, {dm(40, 28), -dm(73, 50)});
    const std::vector<ChartMark> marks = drawSailing(dib, s);
    const auto named = [&](std::string_view name) {
        const auto n = std::find_if(dib.names.begin(), dib.names.end(),
                                    [&](const auto& call) { return call.text == name; });
        EXPECT_NE(n, dib.names.end()) << name;
        return n == dib.names.end() ? testing::FakeSurface::Call{} : *n;
    };
    const auto cadiz = named("Salida"), newYork = named("Llegada"), pole = named("Polo");
    EXPECT_LT(newYork.x, cadiz.x);
    EXPECT_NEAR(newYork.y, cadiz.y, 0.1); // at about the same latitude
    EXPECT_GT(pole.y, cadiz.y);
    EXPECT_FALSE(marks[0].far || marks[1].far);
    // Where each wide line crosses the middle of the picture.
    const auto atMiddle = [&](std::int32_t colour) {
        for (const auto& seg : dib.segmentsIn(colour))
            if (seg.width > kThinLine && (seg.x0 <= 0) != (seg.x1 <= 0))
                return seg.y0 + (seg.y1 - seg.y0) * (0 - seg.x0) / (seg.x1 - seg.x0);
        return -2.0f;
    };
    EXPECT_GT(atMiddle(kRed), atMiddle(kBlue) + 0.05);

    // The body 21 degrees east of the observer's meridian lies to the right of the zenith.
    testing::FakeSurface sky;
    const std::vector<ChartMark> pzx = drawSight(sky, reduceSight(43, dm(20, 6), 339));
    EXPECT_GT(pzx[2].x, pzx[1].x);
    EXPECT_TRUE(sky.allFinite);
}

} // namespace
} // namespace esferica
