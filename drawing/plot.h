// SPDX-License-Identifier: GPL-3.0-or-later
// Polyline plotters on a drawing surface. Both draw in the surface's current colour, each segment
// from the current point to the next point of the curve, and let arithmetic failures pass to the
// caller (segments already drawn remain).
//
// Names. `dib` is the surface drawn on (dibujo); `elipse` and `arco` draw an ellipse and an arc.
// `x0`, `y0` are the centre, `a` and `b` the semi-axes, `incl` the direction of `a`; `stang` and
// `stpang` the start and stop parameter angles. `latitud`, `longitud` place a point on the sphere
// and `incfront` is the inclination of its polar axis towards the viewer; Posx and Posy
// (drawing/projection.h) give its picture coordinates, and calcularydibujarelipse
// (drawing/side.h) computes and draws the ellipse of a side.
#pragma once

#include "drawing/surface.h"
#include "numeric/checked.h"

namespace esferica {

// The ellipse plotter's step of parameter angle: a full turn takes 200 segments.
inline constexpr int kSegmentsPerHalfTurn = 100;

// Arc of the ellipse with centre (x0, y0), semi-axis `a` in direction `incl` (radians,
// counter-clockwise from +x) and semi-axis `b` across it (either may be 0 or negative), from
// parameter angle `stang` to `stpang`. The point of parameter t is
//   (x0 + a cos t cos incl - b sin t sin incl, y0 + a cos t sin incl + b sin t cos incl).
// The current point moves to P(stang); then t = stang, stang + h, ... (h = pi/100, accumulated by
// addition) draws a segment to P(t) while t <= stpang + h/2, so the first segment has zero length
// and a full turn (0 to 2 pi) makes 201 Line calls. Nothing is drawn when stpang + h/2 < stang,
// and the loop also ends where adding h no longer changes t (a huge parameter).
void elipse(Surface& dib, Real x0, Real y0, Real a, Real b, Real incl, Real stang, Real stpang);

// The image of the path from (lat1, long1) to (lat2, long2) on the sphere, straight in latitude
// and longitude (a meridian arc when long1 = long2), in 100 segments through Posx/Posy under the
// inclination `incfront`. The steps are accumulated, so the last point is the end point up to
// rounding.
void arco(Surface& dib, Real lat1, Real long1, Real lat2, Real long2, Real incfront);

} // namespace esferica
