// SPDX-License-Identifier: GPL-3.0-or-later
// The sphere as a solid for the readable picture: points and circles of the sphere in the frame of
// the view, with their depth, so that each line can be split where it passes behind the outline,
// and a plotter that ends an arc exactly where it is told to.
//
// The view is the projection of drawing/projection.h: the sphere's point (X, Y, Z), Z along the
// polar axis, is turned about the X axis by the inclination i and seen along its depth,
//   x = X,   y = Z cos i + Y sin i,   d = Z sin i - Y cos i,
// x and y being the picture's coordinates and d the height towards the viewer: the near hemisphere
// has d > 0, the far one d < 0, and the outline d = 0.
#pragma once

#include "drawing/surface.h"
#include "numeric/checked.h"

#include <array>
#include <vector>

namespace esferica {

// A point or a direction of the sphere's space in the frame of the view.
struct Seen {
    Real x, y, d;
};
Seen operator+(const Seen& p, const Seen& q);
Seen operator-(const Seen& p, const Seen& q);
Seen operator*(const Seen& p, Real s);
Real dot(const Seen& p, const Seen& q);
Seen cross(const Seen& p, const Seen& q);
Real length(const Seen& p);
// The unit vector at `from`, a point of the unit sphere, along the great circle towards `to`.
// Raises ArithmeticFailure when the two are the same or opposite points.
Seen towards(const Seen& from, const Seen& to);

// A point of the picture, in user coordinates.
struct Flat {
    Real x, y;
};

// The sine and cosine of the view's inclination.
struct Tilt {
    Real s, c;
};
Tilt tiltOf(Real inclination);

// The vector (X, Y, Z) of the sphere's own frame, seen.
Seen seenVector(Real X, Real Y, Real Z, const Tilt& tilt);
// The point of the sphere at `latitud`, `longitud` (radians), seen: x and y are those of Posx and
// Posy to the last bit.
Seen seenPoint(Real latitud, Real longitud, const Tilt& tilt);

// A circle of the sphere: its point of parameter t is centre + u cos t + v sin t, u and v being
// perpendicular and of the circle's radius. Parallels, meridians and great circles alike.
struct SphereCircle {
    Seen centre, u, v;
    Seen at(Real t) const;
};

// The parallel at latitude phi, its parameter the longitude. Seen from the view it is the ellipse
// that the classic picture draws.
SphereCircle parallelCircle(Real phi, const Tilt& tilt);
// The meridian at longitude lambda, its parameter the latitude.
SphereCircle meridianCircle(Real lambda, const Tilt& tilt);

// An arc of a circle, from parameter `from` to `to` (from <= to), drawn from the picture point
// `start` to `end` through the points of parameter origin + k h strictly between them (h the
// plotters' step, pi/100, and k whole). The end points are given apart, so that a side ends exactly
// at its projected vertex; a grid line has the circle's own points there.
struct Arc {
    SphereCircle circle;
    Real origin, from, to;
    Flat start, end;
};
// The arc of `circle` from `from` to `to` with the circle's own end points.
Arc arcOf(const SphereCircle& circle, Real origin, Real from, Real to);

// The parts of an arc on the near and the far side of the sphere, in order along it. A circle
// crosses the outline at most twice a turn, so an arc of up to a turn and a half has at most four
// parts; a longer one is split at its first three crossings only.
struct DepthParts {
    static constexpr int kMaxParts = 4;
    std::array<Arc, kMaxParts> arc;
    std::array<bool, kMaxParts> far{};
    int count = 0;
};
// Splits `arc` where its depth changes sign, each crossing found exactly from the depth's sinusoid
// d(t) = centre.d + u.d cos t + v.d sin t. A part that runs along the outline (d = 0) is near.
DepthParts splitByDepth(const Arc& arc);

// Draws `arc` in the surface's current pen: the current point moves to `start`, then a Line to each
// inner point and one to `end`, so an arc shorter than a step is one segment from start to end.
// With a stride of n only every n-th inner point is drawn, origin + k n h. Stops after
// kMaxArcSteps inner points: no arc of the picture has as many.
inline constexpr int kMaxArcSteps = 1000;
void plotArc(Surface& dib, const Arc& arc, int stride = 1);

// A point as the surface receives it.
struct FlatPoint {
    float x, y;
};
// The points that plotArc(dib, arc) draws through, its start first: the same single-precision
// coordinates.
std::vector<FlatPoint> arcPoints(const Arc& arc);

} // namespace esferica
