// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry of the unit sphere in plain double, for checking the program against values found
// another way than its own formulas: points as 3-D vectors, great-circle arcs, the picture of a
// point under an inclination (by Rodrigues' rotation formula), and random triangles.
#pragma once

#include <array>
#include <random>
#include <vector>

namespace esferica::testing {

struct Vec3 {
    double x, y, z;
};
Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, double s);
double dot(Vec3 a, Vec3 b);
Vec3 cross(Vec3 a, Vec3 b);
double norm(Vec3 a);

// The point of the unit sphere at a latitude and longitude in degrees; z is the polar axis.
Vec3 onSphere(double latDeg, double lonDeg);

// The length in radians of the shorter great-circle arc between two points of the sphere.
double arc(Vec3 u, Vec3 v);

// The angle in radians at vertex p between the great circles towards q and r.
double vertexAngle(Vec3 p, Vec3 q, Vec3 r);

// The shorter great-circle arc from p to q as n + 1 points, both ends included.
std::vector<Vec3> greatArc(Vec3 p, Vec3 q, int n);

// A point of the picture, in the user coordinates of the drawing: the unit circle is the outline.
struct Point {
    double x, y;
};
double distance(Point p, Point q);

// Where the picture shows a point of the sphere: the sphere tilted about the picture's x axis by
// the inclination (degrees; the north pole tips towards the viewer), then seen along its depth
// axis y, so that the picture shows x and z of the turned point.
Point pictured(Vec3 v, double inclinationDeg);
// How far the turned point stands out of the picture towards the viewer: positive on the near
// hemisphere, negative on the far one, zero on the outline.
double towardsViewer(Vec3 v, double inclinationDeg);
// The point of the sphere that the picture shows at p (inside the outline), on the near side or
// through the sphere on the far side.
Vec3 unpictured(Point p, bool far, double inclinationDeg);

// A random triangle in degrees (a, b, c, A, B, C) from three random points of the sphere, drawn
// again until every element lies inside [minDeg, maxDeg].
std::array<double, 6> randomTriangle(std::mt19937_64& rng, double minDeg, double maxDeg);

} // namespace esferica::testing
