// SPDX-License-Identifier: GPL-3.0-or-later
// Side c of a triangle does not lie on a meridian: its great circle projects to an ellipse
// centred on the origin with semi-axis 1, found by fitting through the side's two projected end
// points.
#pragma once

#include "drawing/depth.h"
#include "drawing/surface.h"
#include "fitting/state.h"
#include "numeric/checked.h"

#include <optional>

namespace esferica {

// Fits and draws side c between the projected vertices held in fitting.x1, y1 (A) and x2, y2 (B).
// Runs the Newton iteration from t1 = 10, 15, ..., 360 degrees (t2 = 80 degrees, theta = 13
// degrees, k = 5 degrees in radians + 0.1), orders each result so that t1 <= t2, and accepts the
// first whose arc t2 - t1 has the length |sideLength| (radians) to within pi/180 of a degree and
// whose parameters are small enough for elipse to step through; that arc is drawn in red and the
// result is true. When no start is accepted, or an arithmetic failure ends the search, nothing is
// drawn for the side and the result is false: the caller says so in the status label. After a
// run, fitting.xsol holds the last attempt. The classic picture's side c.
bool calcularydibujarelipse(Real sideLength, FittingState& fitting, Surface& dib);

// The exact image of the great circle through the points A and B of the unit sphere (seen): the
// parameters (t1, t2, theta, k) of the fit's ellipse with A at t1 and B at t2 = t1 + the arc from A
// to B, below pi. Under the orthographic view the circle of unit normal n projects to the ellipse
// whose unit semi-axis is perpendicular to (n.x, n.y) and whose other semi-axis is n.d; a circle
// seen edge-on (n.d = 0) projects to a segment through the centre, k = 0. Raises
// ArithmeticFailure when A and B are the same point or opposite points, which no side joins.
Vec4 greatCircleImage(const Seen& A, const Seen& B);

// Whether the ellipse arc of `x` (t1 <= t2, as the fit leaves it) is the image of the side from A
// to B: its point at t1 + s lies within `tolerance` of the side's point at the arc s from one end,
// for s = 0, pi/100, ... and t2 - t1, the points that a plotter draws. `fromA` says whether that
// end, the one at t1, is A.
bool followsGreatCircle(const Vec4& x, const Seen& A, const Seen& B, Real tolerance, bool& fromA);

// The readable picture's side c.
struct FittedSide {
    Vec4 x;     // t1 <= t2, theta, k
    bool fromA; // t1 is at vertex A, not at B
};

// Fits side c between A and B (seen; their x and y must be the targets in `fitting`) as
// calcularydibujarelipse does, start by start, except that an arc which is not the image of the
// side within `tolerance` (a pixel) is refused, and that a start driven out of the double range is
// passed over. When no start is accepted, the iteration starts once more from the exact image
// (greatCircleImage), which is the answer if the iteration confirms it: its result is the image of
// the side within the tolerance or, where the Jacobian is singular at the answer, the image passes
// the iteration's own test (a residual norm of at most kResidualTolerance). Where
// calcularydibujarelipse accepts the image of the side, this accepts the same arc, bit for bit.
// None when even the exact image is refused; an arithmetic failure in finding it passes to the
// caller. Leaves the accepted parameters in fitting.xsol, and draws nothing.
std::optional<FittedSide> fitSide(Real sideLength, FittingState& fitting, const Seen& A,
                                  const Seen& B, Real tolerance);

// The arc of a fitted side with the depth of the side's great circle, from the vertex at its t1
// to the other, its ends exactly at the vertices' x and y.
Arc fittedArc(const FittedSide& side, const Seen& A, const Seen& B);

} // namespace esferica
