// SPDX-License-Identifier: GPL-3.0-or-later
// Great-circle sailing (ortodrómica) and the rhumb line (loxodrómica) between two positions.
//
// The great circle is the triangle Polo-Salida-Llegada solved by the program's own solver (SAS of
// solver/triangle.h): the two colatitudes 90° - latitude and, between them at the pole, the
// difference of longitude the short way. Its third side is the distance; its angles at the
// departure and at the arrival give the initial and final courses. Where that triangle has an
// element of 0° or 180° (the two points on one meridian or on opposite meridians, a point at a
// pole, the same point twice, antipodal points) the answer follows from the meridian itself.
//
// Units: angles and arcs in degrees; a course in [0, 360), clockwise from north; latitudes and
// longitudes signed, north and east positive. On the navigation sphere one minute of arc of a
// great circle is one nautical mile.
//
// Accuracy: against a construction in quadruple precision from the same data
// (tests/navigation_test.cpp), distances, courses, vertices and the rhumb line are right to 1e-11
// degrees on ordinary routes, and within 3e-8 degrees on every route tried (2e-6 of a mile or of
// a minute of arc, where the problems ask for 0.01): the rounding of a latitude into its
// colatitude weighs most where the answer turns sharply with the data, the courses of a hop of a
// mile or between near-antipodal points, and above all the vertex of a great circle that keeps
// close to the equator.
#pragma once

#include "navigation/coordinates.h"

#include <optional>

namespace esferica {

// One minute of arc of a great circle is one nautical mile.
inline constexpr double kMilesPerDegree = 60;
// The Earth as a sphere of its mean radius, for distances in kilometres.
inline constexpr double kMeanEarthRadiusKm = 6371;

// `degrees` as a difference of longitude the short way: in (-180, 180], east positive.
double shortWay(double degrees);

// How the great circle through two points lies.
enum class Track {
    Oblique,    // a great circle that crosses the meridians at an angle: the usual route
    Meridian,   // both points on one meridian, or on opposite ones, or one at a pole: the route
                // runs north or south along meridians
    Coincident, // the same point twice: no route, no course
    Antipodal,  // opposite points: every great circle through them is a route, so no course
};

// The great-circle arc from one point to another.
struct GreatCircleLeg {
    Track track = Track::Coincident;
    double distance = 0; // the arc, in [0, 180] degrees
    // Clockwise from north, in [0, 360): at the start of the arc and at its end. None for
    // coincident and antipodal points. At a pole, the course the meridian of the route takes:
    // 180 away from the north pole, 0 towards it.
    std::optional<double> initialCourse, finalCourse;
};

// The arc from (latitude1, 0) to (latitude2, dlon), dlon east positive (any value: it is taken the
// short way). Both latitudes in [-90, 90].
GreatCircleLeg greatCircleLeg(double latitude1, double latitude2, double dlon);

// Where the great circle of a route comes nearest a pole.
enum class VertexCase {
    OnRoute,       // the first vertex met sailing on from the departure lies on the route
    BeyondRoute,   // it lies beyond the arrival: the route has no vertex between its ends
    AlongMeridian, // the route runs along a meridian: its great circle passes through the poles
    AlongEquator,  // the route runs along the equator: every point is as far from the poles
    NoRoute,       // coincident or antipodal points: no one great circle
};
struct RouteVertex {
    VertexCase kind = VertexCase::NoRoute;
    // Of OnRoute and BeyondRoute only: the vertex ahead of the departure, north of the equator
    // when the initial course heads north, and the departure itself when it heads due east or
    // west.
    double latitude = 0, longitude = 0;
};

// The rhumb line: the one course that leads from the departure to the arrival, crossing every
// meridian at the same angle, by the difference of longitude the short way (east when it is
// exactly 180°). From or to a pole it runs along the meridian.
struct RhumbLine {
    std::optional<double> course; // [0, 360); none for coincident points
    double distance = 0;          // degrees of arc
};

// Both routes between two positions.
struct Sailing {
    Position from, to;
    double dlon = 0; // the difference of longitude the short way, (-180, 180], east positive
    GreatCircleLeg greatCircle;
    RouteVertex vertex;
    RhumbLine rhumb;
    double radiusKm = kMeanEarthRadiusKm;

    double miles() const { return greatCircle.distance * kMilesPerDegree; }
    double kilometres() const;
    double rhumbMiles() const { return rhumb.distance * kMilesPerDegree; }
};

// The great circle and the rhumb line from `from` to `to`, with distances in kilometres on a
// sphere of `radiusKm`.
Sailing sail(Position from, Position to, double radiusKm = kMeanEarthRadiusKm);

} // namespace esferica
